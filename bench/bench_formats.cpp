// Time of the library's open and save of each file kind against a plain read and write of the
// same bytes, and the growth of every library operation with the file size.
#include "bench/inputs.h"
#include "bench/medians.h"
#include "bench/table.h"
#include "formats/actorfile.h"
#include "formats/doctext.h"
#include "formats/kitfile.h"
#include "formats/missionfile.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <iostream>
#include <malloc.h>

namespace dorva::bench {
namespace {

struct Kind {
    std::string name; // as in the table
    std::string file; // an input file of this kind
    // Open and save together may take at most this many times a read and a write; 0 for none.
    double target;
    // Loads a normalised text and saves it unedited; open and save run them separately.
    std::function<void(const std::string&)> load;
    std::function<std::string(const std::string&)> loadAndSave;
};

std::vector<Kind> kinds(const std::string& inputs) {
    const auto actorLoad = [](const std::string& t) { benchmark::DoNotOptimize(loadActor(t)); };
    const auto kitLoad = [](const std::string& t) { benchmark::DoNotOptimize(loadKit(t)); };
    const auto missionLoad = [](const std::string& t) { benchmark::DoNotOptimize(loadMission(t)); };
    const auto actorSave = [](const std::string& t) { return saveActor(loadActor(t)); };
    const auto kitSave = [](const std::string& t) { return saveKit(loadKit(t)); };
    const auto missionSave = [](const std::string& t) { return saveMission(loadMission(t), t); };
    return {
        {"actor", inputs + "/typical/typical.atr", 0, actorLoad, actorSave},
        {"kit", inputs + "/typical/typical.kit", 0, kitLoad, kitSave},
        {"mission", inputs + "/typical/typical.mis", 0, missionLoad, missionSave},
        {"mission 4 MiB, long briefing", inputs + "/big.mis", 5, missionLoad, missionSave},
        {"mission 4 MiB, object lines", inputs + "/objects.mis", 5, missionLoad, missionSave},
    };
}

void registerOpenAndSave(const Kind& kind, const std::string& out) {
    const std::string path = kind.file;
    const std::string bytes = readFile(path);
    benchmark::RegisterBenchmark(("read/" + kind.name).c_str(), [path](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(readFile(path));
    });
    benchmark::RegisterBenchmark(("open/" + kind.name).c_str(), [=](benchmark::State& state) {
        for (auto _ : state) {
            const DocText doc(readFile(path));
            kind.load(doc.text());
        }
    });
    benchmark::RegisterBenchmark(("write/" + kind.name).c_str(), [=](benchmark::State& state) {
        for (auto _ : state)
            writeFile(out, bytes);
    });
    // The saver's work for an unedited page: what open left in the fields goes back out.
    const std::string text = DocText(bytes).text();
    benchmark::RegisterBenchmark(("save/" + kind.name).c_str(), [=](benchmark::State& state) {
        for (auto _ : state)
            writeFile(out, kind.loadAndSave(text));
    });
    benchmark::RegisterBenchmark(("load/" + kind.name).c_str(), [=](benchmark::State& state) {
        for (auto _ : state)
            kind.load(text);
    });
}

// The input sizes of the growth figures: eight times apart.
constexpr std::size_t kSmall = 16 * 1024 * 1024;
constexpr std::size_t kLarge = 128 * 1024 * 1024;

// Twice the processor's last-level cache (32 MiB here). The small input with an operation's
// copy of it can fit in that cache, so that a run right after another would find it there and
// the larger input would pay trips to memory the smaller one is spared. Writing over this much
// memory before every run starts both from memory.
constexpr std::size_t kCacheFlush = 64 * 1024 * 1024;

void flushCaches(std::vector<char>& scratch) {
    for (std::size_t i = 0; i < scratch.size(); i += 64)
        ++scratch[i];
    benchmark::ClobberMemory();
}

// A growth figure's benchmark as it reports: the small input is worked on eight times a
// repetition and the large one once, the same amount of text, which takes long enough to time.
benchmark::IterationCount growthIterations(std::size_t size) {
    return static_cast<benchmark::IterationCount>(kLarge / size);
}

std::string growthName(const std::string& op, std::size_t size) {
    return op + "/" + std::to_string(size) +
           "/iterations:" + std::to_string(growthIterations(size));
}

// An operation of the library and how to make its input: make builds the input of a size and
// returns the work to time on it.
struct Operation {
    std::string name;
    std::function<std::function<void()>(std::size_t)> make;
};

template <class T> void keep(T&& value) {
    benchmark::DoNotOptimize(value);
}

std::vector<Operation> operations() {
    // Line breaks of every form, so that the normalisation has work to do.
    const auto mixedBreaks = [](std::size_t bytes) {
        std::string text;
        while (text.size() < bytes)
            text += "\t<Name>x</Name>\r\n\t\t<Coop>1</Coop>\n\t<Team>0</Team>\r";
        return text;
    };
    return {
        {"normalizeLineBreaks",
         [=](std::size_t n) {
             return [text = mixedBreaks(n)] { keep(normalizeLineBreaks(text)); };
         }},
        {"loadActor",
         [](std::size_t n) { return [text = largeActor(n)] { keep(loadActor(text)); }; }},
        {"saveActor",
         [](std::size_t n) {
             return [record = loadActor(largeActor(n))] { keep(saveActor(record)); };
         }},
        {"loadKit", [](std::size_t n) { return [text = largeKit(n)] { keep(loadKit(text)); }; }},
        {"saveKit",
         [](std::size_t n) { return [record = loadKit(largeKit(n))] { keep(saveKit(record)); }; }},
        {"loadMission",
         [](std::size_t n) { return [text = largeMission(n)] { keep(loadMission(text)); }; }},
        {"saveMission",
         [](std::size_t n) {
             const std::string text = largeMission(n);
             return [text, record = loadMission(text)] { keep(saveMission(record, text)); };
         }},
        {"loadMission, object lines",
         [](std::size_t n) { return [text = objectMission(n)] { keep(loadMission(text)); }; }},
        {"saveMission, object lines",
         [](std::size_t n) {
             const std::string text = objectMission(n);
             return [text, record = loadMission(text)] { keep(saveMission(record, text)); };
         }},
    };
}

void registerGrowth(const Operation& op) {
    for (const std::size_t size : {kSmall, kLarge}) {
        // The input is made afresh, untimed, for each repetition, so that only one is held.
        benchmark::RegisterBenchmark((op.name + "/" + std::to_string(size)).c_str(),
                                     [op, size](benchmark::State& state) {
                                         const std::function<void()> work = op.make(size);
                                         std::vector<char> scratch(kCacheFlush);
                                         // Untimed: grows the heap to what the work needs,
                                         // so that no timed run pays for fresh pages.
                                         work();
                                         for (auto _ : state) {
                                             state.PauseTiming();
                                             flushCaches(scratch);
                                             state.ResumeTiming();
                                             work();
                                         }
                                     })
            ->Iterations(growthIterations(size));
    }
}

} // namespace
} // namespace dorva::bench

