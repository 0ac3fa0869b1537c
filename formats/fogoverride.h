#pragma once

#include "formats/editedtext.h"
#include "formats/missionfile.h"
#include "formats/tagindex.h"

namespace dorva {

// The fog override element's six attributes. Only the first "<FogOverride" element is looked
// at: its attribute markers are searched from its start up to its first "/>" (or the end of
// the text), so quotes and "/>" of other elements never delimit a fog value. Both are fastest
// when the index's names hold "FogOverride" as a prefix.

// Sets fogOverride when the word "FogOverride" occurs anywhere in the indexed text; the six
// values then come from the fog element, empty when there is none. Without the word the
// record keeps its values.
void readFogOverride(const TagIndex& index, MissionRecord& record);

// Does nothing unless fogOverride is set. Inserts the default element after the first
// "</Wind>" when the word "FogOverride" occurs nowhere, then writes the six values into the
// fog element; without a fog element nothing changes.
void writeFogOverride(const MissionRecord& record, EditedText& text);

} // namespace dorva
