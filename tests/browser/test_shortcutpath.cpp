#include "browser/shortcutpath.h"
#include "formats/error.h"
#include "shelltesting.h"

#include <gtest/gtest.h>

using namespace dorva;

namespace {

class ShortcutPath : public ::testing::Test {
protected:
    void SetUp() override {
        temp.file("mods/m01.mis");
        temp.file("mods/Soldier.ATR");
        temp.file("mods/.hidden.atr");
        temp.file("cur/sub/k.kit");
        temp.folder("home/games");
        temp.folder("mods/ソフト/v1.2");
    }

    ShortcutTarget resolve(const QString& entry) {
        return resolveShortcut(entry, bytesOf(temp.path("cur")), bytesOf(temp.path("home")));
    }

    TempFolder temp;
};

} // namespace

TEST_F(ShortcutPath, SplitsIntoFolderMaskAndFile) {
    const QString root = temp.path();
    // Folders are relative to the temporary folder; "cur" is the current folder, "home" the home.
    const struct {
        const char* entry;
        const char* folder;
        const char* mask;
        const char* file;
    } cases[] = {
        {"@/mods", "mods", "", ""},
        {"@/mods/", "mods", "", ""},
        {"@/mods/*.kit", "mods", "*.kit", ""},
        {"@/mods/m??.*", "mods", "m??.*", ""},
        {"@/mods/m01.mis", "mods", "", "m01.mis"},
        {"@\\mods\\Soldier.ATR", "mods", "", "Soldier.ATR"},
        {"@\\mods\\ソフト\\v1.2", "mods/ソフト/v1.2", "", ""},
        {"sub", "cur/sub", "", ""},
        {"sub\\k.kit", "cur/sub", "", "k.kit"},
        {"*.atr", "cur", "*.atr", ""},
        {"..\\mods\\.\\*.mis", "mods", "*.mis", ""},
        {"..", "", "", ""},
        {"~", "home", "", ""},
        {"~/games", "home/games", "", ""},
        {"~\\games\\*.kit", "home/games", "*.kit", ""},
    };
    for (const auto& c : cases) {
        const QString entry = QString::fromUtf8(c.entry).replace("@", root);
        const QString folder = QString::fromUtf8(c.folder);
        const ShortcutTarget target = resolve(entry);
        EXPECT_EQ(target.folder, bytesOf(folder.isEmpty() ? root : root + "/" + folder)) << c.entry;
        EXPECT_EQ(target.mask, QString::fromUtf8(c.mask)) << c.entry;
        EXPECT_EQ(target.file, QByteArray(c.file)) << c.entry;
    }
}

TEST_F(ShortcutPath, RejectsWhatItCannotReach) {
    const struct {
        const char* entry;
        const char* message;
    } cases[] = {
        {"@/nowhere", "ファイルが見つかりません"},
        {"@/nowhere/*.atr", "ファイルが見つかりません"},
        {"@/nowhere/m01.mis", "ファイルが見つかりません"},
        {"@/mods/m01.mis/*.atr", "ファイルが見つかりません"},
        {"C:\\Games\\Mods", "ファイルが見つかりません"},
        {"@/mods/missing.mis", "不正なファイル名 - @/mods/missing.mis"},
        {"@/mods/.hidden.atr", "不正なファイル名 - @/mods/.hidden.atr"},
        {"@/mo*/m01.mis", "不正なファイル名です"},
        {"@/mods\t/m01.mis", "不正なファイル名です"},
    };
    const QString root = temp.path();
    for (const auto& c : cases) {
        const QString entry = QString::fromUtf8(c.entry).replace("@", root);
        try {
            resolve(entry);
            ADD_FAILURE() << "no error for " << c.entry;
        } catch (const Error& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()), QString::fromUtf8(c.message).replace("@", root));
        }
    }
}