int main(int argc, char** argv) {
    using namespace dorva::bench;
    // Every buffer comes from the heap and stays there, so that each iteration reuses the
    // memory of the one before: the figures count the work, not the page faults of the fresh
    // memory that a large buffer would otherwise take every time.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
    const std::vector<std::string> args = initializeInterleaved(argc, argv);
    if (args.size() != 1) {
        std::cerr << "usage: bench_formats [benchmark options] INPUT_FOLDER\n";
        return 2;
    }
    const std::string out = args[0] + "/written";
    const std::vector<Kind> allKinds = kinds(args[0]);
    for (const Kind& kind : allKinds)
        registerOpenAndSave(kind, out);
    const std::vector<Operation> ops = operations();
    for (const Operation& op : ops)
        registerGrowth(op);

    MedianCollector medians;
    benchmark::RunSpecifiedBenchmarks(&medians);
    benchmark::Shutdown();

    for (const Kind& kind : allKinds) {
        const std::string size = formatBytes(static_cast<double>(readFile(kind.file).size()));
        const double open = medians.seconds("open/" + kind.name);
        const double save = medians.seconds("save/" + kind.name);
        const double read = medians.seconds("read/" + kind.name);
        const double write = medians.seconds("write/" + kind.name);
        printTimeRow("Open " + kind.name + " (" + size + "), library", open, "read", read, 0);
        printTimeRow("Save " + kind.name + " (" + size + "), library", save, "write", write, 0);
        if (kind.target > 0)
            printTimeRow("Open and save " + kind.name + ", library", open + save, "read and write",
                         read + write, kind.target);
    }
    // Linear work: eight times the input may take at most twice eight times the time.
    for (const Operation& op : ops) {
        const double small = medians.seconds(growthName(op.name, kSmall));
        const double large = medians.seconds(growthName(op.name, kLarge));
        printTimeRow(op.name + " 128 MiB, vs 8 x 16 MiB", large, "8 x", 8 * small, 2.0);
    }
}
