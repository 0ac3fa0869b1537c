#include "controls/dialogs.h"

#include <gtest/gtest.h>

TEST(ErrorBoxText, AddsAPeriodUnlessTheTextEndsAtOrBelowIt) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"ファイル a.atr は開けません", "ファイル a.atr は開けません."},
        {"ends with period.", "ends with period."},
        {"ends with comma,", "ends with comma,"},
        {"ends with slash/", "ends with slash/."},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dorva::errorBoxText(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown))
            << c.message;
}

TEST(QtFilter, TurnsPairsIntoQtFilters) {
    EXPECT_EQ(dorva::toQtFilter("Actor File(*.atr)|*.atr|All File(*.*)|*.*"),
              "Actor File(*.atr) (*.atr);;All File(*.*) (*.*)");
    EXPECT_EQ(dorva::toQtFilter("Kit File(*.kit)|*.kit"), "Kit File(*.kit) (*.kit)");
    EXPECT_EQ(dorva::toQtFilter("Images|*.rsb;*.bmp"), "Images (*.rsb *.bmp)");
}
