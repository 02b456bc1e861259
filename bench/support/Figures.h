#pragma once
#include "TimesReporter.h"

#include <cstdio>
#include <string>
#include <vector>

// One figure of a benchmark against its floor: the time of `measured` divided by the time of
// `floor`, a ratio; or, with no floor benchmark, the value itself in `unit` (a time in ms, a
// counter such as "BM_Rewrite:peak_rss_MB" in MB) beside its target.
struct Figure {
    std::string what;     // what is measured, as the table names it
    std::string against;  // the floor, in words
    std::string measured; // benchmark names as TimesReporter keeps them ("BM_Scan/4000")
    std::string floor;    // empty: `measured`'s own value is the figure
    double target;        // at most this
    std::string unit = "x";
};

// The figures of a benchmark whose entry is BenchMain, defined beside its benchmarks.
extern const std::vector<Figure> kFigures;

// Each figure as one line "figure|what|against|value|target|unit", which scripts/bench.sh
// gathers into its closing table; a figure whose benchmarks did not run is left out.
inline void PrintFigures(const TimesReporter& reporter, const std::vector<Figure>& figures)
{
    for (const Figure& f : figures) {
        const double measured = reporter.Value(f.measured);
        const double floor = f.floor.empty() ? 1 : reporter.Value(f.floor);
        if (measured > 0 && floor > 0)
            std::printf("figure|%s|%s|%.2f|%g|%s\n", f.what.c_str(), f.against.c_str(), measured / floor, f.target,
                        f.unit.c_str());
    }
    std::fflush(stdout);
}
