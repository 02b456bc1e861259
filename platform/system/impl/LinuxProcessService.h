#pragma once
#include "platform/system/ProcessService.h"

#include <sys/types.h>

// Processes read from /proc: only the live ones of the user running the program (same real user
// id, root included), as another user's processes may not be ended. Ending pins the process with
// a pidfd first.
class LinuxProcessService : public ProcessService {
public:
    // procRoot: where the process table is mounted; other roots serve tests only.
    explicit LinuxProcessService(QString procRoot = QStringLiteral("/proc"));

    std::optional<std::vector<ProcessEntry>> Snapshot() override;
    void Terminate(std::uint32_t pid, const std::function<bool(const QString& exeName)>& stillWanted) override;

private:
    QString procRoot_;
    uid_t user_;
};
