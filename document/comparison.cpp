#include "document/comparison.h"

#include "document/document.h"
#include "document/fields.h"
#include "formats/missionfile.h"

#include <initializer_list>
#include <stdexcept>
#include <string_view>

namespace dorva {

namespace {

bool sameValue(const Field& field, const Document& a, const Document& b) {
    // A briefing of megabytes is compared where it stands.
    if (field.view)
        return field.view(a) == field.view(b);
    return field.get(a) == field.get(b);
}

std::vector<FieldDifference> differences(std::initializer_list<const Document*> documents) {
    const Document& first = **documents.begin();
    for (const Document* document : documents)
        if (document->kind() != first.kind())
            throw std::logic_error("documents of different kinds compared");
    std::vector<FieldDifference> result;
    for (const Field& field : fieldsOf(first.kind())) {
        bool same = true;
        for (const Document* document : documents)
            same = same && sameValue(field, first, *document);
        if (same)
            continue;
        FieldDifference difference{&field, {}};
        for (const Document* document : documents)
            difference.values.push_back(field.get(*document));
        result.push_back(std::move(difference));
    }
    return result;
}

// The second text with the digits the first holds for the fields a save keeps as read, so that
// they differ as fields only.
std::string withDigitsOf(std::string_view first, std::string second) {
    for (const std::string_view tag : {"<MapSize>", "<WeatherIndex>"}) {
        const std::size_t a = first.find(tag);
        const std::size_t b = second.find(tag);
        if (a != std::string_view::npos && b != std::string::npos &&
            a + tag.size() < first.size() && b + tag.size() < second.size())
            second[b + tag.size()] = first[a + tag.size()];
    }
    return second;
}

bool otherTextDiffers(const Document& a, const Document& b) {
    if (a.kind() != Kind::Mission || a.missionText() == b.missionText())
        return false;
    return saveMission(a.mission(), a.missionText()) !=
           saveMission(a.mission(), withDigitsOf(a.missionText(), std::string(b.missionText())));
}

} // namespace

std::vector<FieldDifference> differingFields(const Document& a, const Document& b) {
    return differences({&a, &b});
}

Comparison compare(const Document& a, const Document& b) {
    Comparison comparison{differingFields(a, b)};
    comparison.otherTextDiffers = otherTextDiffers(a, b);
    return comparison;
}

std::vector<FieldDifference> differingFields(const Document& opened, const Document& onDisk,
                                             const Document& inEditor) {
    return differences({&opened, &onDisk, &inEditor});
}

} // namespace dorva
