#include "app/shortcutlist.h"
#include "shelltesting.h"

#include <gtest/gtest.h>
#include <string>

using namespace dorva;

TEST(ShortcutList, SplitsAtEveryKindOfLineEnd) {
    const struct {
        std::string bytes;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\n\r\nb\n", {"a", "", "b"}},
        {"\r\n", {""}},
        {"a\n\n", {"a", ""}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\n\n\rb", {"a", "", "", "b"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseShortcutLines(c.bytes), c.lines) << "bytes '" << c.bytes << "'";
}

TEST(ShortcutList, ReadsCodePage932) {
    // The second byte of "ソ" is the backslash byte; it must stay part of the character.
    const std::string bytes = "C:\\\x83\x5c\x83\x74\x83\x67\\*.atr\r\n\x83\x51\x81\x5b\x83\x80";
    EXPECT_EQ(parseShortcutLines(bytes),
              QStringList({QString::fromUtf8("C:\\ソフト\\*.atr"), QString::fromUtf8("ゲーム")}));
}

TEST(ShortcutList, ReadsTheFileOrNothing) {
    TempFolder temp;
    temp.file("shortcut.ini", "/mods\r\n\r\n/games/*.kit\r\n");
    EXPECT_EQ(readShortcutFile(bytesOf(temp.path("shortcut.ini"))),
              QStringList({"/mods", "", "/games/*.kit"}));
    EXPECT_TRUE(readShortcutFile(bytesOf(temp.path("missing.ini"))).isEmpty());
}
