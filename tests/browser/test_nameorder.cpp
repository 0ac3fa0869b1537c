#include "browser/nameorder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

// The order the file list had when it compared names with QString::compare for every pair.
bool readsBefore(const dorva::ListedName& a, const dorva::ListedName& b) {
    const int c = a.text.compare(b.text, Qt::CaseInsensitive);
    if (c != 0)
        return c < 0;
    return a.text != b.text ? a.text < b.text : a.bytes < b.bytes;
}

// Sorting by folded keys gives exactly that order, also for the characters whose folding is
// special: the sharp s and its capital, the long s, the Kelvin sign, final sigma, the dotted
// capital I, full-width letters, characters beyond the BMP (Deseret) and a lone surrogate.
TEST(NameOrder, SortsAsCaseInsensitiveComparisonDoes) {
    const QString alphabet = QStringLiteral("aAbBzZ09._-~ßẞſKkΣσςİıiIЖжあアＡａ") +
                             QString::fromUcs4(U"\U00010400\U00010428") + QChar(0xD800);
    std::mt19937 random(42);
    for (int round = 0; round < 50; ++round) {
        std::vector<dorva::ListedName> names;
        for (int i = 0; i < 200; ++i) {
            QString text;
            const int length = static_cast<int>(random() % 6);
            for (int c = 0; c < length; ++c) {
                const int at = static_cast<int>(random() % alphabet.size());
                // Keep surrogate pairs whole where the alphabet holds them.
                if (alphabet[at].isLowSurrogate())
                    text += alphabet.mid(at - 1, 2);
                else if (alphabet[at].isHighSurrogate() && at + 1 < alphabet.size() &&
                         alphabet[at + 1].isLowSurrogate())
                    text += alphabet.mid(at, 2);
                else
                    text += alphabet[at];
            }
            // Some names repeat as text with other bytes, as names that are not UTF-8 can.
            const QByteArray bytes = text.toUtf8() + (random() % 4 == 0 ? "\xff" : "");
            names.push_back({text, bytes});
        }
        std::vector<dorva::ListedName> expected = names;
        std::sort(expected.begin(), expected.end(), readsBefore);
        dorva::sortListedNames(names);
        ASSERT_EQ(names.size(), expected.size());
        for (std::size_t i = 0; i < names.size(); ++i) {
            ASSERT_EQ(names[i].text, expected[i].text) << "round " << round << " at " << i;
            ASSERT_EQ(names[i].bytes, expected[i].bytes) << "round " << round << " at " << i;
        }
    }
}

} // namespace
