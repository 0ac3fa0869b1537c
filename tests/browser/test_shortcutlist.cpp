#include "browser/shortcutlist.h"
#include "shelltesting.h"

#include "formats/error.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

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

// What Linux editors write, UTF-8, is told from code page 932 by being valid UTF-8 and not ASCII.
TEST(ShortcutList, ReadsUtf8OrElseCodePage932) {
    const QStringList expected = {QString::fromUtf8("C:\\ソフト\\*.atr"),
                                  QString::fromUtf8("ゲーム")};
    const std::string utf8 = "C:\\ソフト\\*.atr\r\nゲーム";
    // The second byte of "ソ" is the backslash byte; it must stay part of the character.
    const std::string cp932 = "C:\\\x83\x5c\x83\x74\x83\x67\\*.atr\r\n\x83\x51\x81\x5b\x83\x80";
    EXPECT_EQ(parseShortcutLines(cp932), expected);
    EXPECT_EQ(parseShortcutLines(utf8), expected);
    EXPECT_EQ(parseShortcutLines("\xEF\xBB\xBF" + utf8), expected);
}

TEST(ShortcutList, ReadsTheFileOrNothing) {
    TempFolder temp;
    temp.file("shortcut.ini", "/mods\r\n\r\n/games/*.kit\r\n");
    EXPECT_EQ(readShortcutFile(bytesOf(temp.path("shortcut.ini"))),
              QStringList({"/mods", "", "/games/*.kit"}));
    EXPECT_TRUE(readShortcutFile(bytesOf(temp.path("missing.ini"))).isEmpty());
}

// Only a regular file of up to 1 MiB is read: a FIFO would stop start-up until someone writes
// to it, and /dev/zero never ends.
TEST(ShortcutList, RefusesAnythingButASmallRegularFile) {
    TempFolder temp;
    ASSERT_EQ(mkfifo(bytesOf(temp.path("fifo.ini")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", temp.path("zero.ini")));
    temp.folder("folder.ini");
    temp.file("large.ini", QByteArray(kMaxShortcutFileSize + 1, '/'));
    for (const char* name : {"fifo.ini", "zero.ini", "folder.ini", "large.ini"}) {
        try {
            readShortcutFile(bytesOf(temp.path(name)));
            ADD_FAILURE() << "no error for " << name;
        } catch (const Error& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()),
                      QString::fromUtf8("ファイル %1 は開けません").arg(temp.path(name)));
        }
    }
}
