#include "bench/medians.h"

#include <iostream>
#include <stdexcept>

namespace dorva::bench {

MedianCollector::MedianCollector() {
    SetOutputStream(&std::cerr);
    SetErrorStream(&std::cerr);
}

void MedianCollector::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.aggregate_name == "median")
            medians_[run.run_name.str()] =
                run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
}

double MedianCollector::seconds(const std::string& name) const {
    const auto it = medians_.find(name);
    if (it == medians_.end())
        throw std::runtime_error("no result for benchmark " + name);
    return it->second;
}

std::vector<std::string> initializeInterleaved(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=5";
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    args.insert(args.begin() + 1, {repetitions.data(), interleave.data(), aggregates.data()});
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    return std::vector<std::string>(args.begin() + 1, args.begin() + count);
}

} // namespace dorva::bench
