#pragma once

#include "formats/missionfile.h"

#include <string>
#include <string_view>
#include <vector>

// The mission loader and saver done step by step: every step searches the whole text as the
// previous step left it and edits it in place. Slow, but plainly right; the product's one-scan
// loader and saver must give the same record, the same error and the same bytes.
namespace missionoracle {

dorva::MissionRecord loadMission(std::string_view text);
std::string saveMission(const dorva::MissionRecord& record, std::string_view text);

// Every text field of the record, fog values and the briefing included.
const std::vector<std::string dorva::MissionRecord::*>& textFields();

// Every value of the record, one a line, so that two records compare as texts.
std::string describe(const dorva::MissionRecord& record);

} // namespace missionoracle
