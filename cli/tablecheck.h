#pragma once

#include "cli/csv.h"
#include "document/comparison.h"
#include "document/document.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace dorva {

// A file the table changes, its row applied, ready to be saved.
struct FileEdit {
    std::string path;
    Document document;
    // The fields the file shows differently once saved and read again: before, after.
    std::vector<FieldDifference> changes;
};

// Something in the table that cannot be done, and where it stands.
struct Refusal {
    std::size_t line;
    std::size_t column; // 1-based; 0 when it concerns the whole row
    std::string columnName;
    std::string message; // UTF-8
};

struct TableCheck {
    std::vector<FileEdit> edits;
    std::size_t unchanged = 0; // files whose values all match the table
    std::vector<Refusal> refusals;
};

// The document's values in key order, in UTF-8, as show prints them without its escapes.
std::vector<std::string> shownValues(const Document& document);
// The same after the given first values, as a table's row follows its file.
std::vector<std::string> shownValues(const Document& document, std::vector<std::string> first);

// Reads a table whose first record names the columns: File, then keys in any order. Opens the
// file of each row (relative to folder unless absolute; folder is empty or ends in "/") and puts
// into it, in column order and by set's rules, every cell that differs from what the file
// shows. The kind is kindOption or else the one the first row's file extension stands for.
// Writes nothing.
TableCheck checkTable(const std::vector<CsvRecord>& records, const std::string& folder,
                      std::optional<Kind> kindOption);

} // namespace dorva
