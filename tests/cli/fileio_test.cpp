#include "cli/escape.h"
#include "cli/shownvalue.h"
#include "escapedvalue.h"
#include "formats/codec.h"
#include "runcli.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace dorva::test {
namespace {

namespace fs = std::filesystem;

TEST(CliEscape, RoundTripsEveryByteSequence) {
    for (const std::string value : {"", "plain", "a\\b", "\r\n", "\\n", "x\\\\r\ny", "\\"})
        EXPECT_EQ(unescapeValue(escapeValue(value)), value) << value;
    EXPECT_EQ(escapeValue("a\\b\r\nc"), "a\\\\b\\r\\nc");
    for (const char* bad : {"\\", "a\\t", "\\x41", "end\\"})
        EXPECT_FALSE(unescapeValue(bad).has_value()) << bad;
}

// A long value goes out in pieces; cutting it never splits a double-byte character, also where
// one stands across where a piece would end.
TEST(CliEscape, LongValuesComeOutAsWholeValuesDo) {
    for (const std::size_t lead : {32767u, 32766u, 40000u}) {
        std::string value(lead, 'A');
        for (int i = 0; value.size() < 200000; ++i) {
            value += "\x83\x65\x83\x58\x83\x67"; // double-byte characters, trail bytes in ASCII
            value += i % 97 == 0 ? "\r\n" : i % 89 == 0 ? "\\ " : "@";
            if (i % 11 == 0)
                value += "\x81"; // a lone first byte
        }
        std::ostringstream out;
        writeShownValue(out, value);
        EXPECT_TRUE(out.str() == escapeValue(cp932ToUtf8(value))) << lead;
    }
}

// An output that is no regular file is refused, and stays what it was.
TEST(CliWrite, RefusesOutputsThatAreNoRegularFiles) {
    const TempFolder dir;
    const std::string fifo = dir.path("pipe.kit");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink("/proc/self/fd/1", dir.path("out.kit"));
    for (const std::string& out : {fifo, dir.path("out.kit"), std::string("/dev/null")}) {
        SCOPED_TRACE(out);
        const CliResult r = runCli({"new", "kit", "-o", out, "KitTexture=t.rsb"});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, out + ": ファイル " + out + " を作成できません.\n");
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_symlink(dir.path("out.kit")));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

class CliWritePermissions : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() == 0)
            GTEST_SKIP() << "root may write anything; run as a normal user to test permissions";
    }
};

TEST_F(CliWritePermissions, AReadOnlyFileIsRefusedAndAFileInALockedFolderSaved) {
    const TempFolder dir;
    const std::string readOnly = dir.path("ro.kit");
    fs::copy_file(dataFile("rifle.kit"), readOnly);
    ::chmod(readOnly.c_str(), 0444);
    const CliResult refused = runCli({"set", readOnly, "Count1=5"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, readOnly + ": ファイル " + readOnly + " を作成できません.\n");
    EXPECT_EQ(testfiles::readFile(readOnly), testfiles::readFile(dataFile("rifle.kit")));

    fs::create_directory(dir.path("game"));
    const std::string shared = dir.path("game/rifle.kit");
    fs::copy_file(dataFile("rifle.kit"), shared);
    ::chmod(dir.path("game").c_str(), 0555);
    EXPECT_EQ(runCli({"set", shared, "Count1=5"}).exitCode, 0);
    EXPECT_EQ(shownValue(runCli({"show", shared}).out, "Count1"), "5");
}

} // namespace
} // namespace dorva::test
