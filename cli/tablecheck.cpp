#include "cli/tablecheck.h"

#include "cli/kindoption.h"
#include "document/fields.h"
#include "formats/codec.h"
#include "formats/filename.h"

#include <map>
#include <sys/stat.h>
#include <utility>

namespace dorva {

namespace {

const std::string kFileColumn = "File";

struct Column {
    std::string name;
    const Field* field = nullptr; // null for File and for keys the kind does not have
    std::size_t index = 0;        // the field's place in fieldsOf
};

// What show prints differently for the file once it is saved: the saved bytes are read again,
// so a value a save does not write is no change. Nothing when a save would write the bytes it
// would have written unedited.
std::vector<FieldDifference> changesOf(const Document& opened, const Document& edited) {
    const std::optional<std::string> saved = edited.changedOutput();
    if (!saved)
        return {};
    return differingFields(opened, Document::fromBytes(edited.kind(), *saved));
}

class TableChecker {
public:
    TableChecker(std::string folder, std::optional<Kind> kindOption)
        : folder_(std::move(folder)), kindOption_(kindOption) {}

    TableCheck check(const std::vector<CsvRecord>& records) {
        if (records.empty()) {
            refuse(1, std::nullopt, "the table is empty; its first row names the columns");
            return std::move(result_);
        }
        if (!readHeader(records.front()))
            return std::move(result_);
        kind_ = kindOption_ ? kindOption_ : kindOfFirstRow(records);
        if (kind_)
            findKeys(records.front().line);
        for (std::size_t i = 1; i < records.size(); ++i)
            checkRow(records[i]);
        return std::move(result_);
    }

private:
    // False when the columns cannot be told apart: no File column, or a name given twice.
    bool readHeader(const CsvRecord& header) {
        bool usable = true;
        bool hasFile = false;
        for (std::size_t i = 0; i < header.cells.size(); ++i) {
            const std::string& name = header.cells[i];
            columns_.push_back({name});
            for (std::size_t j = 0; j < i; ++j)
                if (header.cells[j] == name) {
                    refuse(header.line, i,
                           "names the same column as column " + std::to_string(j + 1));
                    usable = false;
                    break;
                }
            if (name == kFileColumn && !hasFile) {
                fileColumn_ = i;
                hasFile = true;
            }
        }
        if (!hasFile)
            refuse(header.line, std::nullopt,
                   "the first row names no File column; it names the columns: File and the keys "
                   "to put into the files");
        return usable && hasFile;
    }

    std::optional<Kind> kindOfFirstRow(const std::vector<CsvRecord>& records) const {
        for (std::size_t i = 1; i < records.size(); ++i)
            if (records[i].cells.size() > fileColumn_)
                if (const auto kind = kindFromExtension(records[i].cells[fileColumn_]))
                    return kind;
        return std::nullopt;
    }

    void findKeys(std::size_t line) {
        const std::vector<Field>& fields = fieldsOf(*kind_);
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            Column& column = columns_[i];
            if (i == fileColumn_)
                continue;
            column.field = findField(*kind_, column.name);
            if (column.field)
                column.index = static_cast<std::size_t>(column.field - fields.data());
            else
                refuse(line, i,
                       "unknown key '" + column.name + "' for " + kindName(*kind_) + " files");
        }
    }

    void checkRow(const CsvRecord& row) {
        if (row.cells.size() != columns_.size()) {
            refuse(row.line, std::nullopt,
                   "the row has " + std::to_string(row.cells.size()) +
                       " cells, but the first row names " + std::to_string(columns_.size()) +
                       " columns");
            return;
        }
        const std::string& name = row.cells[fileColumn_];
        const std::optional<Kind> kind = kindOption_ ? kindOption_ : kindFromExtension(name);
        if (name.empty() || !kind) {
            refuse(row.line, fileColumn_,
                   name.empty() ? "names no file"
                                : "cannot tell the kind of '" + name +
                                      "' from its extension; name it with --kind "
                                      "actor|kit|mission");
            return;
        }
        if (kind != kind_) {
            refuse(row.line, fileColumn_,
                   "'" + name + "' is " + kindWithArticle(*kind) + " file, but the table holds " +
                       kindName(*kind_) + " files");
            return;
        }
        const std::string path = name.front() == '/' ? name : folder_ + name;
        try {
            Document document = Document::open(*kind, path);
            if (!firstNaming(path, row.line))
                return;
            const Document opened = document;
            if (!applyCells(row, document, shownValues(opened)))
                return;
            std::vector<FieldDifference> changes = changesOf(opened, document);
            if (changes.empty())
                ++result_.unchanged;
            else
                result_.edits.push_back({path, std::move(document), std::move(changes)});
        } catch (const Error& e) {
            refuse(row.line, fileColumn_, e.what());
        }
    }

    // Puts in, in column order, each cell that differs from what the file showed when opened:
    // a cell left as it was is never entered, even once another cell's click changed its field.
    bool applyCells(const CsvRecord& row, Document& document,
                    const std::vector<std::string>& before) {
        bool applied = true;
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const Column& column = columns_[i];
            const std::string& cell = row.cells[i];
            if (!column.field || cell == before[column.index])
                continue;
            try {
                if (!isUtf8(cell))
                    throw Error("the cell is not UTF-8 text; save the table as UTF-8");
                enterValue(document, *column.field, utf8ToCp932OrThrow(cell, column.name));
            } catch (const Error& e) {
                refuse(row.line, i, e.what());
                applied = false;
            }
        }
        return applied;
    }

    // False, and refused, when an earlier row names the same file, by whatever path.
    bool firstNaming(const std::string& path, std::size_t line) {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0)
            return true;
        const auto [first, inserted] =
            seen_.emplace(std::make_pair(info.st_dev, info.st_ino), line);
        if (!inserted)
            refuse(line, fileColumn_,
                   "names the same file as line " + std::to_string(first->second));
        return inserted;
    }

    void refuse(std::size_t line, std::optional<std::size_t> column, const std::string& message) {
        if (column)
            result_.refusals.push_back({line, *column + 1, columns_[*column].name, message});
        else
            result_.refusals.push_back({line, 0, "", message});
    }

    const std::string folder_;
    const std::optional<Kind> kindOption_;
    std::optional<Kind> kind_;
    std::vector<Column> columns_;
    std::size_t fileColumn_ = 0;
    std::map<std::pair<dev_t, ino_t>, std::size_t> seen_; // the line that first named each file
    TableCheck result_;
};

} // namespace

std::vector<std::string> shownValues(const Document& document) {
    return shownValues(document, {});
}

std::vector<std::string> shownValues(const Document& document, std::vector<std::string> first) {
    const std::vector<Field>& fields = fieldsOf(document.kind());
    first.reserve(first.size() + fields.size());
    for (const Field& field : fields)
        first.push_back(cp932ToUtf8(field.view ? field.view(document) : field.get(document)));
    return first;
}

TableCheck checkTable(const std::vector<CsvRecord>& records, const std::string& folder,
                      std::optional<Kind> kindOption) {
    return TableChecker(folder, kindOption).check(records);
}

} // namespace dorva
