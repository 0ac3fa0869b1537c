#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <string>

namespace dorva {

// Guards that loading and saving take time in step with the input: eight times the input may
// take at most thirty-two times as long, half of what quadratic work would take. The margin is
// wide because the large input no longer fits the processor's caches, and a busy machine shares
// them. Counts processor time of this process only and keeps the best of three runs.
inline void expectLinearTime(const std::function<std::string(std::size_t bytes)>& makeInput,
                             const std::function<std::string(const std::string&)>& loadAndSave) {
    const std::string smallText = makeInput(512 * 1024);
    const std::string largeText = makeInput(4 * 1024 * 1024);
    const auto seconds = [&](const std::string& text) {
        const std::clock_t start = std::clock();
        const std::string saved = loadAndSave(text);
        const double took = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        EXPECT_GT(saved.size(), text.size() / 4);
        return took;
    };
    double small = 1e9;
    double large = 1e9;
    for (int run = 0; run < 3; ++run) {
        small = std::min(small, seconds(smallText));
        large = std::min(large, seconds(largeText));
    }
    EXPECT_LT(large, 32 * small) << small << " s vs " << large << " s";
    ::testing::Test::RecordProperty("seconds",
                                    std::to_string(small) + " vs " + std::to_string(large));
}

} // namespace dorva
