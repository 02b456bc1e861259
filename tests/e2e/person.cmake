# The built program driven as a person does: key presses and clicks on an X server of its own,
# results read from the accessibility bus, files, pictures and the clipboard.
if(NOT VINDREL_UNIT_TESTS_ONLY)
  add_test(NAME e2e_person_test
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/person/run.sh $<TARGET_FILE:vindrel>)
  set_tests_properties(e2e_person_test PROPERTIES LABELS e2e TIMEOUT 900 RESOURCE_LOCK ie_processes)
endif()
