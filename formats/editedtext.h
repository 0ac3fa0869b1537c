#pragma once

#include "formats/tagindex.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dorva {

// A text and the edits made to it, kept apart: the text reads as if every edit were made, but
// the edits are pieces laid over the original, so that an edit moves no text and the result is
// written once, in one pass, at the end. Searches for the tags of the names come from indexes
// of the original and of each inserted text, so a long text is scanned once however many
// searches and edits are made; searches find occurrences that an edit makes across the edge of
// a piece too. The original must outlive this.
class EditedText {
public:
    EditedText(std::string_view original, const TagNames& names);

    std::size_t size() const { return size_; }

    // Offset of the first occurrence of marker at or after from, or npos.
    std::size_t find(std::string_view marker, std::size_t from = 0) const;
    std::string substr(std::size_t pos, std::size_t count) const;
    // Puts text in place of count characters from pos; count runs at most to the end.
    void replace(std::size_t pos, std::size_t count, std::string_view text);
    void insert(std::size_t pos, std::string_view text) { replace(pos, 0, text); }

    // The text with every edit made.
    std::string text() const;
    // The same, written over the original's bytes: original must be the very string this was
    // made over, and is taken.
    std::string textOver(std::string&& original) const;

private:
    // A text that pieces are taken from: the original or an inserted text. Its index is made
    // when a search first needs it.
    struct Source {
        std::string inserted;
        std::string_view text;
        mutable std::unique_ptr<TagIndex> index;
    };
    struct Piece {
        std::size_t source;
        std::size_t start;
        std::size_t length;
    };

    const TagIndex& indexOf(const Source& source) const;
    std::string_view view(const Piece& piece) const;
    // Index of the piece that starts at pos, splitting the piece that holds pos; the count of
    // pieces when pos is the end.
    std::size_t splitAt(std::size_t pos);
    // Whether the text from pos reads as part.
    bool matches(std::size_t pos, std::string_view part) const;
    // Appends to out up to count characters from offset in piece k on.
    void appendFrom(std::size_t k, std::size_t offset, std::size_t count, std::string& out) const;

    const TagNames& names_;
    std::deque<Source> sources_; // never moved, since the indexes look into their texts
    std::vector<Piece> pieces_;
    std::size_t size_ = 0;
};

} // namespace dorva
