#pragma once
#include "platform/system/ProcessService.h"

#include <algorithm>

// A process table a test fills in; Terminate removes a process when it is still wanted.
class FakeProcesses : public ProcessService {
public:
    std::vector<ProcessEntry> table;
    bool snapshotFails = false;
    std::vector<std::uint32_t> terminated;
    int snapshots = 0;
    bool lingering = false; // ended processes stay listed, as ones still dying do

    std::optional<std::vector<ProcessEntry>> Snapshot() override
    {
        ++snapshots;
        if (snapshotFails)
            return std::nullopt;
        return table;
    }
    void Terminate(std::uint32_t pid, const std::function<bool(const QString&)>& stillWanted) override
    {
        const auto it = std::find_if(table.begin(), table.end(), [pid](const auto& p) { return p.pid == pid; });
        if (it == table.end() || !stillWanted(it->exeName))
            return;
        terminated.push_back(pid);
        if (!lingering)
            table.erase(it);
    }
};
