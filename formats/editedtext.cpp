#include "formats/editedtext.h"

#include "formats/textsearch.h"

#include <algorithm>
#include <cstring>

namespace dorva {

namespace {
constexpr std::size_t npos = std::string_view::npos;
} // namespace

EditedText::EditedText(std::string_view original, const TagNames& names)
    : names_(names), size_(original.size()) {
    Source& source = sources_.emplace_back();
    source.text = original;
    if (!original.empty())
        pieces_.push_back({0, 0, original.size()});
}

const TagIndex& EditedText::indexOf(const Source& source) const {
    if (!source.index)
        source.index = std::make_unique<TagIndex>(source.text, names_);
    return *source.index;
}

std::string_view EditedText::view(const Piece& piece) const {
    return sources_[piece.source].text.substr(piece.start, piece.length);
}

std::size_t EditedText::find(std::string_view marker, std::size_t from) const {
    if (from > size_)
        return npos;
    if (marker.empty())
        return from;
    const std::optional<std::size_t> slot = names_.slot(marker);
    const std::size_t reach = marker.size() - 1; // how far an occurrence reaches past its start
    std::size_t pos = 0;
    for (std::size_t k = 0; k < pieces_.size(); ++k) {
        const Piece& piece = pieces_[k];
        const std::size_t pieceEnd = pos + piece.length;
        if (pieceEnd <= from) {
            pos = pieceEnd;
            continue;
        }
        const std::size_t local = from > pos ? from - pos : 0;
        std::size_t best = npos;
        const std::size_t hit =
            indexOf(sources_[piece.source])
                .find(marker, slot, piece.start + local, piece.start + piece.length);
        if (hit != npos)
            best = pos + hit - piece.start;
        // An occurrence that starts in this piece's last characters and ends in a later piece.
        const std::size_t tail =
            std::max(local, piece.length > reach ? piece.length - reach : std::size_t{0});
        if (k + 1 < pieces_.size() && tail < piece.length && (best == npos || best > pos + tail)) {
            std::string window;
            appendFrom(k, tail, piece.length - tail + reach, window);
            const std::size_t w = findText(window, marker);
            if (w != npos && tail + w < piece.length)
                best = std::min(best, pos + tail + w);
        }
        if (best != npos)
            return best;
        pos = pieceEnd;
    }
    return npos;
}

void EditedText::appendFrom(std::size_t k, std::size_t offset, std::size_t count,
                            std::string& out) const {
    for (; k < pieces_.size() && count > 0; ++k) {
        const std::string_view part = view(pieces_[k]).substr(offset, count);
        out.append(part);
        count -= part.size();
        offset = 0;
    }
}

std::string EditedText::substr(std::size_t pos, std::size_t count) const {
    std::string out;
    std::size_t start = 0;
    for (std::size_t k = 0; k < pieces_.size(); ++k) {
        if (pos < start + pieces_[k].length) {
            appendFrom(k, pos - start, count, out);
            break;
        }
        start += pieces_[k].length;
    }
    return out;
}

bool EditedText::matches(std::size_t pos, std::string_view part) const {
    std::size_t start = 0;
    for (std::size_t k = 0; k < pieces_.size() && !part.empty(); ++k) {
        const std::size_t length = pieces_[k].length;
        if (pos < start + length) {
            const std::string_view here = view(pieces_[k]).substr(pos - start, part.size());
            if (part.substr(0, here.size()) != here)
                return false;
            part.remove_prefix(here.size());
            pos += here.size();
        }
        start += length;
    }
    return part.empty();
}

std::size_t EditedText::splitAt(std::size_t pos) {
    std::size_t start = 0;
    for (std::size_t k = 0; k < pieces_.size(); ++k) {
        const Piece piece = pieces_[k];
        if (pos == start)
            return k;
        if (pos < start + piece.length) {
            const std::size_t head = pos - start;
            pieces_[k].length = head;
            pieces_.insert(pieces_.begin() + k + 1,
                           {piece.source, piece.start + head, piece.length - head});
            return k + 1;
        }
        start += piece.length;
    }
    return pieces_.size();
}

void EditedText::replace(std::size_t pos, std::size_t count, std::string_view text) {
    if (pos > size_)
        return;
    count = std::min(count, size_ - pos);
    if (count == text.size() && matches(pos, text))
        return;
    const std::size_t first = splitAt(pos);
    const std::size_t last = splitAt(pos + count);
    pieces_.erase(pieces_.begin() + first, pieces_.begin() + last);
    if (!text.empty()) {
        Source& source = sources_.emplace_back();
        source.inserted = std::string(text);
        source.text = source.inserted;
        pieces_.insert(pieces_.begin() + first, {sources_.size() - 1, 0, text.size()});
    }
    size_ = size_ - count + text.size();
}

std::string EditedText::text() const {
    std::string out;
    out.reserve(size_);
    for (const Piece& piece : pieces_)
        out.append(view(piece));
    return out;
}

std::string EditedText::textOver(std::string&& original) const {
    const std::string_view before = sources_.front().text;
    if (original.data() != before.data() || original.size() != before.size())
        return text();
    // Where the original's pieces keep their order, each moves within the buffer to its place:
    // first those that move toward the start, front to back, then those that move toward the
    // end, back to front. None then overwrites a piece not yet moved. Inserted text comes last.
    std::vector<std::size_t> places;
    places.reserve(pieces_.size());
    std::size_t place = 0;
    std::size_t originalEnd = 0;
    for (const Piece& piece : pieces_) {
        if (piece.source == 0) {
            if (piece.start < originalEnd)
                return text();
            originalEnd = piece.start + piece.length;
        }
        places.push_back(place);
        place += piece.length;
    }
    if (size_ > original.size())
        original.resize(size_);
    char* const bytes = original.data();
    for (std::size_t k = 0; k < pieces_.size(); ++k)
        if (pieces_[k].source == 0 && places[k] < pieces_[k].start)
            std::memmove(bytes + places[k], bytes + pieces_[k].start, pieces_[k].length);
    for (std::size_t k = pieces_.size(); k-- > 0;)
        if (pieces_[k].source == 0 && places[k] > pieces_[k].start)
            std::memmove(bytes + places[k], bytes + pieces_[k].start, pieces_[k].length);
    for (std::size_t k = 0; k < pieces_.size(); ++k)
        if (pieces_[k].source != 0)
            std::memcpy(bytes + places[k], view(pieces_[k]).data(), pieces_[k].length);
    original.resize(size_);
    return std::move(original);
}

} // namespace dorva
