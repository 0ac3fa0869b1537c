#include "app/fontconfigloader.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

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

} // namespace
