#include "formats/tagindex.h"

#include "formats/textsearch.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace dorva {

namespace {

bool isNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool startsWith(std::string_view text, std::string_view part) {
    return text.substr(0, part.size()) == part;
}

bool endsWith(std::string_view text, std::string_view part) {
    return text.size() >= part.size() && text.substr(text.size() - part.size()) == part;
}

} // namespace

int TagNames::add(std::string_view name) {
    const int known = find(name);
    if (known >= 0)
        return known;
    if (name.empty() || name.size() > kMaxLength ||
        !std::all_of(name.begin(), name.end(), isNameCharacter))
        throw std::logic_error("not a tag name: " + std::string(name));
    const int index = static_cast<int>(names_.size());
    names_.push_back(name);
    byLength_[name.size()].push_back(index);
    firstLetter_[static_cast<unsigned char>(name[0])] = true;
    return index;
}

int TagNames::find(std::string_view name) const {
    if (name.size() > kMaxLength)
        return -1;
    for (const int index : byLength_[name.size()])
        if (names_[index] == name)
            return index;
    return -1;
}

std::optional<std::size_t> TagNames::slot(std::string_view marker) const {
    if (!startsWith(marker, "<"))
        return std::nullopt;
    std::string_view name = marker.substr(1);
    Form form = Start;
    if (startsWith(name, "/") && endsWith(name, ">")) {
        form = Close;
        name = name.substr(1, name.size() - 2);
    } else if (endsWith(name, "/>")) {
        form = Empty;
        name.remove_suffix(2);
    } else if (endsWith(name, ">")) {
        form = Open;
        name.remove_suffix(1);
    }
    const int index = find(name);
    if (index < 0)
        return std::nullopt;
    if (form == Start && std::find(prefixes_.begin(), prefixes_.end(), index) == prefixes_.end())
        return std::nullopt;
    return slotOf(index, form);
}

TagIndex::TagIndex(std::string_view text, const TagNames& names)
    : text_(text), names_(names), hits_(names.slotCount()) {
    if (text.empty())
        return;
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    for (const char* p = begin;
         (p = static_cast<const char*>(std::memchr(p, '<', end - p))) != nullptr; ++p)
        record(p - begin);
}

// Every occurrence of a recorded tag starts with "<", so looking at each "<" finds them all:
// the name runs to the first character that cannot be in a name, which must be the end of
// the tag.
void TagIndex::record(std::size_t at) {
    const std::string_view text = text_;
    std::size_t start = at + 1;
    const bool closing = start < text.size() && text[start] == '/';
    if (closing)
        ++start;
    if (start >= text.size() || !names_.firstLetter_[static_cast<unsigned char>(text[start])])
        return;
    if (!closing) {
        for (const int prefix : names_.prefixes_)
            if (startsWith(text.substr(start), names_.names_[prefix]))
                hits_[TagNames::slotOf(prefix, TagNames::Start)].push_back(at);
    }
    std::size_t stop = start;
    while (stop < text.size() && stop - start <= TagNames::kMaxLength &&
           isNameCharacter(text[stop]))
        ++stop;
    const int name = names_.find(text.substr(start, stop - start));
    if (name < 0)
        return;
    const std::string_view rest = text.substr(stop);
    if (startsWith(rest, ">"))
        hits_[TagNames::slotOf(name, closing ? TagNames::Close : TagNames::Open)].push_back(at);
    else if (!closing && startsWith(rest, "/>"))
        hits_[TagNames::slotOf(name, TagNames::Empty)].push_back(at);
}

std::size_t TagIndex::find(std::string_view marker, std::optional<std::size_t> slot,
                           std::size_t from, std::size_t end) const {
    end = std::min(end, text_.size());
    if (from > end || marker.size() > end - from)
        return std::string_view::npos;
    if (!slot)
        return findText(text_.substr(0, end), marker, from);
    const std::vector<std::size_t>& hits = hits_[*slot];
    const auto hit = std::lower_bound(hits.begin(), hits.end(), from);
    if (hit == hits.end() || *hit + marker.size() > end)
        return std::string_view::npos;
    return *hit;
}

} // namespace dorva
