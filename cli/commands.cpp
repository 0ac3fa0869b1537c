#include "cli/commands.h"

#include "cli/escape.h"
#include "cli/report.h"
#include "cli/shownvalue.h"
#include "document/document.h"
#include "document/fields.h"
#include "formats/codec.h"
#include "formats/error.h"

#include <nlohmann/json.hpp>

#include <optional>

namespace dorva {

namespace {

struct Assignment {
    const Field* field;
    std::string value; // UTF-8, escapes resolved
};

std::vector<Assignment> parseAssignments(Kind kind, const std::vector<std::string>& texts) {
    std::vector<Assignment> assignments;
    for (const std::string& text : texts) {
        const std::size_t equals = text.find('=');
        if (equals == std::string::npos)
            throw UsageError("'" + text + "' is not of the form KEY=VALUE");
        const std::string name = text.substr(0, equals);
        const Field* field = findField(kind, name);
        if (!field)
            throw UsageError("unknown key '" + name + "' for " + kindName(kind) +
                             " files (see --help)");
        const auto value = unescapeValue(std::string_view(text).substr(equals + 1));
        if (!value)
            throw UsageError("bad escape in the value of " + name +
                             " (only \\\\, \\r and \\n are escapes)");
        assignments.push_back({field, *value});
    }
    return assignments;
}

// Applies the values in the order given, each as its field takes a pasted value.
void applyAssignments(Document& document, const std::vector<Assignment>& assignments) {
    for (const Assignment& a : assignments)
        enterValue(document, *a.field, utf8ToCp932OrThrow(a.value, a.field->key));
}

void printPlain(const Document& document, std::ostream& out) {
    for (const Field& field : fieldsOf(document.kind())) {
        out << field.key << '=';
        if (field.view)
            writeShownValue(out, field.view(document));
        else
            writeShownValue(out, field.get(document));
        out << '\n';
    }
}

void printJson(const Document& document, std::ostream& out) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const Field& field : fieldsOf(document.kind()))
        object[field.key] = cp932ToUtf8(field.get(document));
    out << object.dump(2) << '\n';
}

// Saves the document to the target; field and write errors name the file they concern.
ExitCode applyAndWrite(Document& document, const std::vector<Assignment>& assignments,
                       const std::string& source, const std::string& target, Streams io) {
    try {
        applyAssignments(document, assignments);
    } catch (const Error& e) {
        reportError(io, source, e);
        return ExitCode::Failure;
    }
    try {
        document.saveAs(target);
    } catch (const Error& e) {
        reportError(io, target, e);
        return ExitCode::Failure;
    }
    return ExitCode::Success;
}

} // namespace

ExitCode showFile(const std::string& file, const std::string& kindOption, bool json, Streams io) {
    Kind kind;
    try {
        kind = resolveKind(file, kindOption);
    } catch (const UsageError& e) {
        return reportUsage(io, e);
    }
    try {
        const Document document = Document::openToRead(kind, file);
        if (json)
            printJson(document, io.out);
        else
            printPlain(document, io.out);
    } catch (const Error& e) {
        reportError(io, file, e);
        return ExitCode::Failure;
    }
    return ExitCode::Success;
}

ExitCode setValues(const std::string& file, const std::string& output,
                   const std::string& kindOption, const std::vector<std::string>& assignments,
                   Streams io) {
    Kind kind;
    std::vector<Assignment> parsed;
    try {
        kind = resolveKind(file, kindOption);
        parsed = parseAssignments(kind, assignments);
    } catch (const UsageError& e) {
        return reportUsage(io, e);
    }
    std::optional<Document> document;
    try {
        document = Document::open(kind, file, Document::Tracking::None);
    } catch (const Error& e) {
        reportError(io, file, e);
        return ExitCode::Failure;
    }
    return applyAndWrite(*document, parsed, file, output.empty() ? file : output, io);
}

ExitCode newFile(const std::string& kindText, const std::string& output,
                 const std::vector<std::string>& assignments, Streams io) {
    Kind kind;
    std::vector<Assignment> parsed;
    try {
        const auto named = kindFromName(kindText);
        if (!named)
            throw UsageError("unknown kind '" + kindText + "' (actor or kit)");
        if (*named == Kind::Mission)
            throw UsageError("a mission file cannot be made from nothing; use set on an "
                             "existing mission file with -o");
        kind = *named;
        parsed = parseAssignments(kind, assignments);
    } catch (const UsageError& e) {
        return reportUsage(io, e);
    }
    Document document(kind);
    return applyAndWrite(document, parsed, output, output, io);
}

ExitCode checkFiles(const std::vector<std::string>& files, const std::string& kindOption,
                    Streams io) {
    std::vector<Kind> kinds;
    try {
        for (const std::string& file : files)
            kinds.push_back(resolveKind(file, kindOption));
    } catch (const UsageError& e) {
        return reportUsage(io, e);
    }
    ExitCode result = ExitCode::Success;
    for (std::size_t i = 0; i < files.size(); ++i) {
        try {
            Document::openToRead(kinds[i], files[i]);
        } catch (const Error& e) {
            reportError(io, files[i], e);
            result = ExitCode::Failure;
        }
    }
    return result;
}

} // namespace dorva
