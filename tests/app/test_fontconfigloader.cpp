#include "app/fontconfigloader.h"

#include <cstdio>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// The program may end before it waits (a wrong option on the command line): the loader must
// still end its thread, or the process would abort on the way out.
TEST(FontConfigLoader, EndsItsThreadWhetherOrNotItWasWaitedFor) {
    EXPECT_EXIT(
        {
            { const dorva::FontConfigLoader fonts; }
            dorva::FontConfigLoader fonts;
            fonts.wait();
            fonts.wait();
            std::exit(FcConfigGetCurrent() != nullptr ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

// Starts the loader where no thread can be made: the address space is limited to what the
// process uses, so no thread stack can be mapped. The limit is lifted again before the
// configuration is asked for.
[[noreturn]] void loadWithoutAThread() {
    rlimit limit{};
    long pages = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm || std::fscanf(statm, "%ld", &pages) != 1 || getrlimit(RLIMIT_AS, &limit) != 0)
        std::exit(2);
    std::fclose(statm);
    const rlim_t unlimited = limit.rlim_cur;
    limit.rlim_cur = static_cast<rlim_t>(pages + 64) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
    if (setrlimit(RLIMIT_AS, &limit) != 0)
        std::exit(2);
    {
        dorva::FontConfigLoader fonts;
        fonts.wait();
    }
    limit.rlim_cur = unlimited;
    setrlimit(RLIMIT_AS, &limit);
    std::exit(FcConfigGetCurrent() != nullptr ? 0 : 1);
}

// Where no thread can be started, the program still starts; the configuration is then loaded
// when first asked for.
TEST(FontConfigLoader, StartsWithoutAThreadWhereNoneCanBeMade) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer makes threads its own way";
#endif
    EXPECT_EXIT(loadWithoutAThread(), testing::ExitedWithCode(0), "");
}

} // namespace
