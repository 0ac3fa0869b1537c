#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dorva {

// The whole text of a data file as bytes (code page 932), held as lines separated by CR LF.
// Setting the text turns every line break (CR LF, lone CR, lone LF) into CR LF; nothing else
// is converted. The text reads back exactly as held: a final line break is kept, none added.
class DocText {
public:
    DocText() = default;
    explicit DocText(std::string_view bytes) { setText(bytes); }

    void setText(std::string_view bytes);
    const std::string& text() const { return text_; }
    bool empty() const { return text_.empty(); }
    void clear() { text_.clear(); }

    // Number of lines; an empty line after a final line break is not counted.
    int lineCount() const;
    // Line i without its line break; empty for a line beyond the end.
    std::string line(int i) const;
    // Replaces the text of line i; its line break stays. Nothing happens beyond the end.
    void replaceLine(int i, std::string_view s);
    // Puts a new line before line i; at i equal to the line count it appends one.
    void insertLine(int i, std::string_view s);
    // Appends each line of other.
    void addLines(const DocText& other);

private:
    // Byte offset where line i starts, or npos when i is beyond the end.
    std::size_t lineStart(int i) const;
    std::size_t lineEnd(std::size_t start) const;

    std::string text_;
};

// Turns every line break form into CR LF. A text that has only CR LF pairs comes back as it is,
// after one quick check.
std::string normalizeLineBreaks(std::string_view bytes);
// The same, taking over the bytes, which come back as they are when they need no change.
std::string normalizeLineBreaks(std::string&& bytes);
// Whether every line break already is CR LF, so that normalizing would change nothing.
bool hasOnlyCrLf(std::string_view bytes);

} // namespace dorva
