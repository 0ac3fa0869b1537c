#include "cli/commands.h"

#include "cli/csv.h"
#include "cli/report.h"
#include "cli/tablecheck.h"
#include "document/document.h"
#include "document/fields.h"

namespace dorva {

namespace {

// The one kind of all the files; a file of another kind is a usage error.
Kind commonKind(const std::vector<std::string>& files, const std::string& kindOption) {
    const Kind kind = resolveKind(files.front(), kindOption);
    for (const std::string& file : files)
        if (const Kind other = resolveKind(file, kindOption); other != kind)
            throw UsageError("'" + file + "' is " + kindWithArticle(other) + " file and '" +
                             files.front() + "' " + kindWithArticle(kind) +
                             " file; a table holds files of one kind");
    return kind;
}

std::vector<std::string> headerOf(Kind kind) {
    std::vector<std::string> header = {"File"};
    for (const Field& field : fieldsOf(kind))
        header.push_back(field.key);
    return header;
}

} // namespace

ExitCode printTable(const std::vector<std::string>& files, const std::string& kindOption,
                    Streams io) {
    Kind kind;
    try {
        kind = commonKind(files, kindOption);
    } catch (const UsageError& e) {
        return reportUsage(io, e);
    }
    io.out << csvRow(headerOf(kind));
    ExitCode result = ExitCode::Success;
    for (const std::string& file : files) {
        try {
            const Document document = Document::openToRead(kind, file);
            io.out << csvRow(shownValues(document, {file}));
        } catch (const Error& e) {
            reportError(io, file, e);
            result = ExitCode::Failure;
        }
    }
    return result;
}

} // namespace dorva
