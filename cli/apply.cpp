#include "cli/commands.h"

#include "cli/csv.h"
#include "cli/differences.h"
#include "cli/report.h"
#include "cli/tablecheck.h"
#include "document/filereader.h"

namespace dorva {

namespace {

// Spreadsheet programs often start UTF-8 text with a byte order mark.
std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    if (text.substr(0, mark.size()) == mark)
        text.remove_prefix(mark.size());
    return text;
}

// The folder the table's relative paths start from: empty or ending in "/".
std::string folderOf(const std::string& table) {
    const std::size_t slash = table.rfind('/');
    return slash == std::string::npos ? std::string() : table.substr(0, slash + 1);
}

std::string counted(std::size_t n, const std::string& noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

// The values changed by the first count edits.
std::size_t valuesChanged(const std::vector<FileEdit>& edits, std::size_t count) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < count; ++i)
        n += edits[i].changes.size();
    return n;
}

void reportRefusals(const std::string& table, const std::vector<Refusal>& refusals, Streams io) {
    for (const Refusal& r : refusals) {
        io.err << table << ':' << r.line << ": ";
        if (r.column > 0)
            io.err << "column " << r.column << " (" << r.columnName << "): ";
        io.err << withFinalPeriod(r.message) << "\n";
    }
    io.err << table << ": nothing was written (" << counted(refusals.size(), "problem") << ").\n";
}

void printDryRun(const TableCheck& check, Streams io) {
    for (const FileEdit& edit : check.edits)
        printFieldDifferences(io.out, edit.path + ": ", edit.changes);
    io.out << counted(check.edits.size(), "file") << " to change, "
           << counted(valuesChanged(check.edits, check.edits.size()), "value") << " to change, "
           << counted(check.unchanged, "file") << " unchanged; nothing written (dry run).\n";
}

// Saves file by file; the first save that fails stops the run.
ExitCode writeEdits(std::vector<FileEdit>& edits, std::size_t unchanged, Streams io) {
    std::size_t written = 0;
    for (; written < edits.size(); ++written) {
        try {
            edits[written].document.save();
        } catch (const Error& e) {
            reportError(io, edits[written].path, e);
            break;
        }
    }
    io.out << counted(written, "file") << " changed, "
           << counted(valuesChanged(edits, written), "value") << " changed, "
           << counted(unchanged, "file") << " unchanged";
    if (written == edits.size()) {
        io.out << ".\n";
        return ExitCode::Success;
    }
    io.out << ", " << counted(edits.size() - written, "file") << " not written.\n";
    io.err << "dorva-cli: stopped at " << edits[written].path << "; ";
    io.err << (written == 0 ? "no file was written.\n" : "already written:\n");
    for (std::size_t i = 0; i < written; ++i)
        io.err << "  " << edits[i].path << "\n";
    return ExitCode::Failure;
}

} // namespace

ExitCode applyTable(const std::string& table, const std::string& kindOption, bool dryRun,
                    Streams io) {
    std::optional<Kind> kind;
    try {
        kind = kindOfOption(kindOption);
    } catch (const UsageError& e) {
        return reportUsage(io, e);
    }
    std::vector<CsvRecord> records;
    try {
        records = parseCsv(withoutByteOrderMark(readFile(table)));
    } catch (const CsvSyntaxError& e) {
        io.err << table << ':' << e.line() << ": not valid CSV: " << withFinalPeriod(e.what())
               << "\n";
        return ExitCode::Failure;
    } catch (const Error& e) {
        reportError(io, table, e);
        return ExitCode::Failure;
    }
    TableCheck check = checkTable(records, folderOf(table), kind);
    if (!check.refusals.empty()) {
        reportRefusals(table, check.refusals, io);
        return ExitCode::Failure;
    }
    if (dryRun) {
        printDryRun(check, io);
        return ExitCode::Success;
    }
    return writeEdits(check.edits, check.unchanged, io);
}

} // namespace dorva
