# The browser window's controls, load, layout and closing steps, and the visited-sites file.
vindrel_unit_test(browser_window_test
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/WindowControlsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/WindowLifecycleTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/BrowserLayoutTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/VisitedSitesTest.cpp
  LIBS vindrel_browser)
