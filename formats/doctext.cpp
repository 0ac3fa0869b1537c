#include "formats/doctext.h"

namespace dorva {

namespace {
bool endsWithBreak(const std::string& s) {
    return s.size() >= 2 && s.compare(s.size() - 2, 2, "\r\n") == 0;
}
} // namespace

std::string normalizeLineBreaks(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 32);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
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
