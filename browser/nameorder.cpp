#include "browser/nameorder.h"

#include <algorithm>
#include <string>

namespace dorva {

namespace {

// The values QString::compare weighs when it ignores case, one for each UTF-16 unit: the unit
// folded, or for the second half of a surrogate pair the whole character folded. Comparing
// these in order orders as that comparison does, without folding again for every comparison.
std::u32string foldedKey(const QString& text) {
    std::u32string key;
    key.reserve(static_cast<std::size_t>(text.size()));
    char32_t last = 0;
    for (const QChar unit : text) {
        char32_t value = unit.unicode();
        if (unit.isLowSurrogate() && QChar::isHighSurrogate(last))
            value = QChar::surrogateToUcs4(static_cast<char16_t>(last), unit.unicode());
        last = unit.unicode();
        key.push_back(QChar::toCaseFolded(value));
    }
    return key;
}

} // namespace

void sortListedNames(std::vector<ListedName>& names) {
    struct Keyed {
        std::u32string key;
        ListedName* name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(names.size());
    for (ListedName& name : names)
        keyed.push_back({foldedKey(name.text), &name});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (a.key != b.key)
            return a.key < b.key;
        const ListedName& x = *a.name;
        const ListedName& y = *b.name;
        return x.text != y.text ? x.text < y.text : x.bytes < y.bytes;
    });
    std::vector<ListedName> sorted;
    sorted.reserve(names.size());
    for (const Keyed& entry : keyed)
        sorted.push_back(std::move(*entry.name));
    names = std::move(sorted);
}

} // namespace dorva
