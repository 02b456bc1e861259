#pragma once
#include "ProcessService.h"

// Processes read from /proc; ending pins the process with a pidfd first.
class LinuxProcessService : public ProcessService {
public:
    std::optional<std::vector<ProcessEntry>> Snapshot() override;
    void Terminate(std::uint32_t pid, const std::function<bool(const QString& exeName)>& stillWanted) override;
};
