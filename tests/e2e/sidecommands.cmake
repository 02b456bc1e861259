# A second copy of the built program started on an address, as the page button starts it.
vindrel_integration_test(e2e_second_copy_test
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/SecondCopyTest.cpp
  LIBS vindrel_platform_gui)
if(TEST e2e_second_copy_test) # not in the unit-test-only build
  set_tests_properties(e2e_second_copy_test PROPERTIES RESOURCE_LOCK ie_processes) # the program ends IE stand-ins
endif()
