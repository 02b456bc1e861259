# The web-browser control and the desktop's user-interface services.
vindrel_unit_test(web_address_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WebAddressTest.cpp ${CMAKE_CURRENT_LIST_DIR}/WebEngineEnvironmentTest.cpp
  LIBS vindrel_platform_core)

vindrel_integration_test(web_engine_browser_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WebEngineBrowserTest.cpp
  LIBS vindrel_platform_web)

vindrel_unit_test(qt_ui_services_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/QtUiServicesTest.cpp ${CMAKE_CURRENT_LIST_DIR}/FileDialogPathsTest.cpp
  LIBS vindrel_platform_gui)
