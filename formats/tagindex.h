#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

namespace dorva {

// The element names whose tags a TagIndex records: for each name its opening tag "<name>",
// closing tag "</name>" and empty form "<name/>", and for a name marked as a prefix also its
// opening tag without the end, "<name" followed by anything. Names are letters and digits,
// held as views: they must outlive this.
class TagNames {
public:
    template <class Names>
    TagNames(const Names& names, std::initializer_list<std::string_view> prefixes) {
        for (const std::string_view name : names)
            add(name);
        for (const std::string_view name : prefixes)
            prefixes_.push_back(add(name));
    }

    // The slot of a marker that is one of the recorded tags, as TagIndex numbers them.
    std::optional<std::size_t> slot(std::string_view marker) const;
    std::size_t slotCount() const { return names_.size() * kForms; }

private:
    friend class TagIndex;
    enum Form { Open, Close, Empty, Start, kForms };
    static constexpr std::size_t kMaxLength = 32;

    // Index of the name, added when it is new.
    int add(std::string_view name);
    // Index of the name, or -1 when it is not one of them.
    int find(std::string_view name) const;
    static std::size_t slotOf(int name, Form form) { return name * kForms + form; }

    std::vector<std::string_view> names_;
    std::vector<int> prefixes_;
    std::array<std::vector<int>, kMaxLength + 1> byLength_;
    std::array<bool, 256> firstLetter_{};
};

// Where the tags of a set of names stand in a text, found in one pass over it. Looking up a
// tag then costs no search of the text, however often it is asked for and however long the
// text is. The text must outlive the index.
class TagIndex {
public:
    TagIndex(std::string_view text, const TagNames& names);

    // Offset of the first occurrence of marker that starts at or after from and ends at or
    // before end, or npos. Any marker may be asked for: the recorded tags come from the
    // index, anything else is searched in the text.
    std::size_t find(std::string_view marker, std::size_t from = 0,
                     std::size_t end = std::string_view::npos) const {
        return find(marker, names_.slot(marker), from, end);
    }
    // The same with the marker's slot looked up already (TagNames::slot), for many searches.
    std::size_t find(std::string_view marker, std::optional<std::size_t> slot, std::size_t from,
                     std::size_t end) const;

    std::string_view text() const { return text_; }
    std::size_t size() const { return text_.size(); }

private:
    void record(std::size_t at);

    std::string_view text_;
    const TagNames& names_;
    std::vector<std::vector<std::size_t>> hits_; // by slot, ascending
};

} // namespace dorva
