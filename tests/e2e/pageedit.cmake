# The page editor on a local page shown by the real browser control.
vindrel_integration_test(e2e_pageedit_test
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/PageEditTest.cpp
  LIBS vindrel_pageedit vindrel_platform_core)
