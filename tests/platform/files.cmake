# Files and paths: the drive map, the host file system and its per-user program folder, name
# patterns, line reading, text codes, the names and places of downloaded files.
vindrel_unit_test(test_platform_files
  SOURCES DriveMapTest.cpp HostFileSystemTest.cpp LineReaderTest.cpp NameMatchingTest.cpp TextCodecTest.cpp
  ProgramFolderRedirectTest.cpp DownloadNamesTest.cpp
  LIBS vindrel_platform_core)
