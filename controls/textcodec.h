#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace dorva {

// Code page 932 bytes to a widget's text and back, losslessly (see formats/codec.h).
QString toQString(std::string_view bytes);

// Throws Error naming the field when the text holds a character that code page 932 lacks.
std::string toBytes(const QString& text, std::string_view fieldName);

} // namespace dorva
