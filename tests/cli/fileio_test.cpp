#include "cli/escape.h"
#include "cli/fileio.h"
#include "formats/error.h"
#include "runcli.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace dorva::test {
namespace {

TEST(CliEscape, RoundTripsEveryByteSequence) {
    for (const std::string value : {"", "plain", "a\\b", "\r\n", "\\n", "x\\\\r\ny", "\\"})
        EXPECT_EQ(unescapeValue(escapeValue(value)), value) << value;
    EXPECT_EQ(escapeValue("a\\b\r\nc"), "a\\\\b\\r\\nc");
    for (const char* bad : {"\\", "a\\t", "\\x41", "end\\"})
        EXPECT_FALSE(unescapeValue(bad).has_value()) << bad;
}

TEST(CliFileIo, WriteReplacesThroughSymbolicLinks) {
    const TempFolder dir;
    const std::string target = dir.path("real.kit");
    const std::string link = dir.path("link.kit");
    testfiles::writeFile(target, "old");
    std::filesystem::create_symlink(target, link);
    writeFileAtomically(link, "new\r\n");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(testfiles::readFile(target), "new\r\n");
}

TEST(CliFileIo, ReadRefusesWhatIsNoFile) {
    EXPECT_THROW(readWholeFile("/dev/null/none"), Error);
    EXPECT_THROW(readWholeFile("/"), Error);
    const TempFolder dir;
    EXPECT_THROW(writeFileAtomically(dir.path("a") + "/", "x"), Error);
    const std::string empty = dir.path("empty.atr");
    testfiles::writeFile(empty, "");
    EXPECT_EQ(readWholeFile(empty), "");
}

} // namespace
} // namespace dorva::test
