#include "LinuxProcessService.h"

std::optional<std::vector<ProcessEntry>> LinuxProcessService::Snapshot() { return std::vector<ProcessEntry>{}; }
void LinuxProcessService::Terminate(std::uint32_t, const std::function<bool(const QString&)>&) {}
