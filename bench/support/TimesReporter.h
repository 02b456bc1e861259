#pragma once
#include <benchmark/benchmark.h>

#include <map>
#include <string>

// Prints the runs as the console does and keeps each one's real time per iteration, in its own
// unit, by its full name ("BM_Close/1000000"), and its counters ("BM_Rewrite:peak_rss_MB"), for
// the figures a benchmark prints at its end.
class TimesReporter : public benchmark::ConsoleReporter {
public:
    TimesReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const std::string name = run.run_name.function_name
                                   + (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
            times_[name] = run.GetAdjustedRealTime();
            for (const auto& [counter, value] : run.counters)
                times_[name + ":" + counter] = value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    // A time, or with ":counter" a counter's value; 0 when that benchmark did not run.
    double Value(const std::string& name) const
    {
        const auto found = times_.find(name);
        return found == times_.end() ? 0 : found->second;
    }

private:
    std::map<std::string, double> times_;
};
