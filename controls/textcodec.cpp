#include "controls/textcodec.h"

#include "formats/codec.h"

namespace dorva {

QString toQString(std::string_view bytes) {
    const std::string utf8 = cp932ToUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toBytes(const QString& text, std::string_view fieldName) {
    const QByteArray utf8 = text.toUtf8();
    return utf8ToCp932OrThrow(std::string_view(utf8.constData(), utf8.size()), fieldName);
}

} // namespace dorva
