# The process table from /proc, and the IE tools on real processes.
vindrel_unit_test(test_platform_processes
  SOURCES LinuxProcessServiceTest.cpp RealIeProcessesTest.cpp
  LIBS vindrel_ietools vindrel_platform_core)
# The built program ends every Internet Explorer process of this user while it loads a page, the
# stand-ins these tests start included: never run both at once.
set_tests_properties(test_platform_processes PROPERTIES RESOURCE_LOCK ie_processes)
