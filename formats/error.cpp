#include "formats/error.h"

namespace dorva {

std::string messageCannotOpen(const std::string& path) {
    return "ファイル " + path + " は開けません";
}

std::string messageCannotCreate(const std::string& path) {
    return "ファイル " + path + " を作成できません";
}

std::string messageNotInteger(const std::string& text) {
    return "'" + text + "' は整数ではありません";
}

std::string messageNotBoolean(const std::string& text) {
    return "'" + text + "' は正しい論理型ではありません";
}

std::string messageTooLarge() {
    return "文字列の大きさが メモ の制限を越えました";
}

std::string withFinalPeriod(const std::string& message) {
    if (message.empty() || static_cast<unsigned char>(message.back()) <= '.')
        return message;
    return message + ".";
}

} // namespace dorva
