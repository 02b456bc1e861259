# The process table from /proc, and the IE tools on real processes.
vindrel_unit_test(test_platform_processes
  SOURCES LinuxProcessServiceTest.cpp RealIeProcessesTest.cpp
  LIBS vindrel_ietools vindrel_platform_core)
