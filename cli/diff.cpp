#include "cli/commands.h"

#include "cli/differences.h"
#include "cli/report.h"
#include "document/document.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sys/stat.h>

namespace dorva {

namespace {

using Json = nlohmann::ordered_json;

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Paths are the file system's bytes, which need not be UTF-8.
void printJson(const Json& json, std::ostream& out) {
    out << json.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

Kind commonKind(const std::string& a, const std::string& b, const std::string& kindOption) {
    const Kind kindA = resolveKind(a, kindOption);
    const Kind kindB = resolveKind(b, kindOption);
    if (kindA != kindB)
        throw UsageError("'" + b + "' is " + kindWithArticle(kindB) + " file and '" + a + "' " +
                         kindWithArticle(kindA) + " file; diff compares files of one kind");
    return kindA;
}

std::optional<Document> openToCompare(Kind kind, const std::string& path, Streams io) {
    try {
        return Document::open(kind, path, Document::Tracking::None);
    } catch (const Error& e) {
        reportError(io, path, e);
        return std::nullopt;
    }
}

// Nothing when either file cannot be read or loaded; each one that cannot is reported.
std::optional<Comparison> compareFiles(Kind kind, const std::string& a, const std::string& b,
                                       Streams io) {
    const std::optional<Document> first = openToCompare(kind, a, io);
    const std::optional<Document> second = openToCompare(kind, b, io);
    if (!first || !second)
        return std::nullopt;
    return compare(*first, *second);
}

// The names of the folder's files of the kinds compared, in byte order.
std::vector<std::string> namesToCompare(const std::string& folder, std::optional<Kind> kind) {
    namespace fs = std::filesystem;
    std::error_code error;
    std::vector<std::string> names;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().native();
        const std::optional<Kind> kindOfName = kindFromExtension(name);
        std::error_code ignored;
        if (kindOfName && (!kind || kindOfName == kind) && it->is_regular_file(ignored))
            names.push_back(name);
    }
    if (error)
        throw UsageError("cannot read the folder '" + folder + "'");
    std::sort(names.begin(), names.end());
    return names;
}

std::string pathIn(const std::string& folder, const std::string& name) {
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

class FolderDiff {
public:
    FolderDiff(const std::string& a, const std::string& b, bool json, Streams io)
        : a_(a), b_(b), json_(json), io_(io) {}

    ExitCode run(const std::vector<std::string>& namesA, const std::vector<std::string>& namesB) {
        std::size_t i = 0;
        std::size_t j = 0;
        while (i < namesA.size() || j < namesB.size()) {
            if (j == namesB.size() || (i < namesA.size() && namesA[i] < namesB[j]))
                onlyIn(a_, namesA[i++]);
            else if (i == namesA.size() || namesB[j] < namesA[i])
                onlyIn(b_, namesB[j++]);
            else {
                compareName(namesA[i++]);
                ++j;
            }
        }
        if (json_)
            printJson(entries_, io_.out);
        return trouble_ ? ExitCode::Trouble : differs_ ? ExitCode::Differs : ExitCode::Success;
    }

private:
    void onlyIn(const std::string& folder, const std::string& name) {
        differs_ = true;
        if (json_)
            entries_.push_back({{"onlyIn", folder}, {"name", name}});
        else
            io_.out << "only in " << folder << ": " << name << '\n';
    }

    void compareName(const std::string& name) {
        const std::string pathA = pathIn(a_, name);
        const std::string pathB = pathIn(b_, name);
        const std::optional<Comparison> comparison =
            compareFiles(*kindFromExtension(name), pathA, pathB, io_);
        if (!comparison) {
            trouble_ = true;
            return;
        }
        if (comparison->empty())
            return;
        differs_ = true;
        if (json_)
            entries_.push_back(comparisonJson(pathA, pathB, *comparison));
        else
            printComparison(io_.out, name + ": ", *comparison);
    }

    const std::string a_;
    const std::string b_;
    const bool json_;
    const Streams io_;
    Json entries_ = Json::array();
    bool differs_ = false;
    bool trouble_ = false;
};

} // namespace

ExitCode diffPaths(const std::string& a, const std::string& b, const std::string& kindOption,
                   bool json, Streams io) {
    Kind kind;
    try {
        const bool folders = isFolder(a);
        if (folders != isFolder(b))
            throw UsageError("'" + (folders ? a : b) + "' is a folder and '" + (folders ? b : a) +
                             "' is not; diff compares two files or two folders");
        if (folders) {
            const std::optional<Kind> only = kindOfOption(kindOption);
            const std::vector<std::string> namesA = namesToCompare(a, only);
            const std::vector<std::string> namesB = namesToCompare(b, only);
            return FolderDiff(a, b, json, io).run(namesA, namesB);
        }
        kind = commonKind(a, b, kindOption);
    } catch (const UsageError& e) {
        return reportUsage(io, e);
    }
    const std::optional<Comparison> comparison = compareFiles(kind, a, b, io);
    if (!comparison)
        return ExitCode::Trouble;
    if (json)
        printJson(comparisonJson(a, b, *comparison), io.out);
    else
        printComparison(io.out, "", *comparison);
    return comparison->empty() ? ExitCode::Success : ExitCode::Differs;
}

} // namespace dorva
