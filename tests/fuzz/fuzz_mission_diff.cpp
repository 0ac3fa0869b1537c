// Mission files: the one-scan loader and saver against the step-by-step ones. Both must give the
// same record or the same error, and the same bytes, for the unedited record and for one whose
// values are moved between fields, so that tags inside values land where later steps search.
// The loader that takes over the text and the saver that writes over it must agree too.
#include "formats/doctext.h"
#include "formats/error.h"
#include "formats/missionfile.h"
#include "missionoracle.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using dorva::MissionRecord;

// The record, or the error message in place of it.
template <class Load> std::string outcome(Load load, const std::string& text, MissionRecord& r) {
    try {
        r = load(text);
        return missionoracle::describe(r);
    } catch (const dorva::Error& e) {
        return std::string("error: ") + e.what();
    }
}

void expectSameSave(const MissionRecord& record, const std::string& text) {
    const std::string saved = dorva::saveMission(record, text);
    if (saved != missionoracle::saveMission(record, text) ||
        saved != dorva::saveMissionTakingText(record, std::string(text)))
        std::abort();
}

std::uint32_t next(std::uint32_t& choice) {
    choice = choice * 1103515245u + 12345u;
    return choice >> 8;
}

// Moves every text value some fields on, gives some fields a short piece of the text (half a
// tag, say, which the text behind the value may complete) and changes the other fields, all as
// the input chooses.
void edit(MissionRecord& r, const std::string& text, std::uint32_t choice) {
    std::vector<std::string*> fields;
    for (const auto field : missionoracle::textFields())
        fields.push_back(&(r.*field));
    std::vector<std::string> values;
    for (const std::string* field : fields)
        values.push_back(*field);
    const std::size_t shift = next(choice) % fields.size();
    for (std::size_t i = 0; i < fields.size(); ++i)
        *fields[i] = values[(i + shift) % values.size()];
    for (int piece = 0; piece < 3 && !text.empty(); ++piece) {
        const std::size_t start = next(choice) % text.size();
        *fields[next(choice) % fields.size()] = text.substr(start, next(choice) % 16);
    }
    for (bool* flag : {&r.fogOverride, &r.demoRequired, &r.demoRecommend, &r.antitankRequired,
                       &r.antitankRecommend, &r.singlePlayer, &r.coop, &r.team, &r.solo,
                       &r.requiresUnlocking, &r.gameTypes})
        if (next(choice) & 1)
            *flag = !*flag;
    r.precipitation = static_cast<dorva::Precipitation>(next(choice) % 3);
    for (int& c : r.classes)
        c = static_cast<int>(next(choice) % 5) - 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text =
        dorva::normalizeLineBreaks(std::string_view(reinterpret_cast<const char*>(data), size));
    MissionRecord record;
    MissionRecord oracleRecord;
    const std::string loaded = outcome(dorva::loadMission, text, record);
    if (loaded != outcome(missionoracle::loadMission, text, oracleRecord))
        std::abort();
    const auto takeText = [](const std::string& t) {
        return dorva::loadMissionTakingText(std::string(t));
    };
    MissionRecord takenRecord;
    if (loaded != outcome(takeText, text, takenRecord))
        std::abort();
    if (loaded.rfind("error: ", 0) == 0)
        return 0;
    expectSameSave(record, text);

    std::uint32_t choice = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        choice = (choice ^ data[i]) * 16777619u;
    edit(record, text, choice);
    expectSameSave(record, text);
    return 0;
}
