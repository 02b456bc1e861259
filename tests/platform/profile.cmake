# The private-profile reader behind shortcut files.
vindrel_unit_test(test_platform_profile
  SOURCES ProfileReaderTest.cpp
  LIBS vindrel_platform_core)
