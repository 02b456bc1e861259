# A user's whole session over the real browser engine: the address box, a link, the history
# buttons, a banner added to the page, a site opened from the favourites, and the visited sites
# saved on closing.
if(NOT VINDREL_UNIT_TESTS_ONLY)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  vindrel_integration_test(e2e_session_test
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/UserSessionTest.cpp
    LIBS vindrel_startup Qt6::Test)
endif()
