#include "cli/differences.h"

#include "cli/shownvalue.h"
#include "document/fields.h"
#include "formats/codec.h"

namespace dorva {

void printFieldDifferences(std::ostream& out, const std::string& prefix,
                           const std::vector<FieldDifference>& fields) {
    for (const FieldDifference& difference : fields) {
        out << prefix << difference.field->key << ": ";
        writeShownValue(out, difference.values.at(0));
        out << " -> ";
        writeShownValue(out, difference.values.at(1));
        out << '\n';
    }
}

void printComparison(std::ostream& out, const std::string& prefix, const Comparison& comparison) {
    printFieldDifferences(out, prefix, comparison.fields);
    if (comparison.otherTextDiffers)
        out << prefix << "other text differs\n";
}

nlohmann::ordered_json comparisonJson(const std::string& a, const std::string& b,
                                      const Comparison& comparison) {
    nlohmann::ordered_json fields = nlohmann::ordered_json::array();
    for (const FieldDifference& difference : comparison.fields)
        fields.push_back({{"key", difference.field->key},
                          {"a", cp932ToUtf8(difference.values.at(0))},
                          {"b", cp932ToUtf8(difference.values.at(1))}});
    return {{"a", a},
            {"b", b},
            {"fields", std::move(fields)},
            {"otherTextDiffers", comparison.otherTextDiffers}};
}

} // namespace dorva
