#pragma once

#include "formats/missionfile.h"

#include <string>
#include <string_view>

namespace dorva {

// The fog override element's six attributes. Only the first "<FogOverride" element is looked
// at: its attribute markers are searched from its start up to its first "/>" (or the end of
// the text), so quotes and "/>" of other elements never delimit a fog value.

// Sets fogOverride when the word "FogOverride" occurs anywhere; the six values then come from
// the fog element, empty when there is none. Without the word the record keeps its values.
void readFogOverride(std::string_view text, MissionRecord& record);

// Does nothing unless fogOverride is set. Inserts the default element after the first
// "</Wind>" when the word "FogOverride" occurs nowhere, then writes the six values into the
// fog element; without a fog element nothing changes.
void writeFogOverride(const MissionRecord& record, std::string& text);

} // namespace dorva
