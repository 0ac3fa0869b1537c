#pragma once

#include "formats/error.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dorva {

// Tables as RFC 4180 text, read and written through libcsv. Cells are bytes, taken as they are.

// One record and the physical line (1-based) it starts on.
struct CsvRecord {
    std::size_t line = 0;
    std::vector<std::string> cells;
};

// Text that is no valid CSV, and the line where that showed.
class CsvSyntaxError : public Error {
public:
    CsvSyntaxError(std::size_t line, const std::string& message) : Error(message), line_(line) {}
    std::size_t line() const { return line_; }

private:
    std::size_t line_;
};

// The records of the text, strictly: a quote inside an unquoted cell or an unclosed quote is an
// error, and spaces belong to the cell. Blank lines between records hold no record.
// Throws CsvSyntaxError.
std::vector<CsvRecord> parseCsv(std::string_view text);

// One record with its CR LF; cells that hold a comma, quote, line break or outer space are
// quoted.
std::string csvRow(const std::vector<std::string>& cells);

} // namespace dorva
