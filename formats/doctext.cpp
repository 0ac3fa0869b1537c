#include "formats/doctext.h"

namespace dorva {

namespace {

bool endsWithBreak(const std::string& s) {
    return s.size() >= 2 && s.compare(s.size() - 2, 2, "\r\n") == 0;
}

// Each lone CR, lone LF and CR LF pair as CR LF, in one pass that copies the runs between them.
std::string convertLineBreaks(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16);
    std::size_t run = 0; // start of the bytes not yet copied
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        out.append(bytes, run, i - run);
        out += "\r\n";
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        run = i + 1;
    }
    out.append(bytes, run, std::string_view::npos);
    return out;
}

} // namespace

// Whether every CR is followed by LF and every LF follows CR: at each byte, "is CR" must equal
// "next is LF". Blocks of a fixed size, with a byte rather than a bool to collect the result,
// let the compiler check many bytes at once.
bool hasOnlyCrLf(std::string_view bytes) {
    if (bytes.empty())
        return true;
    if (bytes.front() == '\n' || bytes.back() == '\r')
        return false;
    constexpr std::size_t kBlock = 64;
    const char* const p = bytes.data();
    const std::size_t pairs = bytes.size() - 1;
    std::size_t i = 0;
    for (; i + kBlock <= pairs; i += kBlock) {
        unsigned char lone = 0;
        for (std::size_t k = 0; k < kBlock; ++k)
            lone |= (p[i + k] == '\r') ^ (p[i + k + 1] == '\n');
        if (lone)
            return false;
    }
    for (; i < pairs; ++i)
        if ((p[i] == '\r') != (p[i + 1] == '\n'))
            return false;
    return true;
}

std::string normalizeLineBreaks(std::string&& bytes) {
    if (hasOnlyCrLf(bytes))
        return std::move(bytes);
    return convertLineBreaks(bytes);
}

std::string normalizeLineBreaks(std::string_view bytes) {
    if (hasOnlyCrLf(bytes))
        return std::string(bytes);
    return convertLineBreaks(bytes);
}

void DocText::setText(std::string_view bytes) {
    text_ = normalizeLineBreaks(bytes);
}

int DocText::lineCount() const {
    if (text_.empty())
        return 0;
    int count = 0;
    for (std::size_t pos = text_.find("\r\n"); pos != std::string::npos;
         pos = text_.find("\r\n", pos + 2))
        ++count;
    return endsWithBreak(text_) ? count : count + 1;
}

std::size_t DocText::lineStart(int i) const {
    if (i < 0)
        return std::string::npos;
    std::size_t start = 0;
    for (int n = 0; n < i; ++n) {
        const std::size_t br = text_.find("\r\n", start);
        if (br == std::string::npos)
            return std::string::npos;
        start = br + 2;
    }
    if (start >= text_.size())
        return std::string::npos;
    return start;
}

std::size_t DocText::lineEnd(std::size_t start) const {
    const std::size_t br = text_.find("\r\n", start);
    return br == std::string::npos ? text_.size() : br;
}

std::string DocText::line(int i) const {
    const std::size_t start = lineStart(i);
    if (start == std::string::npos)
        return {};
    return text_.substr(start, lineEnd(start) - start);
}

void DocText::replaceLine(int i, std::string_view s) {
    const std::size_t start = lineStart(i);
    if (start == std::string::npos)
        return;
    text_.replace(start, lineEnd(start) - start, s);
}

void DocText::insertLine(int i, std::string_view s) {
    if (i < 0)
        return;
    std::string line(s);
    line += "\r\n";
    const std::size_t start = lineStart(i);
    if (start != std::string::npos) {
        text_.insert(start, line);
        return;
    }
    if (i != lineCount())
        return;
    if (!text_.empty() && !endsWithBreak(text_))
        text_ += "\r\n";
    text_ += line;
}

void DocText::addLines(const DocText& other) {
    if (other.empty())
        return;
    if (!text_.empty() && !endsWithBreak(text_))
        text_ += "\r\n";
    text_ += other.text_;
    if (!endsWithBreak(text_))
        text_ += "\r\n";
}

} // namespace dorva
