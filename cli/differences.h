#pragma once

#include "document/comparison.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <vector>

namespace dorva {

// "PREFIXKEY: A -> B" a line, the values as show prints them.
void printFieldDifferences(std::ostream& out, const std::string& prefix,
                           const std::vector<FieldDifference>& fields);

// The lines of printFieldDifferences, then "PREFIXother text differs" when it does.
void printComparison(std::ostream& out, const std::string& prefix, const Comparison& comparison);

// {"a": A, "b": B, "fields": [{"key": K, "a": V, "b": V}, ...], "otherTextDiffers": BOOL},
// the values as show --json gives them.
nlohmann::ordered_json comparisonJson(const std::string& a, const std::string& b,
                                      const Comparison& comparison);

} // namespace dorva
