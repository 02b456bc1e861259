#pragma once
#include "ProcessService.h"

// Processes read from /proc; ending pins the process with a pidfd first.
class LinuxProcessService : public ProcessService {
public:
    // procRoot: where the process table is mounted; other roots serve tests only.
    explicit LinuxProcessService(QString procRoot = QStringLiteral("/proc"));

    std::optional<std::vector<ProcessEntry>> Snapshot() override;
    void Terminate(std::uint32_t pid, const std::function<bool(const QString& exeName)>& stillWanted) override;

private:
    QString procRoot_;
};
