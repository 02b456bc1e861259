# The built program started in screenshot mode, with and without an argument.
vindrel_integration_test(e2e_startup_test SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/StartupTest.cpp)
if(TEST e2e_startup_test) # not in the unit-test-only build
  set_tests_properties(e2e_startup_test PROPERTIES RESOURCE_LOCK ie_processes) # the program ends IE stand-ins
endif()
