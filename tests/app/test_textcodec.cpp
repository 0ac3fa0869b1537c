#include "controls/textcodec.h"

#include <gtest/gtest.h>

// Every byte pair's round trip is checked through the briefing dialog, which uses both ways.
TEST(TextCodec, JapaneseTextReadsAsJapanese) {
    EXPECT_EQ(dorva::toQString("\x83\x7e\x83\x56\x83\x87\x83\x93"), QString::fromUtf8("ミション"));
}

TEST(TextCodec, CharacterMissingFromCodePageNamesTheField) {
    try {
        dorva::toBytes(QString::fromUtf8("a\u20acb"), "Briefing Text");
        FAIL() << "no error";
    } catch (const std::exception& e) {
        EXPECT_NE(std::string(e.what()).find("Briefing Text"), std::string::npos) << e.what();
    }
}
