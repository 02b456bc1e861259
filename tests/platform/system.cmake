# Starting programs, the desktop's associations and text editor, the Favourites folder, clipboard and network.
vindrel_unit_test(test_platform_system
  SOURCES CommandLineSplitTest.cpp HostSystemServicesTest.cpp DesktopEntryTest.cpp
  LIBS vindrel_platform_gui)
