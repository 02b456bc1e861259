#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

struct ProcessEntry {
    std::uint32_t pid = 0;
    QString exeName; // as the process gives it (argv[0], or its comm when argv is empty)
};

class ProcessService {
public:
    virtual ~ProcessService() = default;
    // Every running process the program may end, in ascending id order; one that has ended is
    // not listed. nullopt when no snapshot can be taken.
    virtual std::optional<std::vector<ProcessEntry>> Snapshot() = 0;
    // Ends the process at once, but only if, once pinned, its name still satisfies stillWanted
    // (an id can be reused between a listing and the ending). Missing or not permitted: nothing.
    virtual void Terminate(std::uint32_t pid, const std::function<bool(const QString& exeName)>& stillWanted) = 0;
};
