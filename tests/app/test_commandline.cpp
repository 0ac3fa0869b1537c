#include "app/commandline.h"
#include "formats/version.h"

#include <gtest/gtest.h>

using dorva::parseCommandLine;

TEST(CommandLine, FilesBecomeAbsoluteAgainstTheStartFolder) {
    const struct {
        const char* name;
        QStringList arguments;
        QStringList files;
    } rows[] = {
        {"none", {"dorva"}, {}},
        {"relative, absolute and up a folder",
         {"dorva", "a.mis", "/x/b.kit", "../c.atr", "sub/./d.MIS"},
         {"/w/s/a.mis", "/x/b.kit", "/w/c.atr", "/w/s/sub/d.MIS"}},
        {"a name like an option after --", {"dorva", "--", "-v.kit"}, {"/w/s/-v.kit"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const dorva::CommandLine line = parseCommandLine(row.arguments, "/w/s");
        EXPECT_FALSE(line.exitCode.has_value());
        EXPECT_EQ(line.files, row.files);
    }
}

TEST(CommandLine, HelpVersionAndUsageErrorsOnlyPrint) {
    const struct {
        QStringList arguments;
        int exitCode;
        QString output; // a part of it
    } rows[] = {
        {{"dorva", "--version", "a.mis"}, 0, QString("dorva %1\n").arg(dorva::kVersion)},
        {{"dorva", "-v"}, 0, QString("dorva %1\n").arg(dorva::kVersion)},
        {{"dorva", "a.mis", "-h"}, 0, "[options] [FILE...]"},
        {{"dorva", "--help", "--bogus"}, 0, "--version"},
        {{"dorva", "--bogus", "a.mis"}, 2, "Unknown option 'bogus'"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        const dorva::CommandLine line = parseCommandLine(row.arguments, "/w/s");
        EXPECT_EQ(line.exitCode, row.exitCode);
        EXPECT_TRUE(line.output.contains(row.output)) << line.output.toStdString();
        EXPECT_TRUE(line.files.isEmpty());
    }
}
