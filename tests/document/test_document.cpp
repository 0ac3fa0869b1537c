#include "document/document.h"
#include "document/fields.h"
#include "document/kind.h"
#include "formats/error.h"
#include "tempfolder.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <utime.h>

namespace dorva::test {
namespace {

using testfiles::crlf;
using testfiles::readFile;
using testfiles::writeFile;

const Field& fieldOf(Kind kind, const char* key) {
    const Field* field = findField(kind, key);
    EXPECT_NE(field, nullptr) << key;
    return *field;
}

const std::string kMission =
    crlf({"<MissionFile>", "\t<MapName>Dam</MapName>", "\t<Name>Old</Name>", "</MissionFile>"});

TEST(DocumentKind, FollowsTheExtensionInAnyLetterCase) {
    EXPECT_EQ(kindFromExtension("/a/b/M01.MIS"), Kind::Mission);
    EXPECT_EQ(kindFromExtension("hero.Atr"), Kind::Actor);
    EXPECT_EQ(kindFromExtension("x.kit"), Kind::Kit);
    for (const char* other : {"kit", "a.kit.bak", "dir.kit/file", ".mis/x", "a.mi"})
        EXPECT_EQ(kindFromExtension(other), std::nullopt) << other;
}

// Only the exact mask of a kind's page names the kind.
TEST(DocumentKind, FollowsTheFileListMaskExactly) {
    EXPECT_EQ(kindFromFileMask("*.atr"), Kind::Actor);
    EXPECT_EQ(kindFromFileMask("*.kit"), Kind::Kit);
    EXPECT_EQ(kindFromFileMask("*.mis"), Kind::Mission);
    for (const char* other : {"*.*", "*.KIT", "*.atr;*.mis", "k1.kit", "*.mis ", ""})
        EXPECT_EQ(kindFromFileMask(other), std::nullopt) << other;
}

TEST(Document, OpensAllOrNothing) {
    const TempFolder dir;
    writeFile(dir.path("m.mis"), kMission);
    const Document mission = Document::open(Kind::Mission, dir.path("m.mis"));
    EXPECT_EQ(mission.path(), dir.path("m.mis"));
    EXPECT_EQ(mission.mission().name, "Old");
    EXPECT_FALSE(mission.modified());

    writeFile(dir.path("bad.mis"), "<MapSize>x</MapSize>");
    EXPECT_THROW(Document::open(Kind::Mission, dir.path("bad.mis")), Error);
    EXPECT_THROW(Document::open(Kind::Kit, dir.path("none.kit")), Error);
}

// A document opened only to read shows what an open one shows, of every kind and also when its
// briefing is most of the file, and never saves a mission without its text.
TEST(Document, OpenedToReadShowsTheSameValuesAndCannotBeSaved) {
    const TempFolder dir;
    writeFile(dir.path("m.mis"), kMission);
    writeFile(dir.path("long.mis"), "<MissionFile>\r\n\t<Wind>2</Wind>\r\n\t<BriefingText>" +
                                        std::string(4000, 'b') +
                                        "\r\nend</BriefingText>\r\n</MissionFile>\r\n");
    writeFile(dir.path("a.atr"), Document(Kind::Actor).output());
    writeFile(dir.path("k.kit"), Document(Kind::Kit).output());
    for (const char* name : {"m.mis", "long.mis", "a.atr", "k.kit"}) {
        const Kind kind = *kindFromExtension(name);
        const Document open = Document::open(kind, dir.path(name));
        const Document read = Document::openToRead(kind, dir.path(name));
        for (const Field& field : fieldsOf(kind))
            EXPECT_EQ(read.text(field), open.text(field)) << name << " " << field.key;
        EXPECT_FALSE(read.canSaveAs()) << name;
        EXPECT_FALSE(read.modified()) << name;
        EXPECT_THROW(read.output(), std::logic_error) << name;
    }
    EXPECT_THROW(Document::openToRead(Kind::Mission, dir.path("none.mis")), Error);
}

// Modified means: a save would write something else than right after the last open or save.
TEST(Document, ModifiedFollowsWhatASaveWouldWrite) {
    const TempFolder dir;
    // A mission the saver completes (it adds missing elements) is not modified when opened.
    writeFile(dir.path("m.mis"), kMission);
    Document mission = Document::open(Kind::Mission, dir.path("m.mis"));
    ASSERT_NE(mission.output(), kMission);
    EXPECT_FALSE(mission.modified());
    const Field& name = fieldOf(Kind::Mission, "Name");
    mission.setText(name, "New");
    EXPECT_TRUE(mission.modified());
    mission.setText(name, "Old");
    EXPECT_FALSE(mission.modified());
    mission.setText(name, "New");
    mission.save();
    EXPECT_FALSE(mission.modified());
    EXPECT_EQ(readFile(dir.path("m.mis")), mission.output());

    // A fresh actor is modified once an edit changes what Save as would write.
    Document actor(Kind::Actor);
    EXPECT_FALSE(actor.modified());
    actor.setText(fieldOf(Kind::Actor, "ScaleX"), "1");
    EXPECT_TRUE(actor.modified());
    actor.setText(fieldOf(Kind::Actor, "ScaleX"), "");
    EXPECT_FALSE(actor.modified());

    // A mission without a file can never be saved, so it never counts as modified.
    Document fresh(Kind::Mission);
    fresh.setText(name, "x");
    EXPECT_FALSE(fresh.modified());
}

// A one-shot command's document keeps no saved state, yet saves exactly what a tracked one does.
TEST(Document, WithoutTrackingSavesTheSameAndCountsAsModified) {
    const TempFolder dir;
    writeFile(dir.path("m.mis"), kMission);
    const Field& name = fieldOf(Kind::Mission, "Name");
    Document tracked = Document::open(Kind::Mission, dir.path("m.mis"));
    Document untracked = Document::open(Kind::Mission, dir.path("m.mis"), Document::Tracking::None);
    EXPECT_TRUE(untracked.modified());
    for (Document* document : {&tracked, &untracked})
        document->setText(name, "New");
    untracked.saveAs(dir.path("u.mis"));
    EXPECT_EQ(readFile(dir.path("u.mis")), tracked.output());
    EXPECT_TRUE(untracked.modified());

    // Only the file's size and time tell a change on disk.
    EXPECT_FALSE(untracked.changedOnDisk());
    writeFile(dir.path("u.mis"), kMission);
    EXPECT_TRUE(untracked.changedOnDisk());
}

TEST(Document, TextCodePage932CannotHoldStopsTheSaveNamingTheField) {
    const TempFolder dir;
    Document actor(Kind::Actor);
    const Field& weapon = fieldOf(Kind::Actor, "Weapon");
    actor.setText(weapon, "12");
    actor.setText(weapon, "1\u2603");
    EXPECT_EQ(actor.text(weapon), "1\u2603");
    EXPECT_EQ(actor.actor()[ActorElement::Weapon], "12");
    EXPECT_TRUE(actor.modified());
    try {
        actor.saveAs(dir.path("a.atr"));
        ADD_FAILURE() << "saved";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Actor ページの Weapon の文字 '\u2603' はコードページ 932 で書けません");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path("a.atr")));
    EXPECT_FALSE(actor.hasFile());

    // A rule that empties the field takes the typed text with it.
    Document kit(Kind::Kit);
    const Field& item2 = fieldOf(Kind::Kit, "Item2");
    kit.setText(item2, "\u2603.gun");
    fieldOf(Kind::Kit, "ExtraAmmo").set(kit, "1");
    EXPECT_EQ(kit.text(item2), "");
    EXPECT_NO_THROW(kit.output());
}

TEST(Document, KnowsWhenItsFileChangedOnDisk) {
    const TempFolder dir;
    const std::string path = dir.path("m.mis");
    writeFile(path, kMission);
    Document mission = Document::open(Kind::Mission, path);
    EXPECT_FALSE(mission.changedOnDisk());

    // Touched with the same bytes: no change.
    const utimbuf later{2000000000, 2000000000};
    ::utime(path.c_str(), &later);
    EXPECT_FALSE(mission.changedOnDisk());

    writeFile(path, kMission + "\r\n");
    EXPECT_TRUE(mission.changedOnDisk());
    mission.save();
    EXPECT_FALSE(mission.changedOnDisk());
    std::filesystem::remove(path);
    EXPECT_TRUE(mission.changedOnDisk());
    EXPECT_FALSE(Document(Kind::Kit).changedOnDisk());
}

} // namespace
} // namespace dorva::test
