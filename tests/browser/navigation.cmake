# Address bar, toolbar, periodic timer, browser-control events, side commands and zoom, on fakes.
vindrel_unit_test(browser_navigation_test
  SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/AddressRulesTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/AddressBarTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/PeriodicTimerTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/BrowserEventsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/SideCommandsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ZoomStepsTest.cpp
  LIBS vindrel_browser)

# The same window over the real engine: pop-up windows and the timer on a local page.
vindrel_integration_test(browser_real_window_test
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/RealBrowserWindowTest.cpp
  LIBS vindrel_browser vindrel_platform_web)
