// Runs a command and its baseline command in turn, many times, and prints the median wall
// time of each with their ratio (and, when asked, their peak resident sizes) as table rows.
// Taking turns makes both meet the same load on a busy machine.
#include "bench/table.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample {
    double seconds;
    double peakBytes;
};

// Runs argv with its standard output discarded; standard error stays so failures show.
Sample runOnce(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& arg : command)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        std::exit(3);
    }
    if (pid == 0) {
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        execvp(argv[0], argv.data());
        std::perror(argv[0]);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::cerr << "bench_compare: " << command[0] << " failed with status " << status << "\n";
        std::exit(3);
    }
    return {std::chrono::duration<double>(end - start).count(),
            static_cast<double>(usage.ru_maxrss) * 1024};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int usage() {
    std::cerr << "usage: bench_compare [--runs N] [--target RATIO] [--rss FIGURE] "
                 "[--rss-target RATIO] FIGURE BASELINE_NAME -- COMMAND... --vs "
                 "BASELINE_COMMAND...\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    using namespace dorva::bench;
    int runs = 20;
    double target = 0;
    double rssTarget = 0;
    std::string rssFigure;
    std::vector<std::string> names;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (arg == "--target" && i + 1 < argc)
            target = std::atof(argv[++i]);
        else if (arg == "--rss" && i + 1 < argc)
            rssFigure = argv[++i];
        else if (arg == "--rss-target" && i + 1 < argc)
            rssTarget = std::atof(argv[++i]);
        else
            names.push_back(arg);
    }
    std::vector<std::string> command;
    std::vector<std::string> baseline;
    bool inBaseline = false;
    for (++i; i < argc; ++i) {
        if (std::strcmp(argv[i], "--vs") == 0)
            inBaseline = true;
        else
            (inBaseline ? baseline : command).push_back(argv[i]);
    }
    if (names.size() != 2 || command.empty() || baseline.empty() || runs < 1)
        return usage();

    // One untimed run of each fills the caches with the program and its input files.
    runOnce(command);
    runOnce(baseline);
    std::vector<double> times[2];
    std::vector<double> peaks[2];
    for (int run = 0; run < runs; ++run) {
        // Alternate who goes first, so neither always follows the other's footprint.
        for (int k = 0; k < 2; ++k) {
            const int which = (run + k) % 2;
            const Sample s = runOnce(which == 0 ? command : baseline);
            times[which].push_back(s.seconds);
            peaks[which].push_back(s.peakBytes);
        }
    }
    printTimeRow(names[0], median(times[0]), names[1], median(times[1]), target);
    if (!rssFigure.empty())
        printRatioRow(rssFigure, median(peaks[0]), names[1], median(peaks[1]), rssTarget,
                      formatBytes);
}
