#pragma once

#include <string>
#include <vector>

namespace dorva {

class Document;
struct Field;

// A field whose value is not the same in all the documents compared, and its value in each, in
// the order the documents were given: code page 932 bytes as Field::get gives them.
struct FieldDifference {
    const Field* field;
    std::vector<std::string> values;
};

// Two documents of one kind side by side.
struct Comparison {
    std::vector<FieldDifference> fields;
    // A mission only: whether the two texts differ once both hold the same values, that is
    // whether a save of the second given the first's values would write other bytes than a save
    // of the first, MapSize and WeatherIndex (which a save keeps as read) also taken from the
    // first. Actor and kit files keep nothing beyond their fields.
    bool otherTextDiffers = false;

    bool empty() const { return fields.empty() && !otherTextDiffers; }
};

// The documents must be of one kind, else these throw std::logic_error. Fields come in
// fieldsOf() order.
std::vector<FieldDifference> differingFields(const Document& a, const Document& b);
// Also throws std::logic_error for a mission opened only to read, which keeps no text.
Comparison compare(const Document& a, const Document& b);
// Every field that differs in any of the three, for a file as it was opened, as it is on disk
// now and as the editor holds it; values in that order.
std::vector<FieldDifference> differingFields(const Document& opened, const Document& onDisk,
                                             const Document& inEditor);

} // namespace dorva
