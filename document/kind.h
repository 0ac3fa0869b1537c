#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace dorva {

// The three kinds of data file, in the order of the editor's pages.
enum class Kind { Mission, Actor, Kit };
inline constexpr std::array<Kind, 3> kKindsInPageOrder = {Kind::Mission, Kind::Actor, Kind::Kit};

// "actor", "kit" or "mission": the name dorva-cli takes.
const char* kindName(Kind kind);
std::optional<Kind> kindFromName(std::string_view name);

// "Actor", "Kit" or "Mission": the caption of the kind's page.
const char* kindCaption(Kind kind);

// The kind a file name's extension stands for: .atr, .kit or .mis in any letter case.
std::optional<Kind> kindFromExtension(std::string_view path);

// The extension a save dialog adds ("atr", "kit" or "mis").
const char* kindExtension(Kind kind);
// The file list's mask for the kind's page: "*.atr", "*.kit" or "*.mis".
std::string kindFileMask(Kind kind);
// The kind whose file list's mask is exactly mask (kindFileMask); none for any other mask.
std::optional<Kind> kindFromFileMask(std::string_view mask);

// The filters of the kind's Open and Save dialogs, as "Description|pattern|Description|pattern".
const char* kindOpenFilter(Kind kind);
const char* kindSaveFilter(Kind kind);

} // namespace dorva
