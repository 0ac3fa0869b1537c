#pragma once

#include "cli/page.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace dorva {

// One value of a page as the command line names it. Values are code page 932 bytes.
struct Key {
    std::string name;
    // The value that the page shows: a list shows the index that a save writes, a flag 0 or 1.
    std::function<std::string(const Page&)> get;
    // Puts the value into the field as pasted text and leaves the field (repair rules apply),
    // or clicks the check box, radio button or list entry. Throws Error for a value the field
    // cannot take.
    std::function<void(Page&, const std::string&)> set;
};

// The keys of a kind, in the order that show lists them.
const std::vector<Key>& keysOf(Kind kind);

// Null when the kind has no key of that name.
const Key* findKey(Kind kind, std::string_view name);

} // namespace dorva
