#include "cli/csv.h"

#include <csv.h>

#include <algorithm>
#include <new>

namespace dorva {

namespace {

// Spaces are part of a cell: values may begin or end with them.
int noSpaces(unsigned char) {
    return 0;
}

// A strict libcsv parser, freed with its buffer.
class Parser {
public:
    Parser() {
        if (csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI) != 0)
            throw std::bad_alloc();
        csv_set_space_func(&parser_, noSpaces);
    }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;
    ~Parser() { csv_free(&parser_); }

    csv_parser* get() { return &parser_; }

private:
    csv_parser parser_{};
};

struct Records {
    std::vector<CsvRecord> done;
    CsvRecord current;
    bool inRecord = false;
};

void onCell(void* bytes, std::size_t size, void* records) {
    auto& r = *static_cast<Records*>(records);
    r.current.cells.emplace_back(size ? static_cast<const char*>(bytes) : "", size);
}

void onRecordEnd(int, void* records) {
    auto& r = *static_cast<Records*>(records);
    r.done.push_back(std::move(r.current));
    r.current = CsvRecord{};
    r.inRecord = false;
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

bool needsQuotes(std::string_view cell) {
    if (cell.empty())
        return false;
    const auto outerSpace = [](char c) { return c == ' ' || c == '\t'; };
    // One look at each byte; find_first_of searches the four characters for every byte.
    const auto special = [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; };
    return std::any_of(cell.begin(), cell.end(), special) || outerSpace(cell.front()) ||
           outerSpace(cell.back());
}

std::string quoted(std::string_view cell) {
    std::string text(csv_write(nullptr, 0, cell.data(), cell.size()), '\0');
    csv_write(text.data(), text.size(), cell.data(), cell.size());
    return text;
}

} // namespace

std::vector<CsvRecord> parseCsv(std::string_view text) {
    Parser parser;
    Records records;
    // Fed a byte at a time, so that the line of each record's first byte is known.
    std::size_t line = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!records.inRecord && !isLineEnd(c)) {
            records.current.line = line;
            records.inRecord = true;
        }
        if (csv_parse(parser.get(), &c, 1, onCell, onRecordEnd, &records) != 1) {
            if (csv_error(parser.get()) != CSV_EPARSE)
                throw std::bad_alloc();
            throw CsvSyntaxError(line, "a quote stands inside a cell that does not start with "
                                       "one, or something other than a comma or a line break "
                                       "follows a closing quote");
        }
        if (c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++line;
    }
    const std::size_t start = records.current.line;
    if (csv_fini(parser.get(), onCell, onRecordEnd, &records) != 0)
        throw CsvSyntaxError(start, "a quoted cell is not closed");
    return std::move(records.done);
}

std::string csvRow(const std::vector<std::string>& cells) {
    std::string row;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            row += ',';
        if (needsQuotes(cells[i]))
            row += quoted(cells[i]);
        else
            row += cells[i];
    }
    row += "\r\n";
    return row;
}

} // namespace dorva
