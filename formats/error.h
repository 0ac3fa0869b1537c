#pragma once

#include <stdexcept>
#include <string>

namespace dorva {

// An error the user sees: the message is the exact text of the error box, in UTF-8.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// The standard messages. Arguments are UTF-8; callers convert file bytes first (codec.h).
std::string messageCannotOpen(const std::string& path); // "ファイル %s は開けません"
std::string messageCannotCreate(const std::string& path); // "ファイル %s を作成できません"
std::string messageNotInteger(const std::string& text); // "'%s' は整数ではありません"
std::string messageNotBoolean(const std::string& text); // "'%s' は正しい論理型ではありません"
std::string messageTooLarge(); // "文字列の大きさが メモ の制限を越えました"

// The error box shows the message followed by "." unless it already ends in a
// character that sorts at or below ".".
std::string withFinalPeriod(const std::string& message);

} // namespace dorva
