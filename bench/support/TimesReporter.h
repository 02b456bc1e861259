#pragma once
#include <benchmark/benchmark.h>

#include <map>
#include <string>

// Prints the runs as the console does and keeps each one's real time per iteration, in its own
// unit, by its full name ("BM_Close/1000000"), for the figures a benchmark prints at its end.
class TimesReporter : public benchmark::ConsoleReporter {
public:
    TimesReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times_[run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args)] =
                run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    // 0 when that benchmark did not run.
    double Time(const std::string& name) const
    {
        const auto found = times_.find(name);
        return found == times_.end() ? 0 : found->second;
    }

private:
    std::map<std::string, double> times_;
};
