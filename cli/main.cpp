#include "cli/commands.h"
#include "cli/help.h"
#include "formats/version.h"

#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv) {
    using namespace dorva;
    const std::string allKeys =
        keyListHelp(Kind::Actor) + keyListHelp(Kind::Kit) + keyListHelp(Kind::Mission);
    const std::string values = valueHelp();
    const std::string tables = tableHelp();
    const std::string kindHelp =
        "The kind follows the extension (.atr, .kit, .mis in any letter case) unless --kind "
        "names it.";

    const std::string diffs = diffHelp();

    CLI::App app{"Shows, edits, creates, checks and compares DORVA Actor (.atr), Kit (.kit) and "
                 "Mission (.mis) files, and edits many at once through a CSV table.",
                 "dorva-cli"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("dorva-cli ") + kVersion);
    app.footer("Exit codes: 0 success, 1 a load, value, table or write error, 2 a usage error; "
               "diff's are those of diff(1).\n" +
               kindHelp + "\n\n" + values + "\n" + tables + "\n" + diffs + "\nKeys:\n" + allKeys);

    std::string file;
    std::string output;
    std::string kind;
    bool json = false;
    bool dryRun = false;
    std::vector<std::string> assignments;
    std::vector<std::string> files;

    CLI::App* show = app.add_subcommand("show", "Print the values the editor shows for FILE, one "
                                                "KEY=VALUE a line, in key order");
    show->add_flag("--json", json, "Print one JSON object of strings instead");
    show->add_option("--kind", kind, "actor, kit or mission");
    show->add_option("FILE", file, "The file to show")->required();
    show->footer(kindHelp + "\n\n" + values + "\nKeys:\n" + allKeys);

    CLI::App* set = app.add_subcommand(
        "set", "Open FILE, apply KEY=VALUE in the order given and save it as the editor does");
    set->add_option("-o,--output", output, "Write to OUT instead of replacing FILE");
    set->add_option("--kind", kind, "actor, kit or mission");
    set->add_option("FILE", file, "The file to edit")->required();
    set->add_option("KEY=VALUE", assignments, "Values to put into the fields");
    set->footer("Nothing is written when any value fails. " + kindHelp + "\n\n" + values +
                "\nKeys:\n" + allKeys);

    CLI::App* create =
        app.add_subcommand("new", "Save a fresh actor or kit page, with the given values, to OUT");
    create->add_option("KIND", kind, "actor or kit (a mission needs an existing file)")->required();
    create->add_option("-o,--output", output, "The file to write")->required();
    create->add_option("KEY=VALUE", assignments, "Values to put into the fields");
    create->footer(values + "\nKeys:\n" + keyListHelp(Kind::Actor) + keyListHelp(Kind::Kit));

    CLI::App* check =
        app.add_subcommand("check", "Open every FILE and report each one that fails to load");
    check->add_option("--kind", kind, "actor, kit or mission");
    check->add_option("FILE", files, "The files to check")->required();
    check->footer(kindHelp);

    CLI::App* table = app.add_subcommand(
        "table", "Print the values of every FILE as one CSV table, a row per file and a column "
                 "per key");
    table->add_option("--kind", kind, "actor, kit or mission");
    table->add_option("FILE", files, "The files, all of one kind")->required();
    table->footer(kindHelp + "\n\n" + tables + "\nKeys:\n" + allKeys);

    CLI::App* apply = app.add_subcommand(
        "apply", "Put the values of a CSV table as table prints it into the files it names, "
                 "checking every row before the first file is written");
    apply->add_flag("--dry-run", dryRun,
                    "Print FILE: KEY: old -> new for each value that would change; write nothing");
    apply->add_option("--kind", kind, "actor, kit or mission");
    apply->add_option("TABLE", file, "The table: CSV in UTF-8")->required();
    apply->footer(kindHelp + "\n\n" + tables + "\n" + values + "\nKeys:\n" + allKeys);

    std::string second;
    CLI::App* diff = app.add_subcommand(
        "diff", "Print KEY: A -> B for each value the editor shows differently for A and B, two "
                "files of one kind or the files of two folders");
    diff->add_flag("--json", json, "Print JSON instead");
    diff->add_option("--kind", kind, "actor, kit or mission (for folders: only that kind)");
    diff->add_option("A", file, "The first file or folder")->required();
    diff->add_option("B", second, "The second file or folder")->required();
    diff->footer(kindHelp + "\n\n" + diffs + "\n" + values);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : static_cast<int>(ExitCode::Usage);
    }

    const Streams io{std::cout, std::cerr};
    ExitCode result = ExitCode::Usage;
    if (*show)
        result = showFile(file, kind, json, io);
    else if (*set)
        result = setValues(file, output, kind, assignments, io);
    else if (*create)
        result = newFile(kind, output, assignments, io);
    else if (*check)
        result = checkFiles(files, kind, io);
    else if (*table)
        result = printTable(files, kind, io);
    else if (*apply)
        result = applyTable(file, kind, dryRun, io);
    else if (*diff)
        result = diffPaths(file, second, kind, json, io);
    // Output that did not arrive (a full disk behind "> table.csv") is a failure too.
    if (!std::cout.flush()) {
        std::cerr << "dorva-cli: cannot write to standard output\n";
        return static_cast<int>(ExitCode::Failure);
    }
    return static_cast<int>(result);
}
