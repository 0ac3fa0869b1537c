#include "controls/textcodec.h"

#include <gtest/gtest.h>

// Every one- and two-byte sequence survives the trip to a widget's text and back.
TEST(TextCodec, EveryBytePairRoundTrips) {
    int failures = 0;
    for (int first = 0; first < 256; ++first) {
        for (int second = -1; second < 256; ++second) {
            std::string bytes(1, char(first));
            if (second >= 0)
                bytes += char(second);
            const std::string back = dorva::toBytes(dorva::toQString(bytes), "Field");
            if (back != bytes && ++failures < 10)
                ADD_FAILURE() << "bytes " << first << " " << second;
        }
    }
    EXPECT_EQ(failures, 0);
}

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
