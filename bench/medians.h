#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace dorva::bench {

// Shows the usual console report on standard error and keeps, for each benchmark, the median
// processor time per iteration over its repetitions, so that a program can set a figure
// beside its baseline afterwards.
class MedianCollector : public benchmark::ConsoleReporter {
public:
    MedianCollector();
    void ReportRuns(const std::vector<Run>& runs) override;
    // Seconds per iteration of the named benchmark; throws when it did not run.
    double seconds(const std::string& name) const;

private:
    std::map<std::string, double> medians_;
};

// Takes the benchmark options out of the arguments and returns the rest (without the program
// name). Every benchmark runs 5 times in random order with the others, so that slow phases of
// a busy machine fall on figures and baselines alike.
std::vector<std::string> initializeInterleaved(int argc, char** argv);

} // namespace dorva::bench
