#include "formats/tagvalue.h"

#include "formats/textsearch.h"

namespace dorva {

ValueSpan findValue(std::string_view text, std::string_view open, std::string_view close) {
    const std::size_t p = findText(text, open);
    if (p == std::string_view::npos)
        return {};
    return valueBetween(p, open.size(), findText(text, close));
}

ValueSpan valueBetween(std::size_t open, std::size_t openLength, std::size_t close) {
    ValueSpan span;
    if (open == std::string_view::npos)
        return span;
    span.openFound = true;
    span.start = open + openLength;
    if (close == std::string_view::npos || close < span.start)
        return span;
    span.length = close - span.start;
    return span;
}

std::string tagValue(std::string_view text, std::string_view open, std::string_view close) {
    const ValueSpan span = findValue(text, open, close);
    return std::string(text.substr(span.start, span.length));
}

std::string openTag(std::string_view name) {
    return "<" + std::string(name) + ">";
}
std::string closeTag(std::string_view name) {
    return "</" + std::string(name) + ">";
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t hit = text.find(from); hit != std::string_view::npos;
         hit = text.find(from, pos)) {
        out.append(text, pos, hit - pos);
        out.append(to);
        pos = hit + from.size();
    }
    out.append(text, pos, std::string_view::npos);
    return out;
}

} // namespace dorva
