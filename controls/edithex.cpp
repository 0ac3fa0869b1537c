#include "controls/edithex.h"

#include "controls/numberforms.h"
#include "formats/error.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <algorithm>

namespace dorva {

namespace {

// The number forms work on bytes and keep only ASCII characters, so UTF-8 carries the window
// text there and back without loss.
std::string bytes(const QString& text) {
    return text.toStdString();
}

QString fromBytes(const std::string& text) {
    return QString::fromStdString(text);
}

Qt::Alignment toQt(EditHex::TextAlignment alignment) {
    switch (alignment) {
    case EditHex::RightJustify:
        return Qt::AlignRight | Qt::AlignVCenter;
    case EditHex::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case EditHex::LeftJustify:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

int widthOf(EditHex::NumericalPlace places) {
    switch (places) {
    case EditHex::Places2:
        return 2;
    case EditHex::Places4:
        return 4;
    case EditHex::Places8:
        break;
    }
    return 8;
}

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

EditHex::EditHex(QWidget* parent) : QLineEdit(parent) {
    setAlignment(toQt(alignment_));
}

void EditHex::setTextAlignment(TextAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    setAlignment(toQt(alignment_));
}

void EditHex::setFourDigit(bool on) {
    if (on == fourDigit_)
        return;
    fourDigit_ = on;
    if (numeralOnly_)
        rerender();
}

void EditHex::setMaxPlaces(NumericalPlace places) {
    if (places == maxPlaces_)
        return;
    maxPlaces_ = places;
    hexWidth_ = widthOf(places);
    if (numeralOnly_)
        rerender();
}

void EditHex::setNumeralOnly(bool on) {
    if (on == numeralOnly_)
        return;
    numeralOnly_ = on;
    if (numeralOnly_)
        convert();
}

void EditHex::setNumericType(NumericalType type) {
    if (type == numericType_)
        return;
    numericType_ = type;
    if (numeralOnly_)
        rerender();
}

QString EditHex::value() const {
    return numeralOnly_ ? removeSeparators(text()) : text();
}

void EditHex::setValue(const QString& value) {
    if (!numeralOnly_) {
        setText(value);
        return;
    }
    QString number = value;
    if (numericType_ == HexDecimal && !number.startsWith(QLatin1Char('$')))
        number.prepend(QLatin1Char('$'));
    setText(insertSeparators(normalizeNumber(number)));
}

QString EditHex::filterDecimal(const QString& text) const {
    return fromBytes(dorva::filterDecimal(bytes(text)));
}

QString EditHex::filterHex(const QString& text) const {
    return fromBytes(dorva::filterHex(bytes(text)));
}

QString EditHex::normalizeNumber(const QString& text) const {
    return fromBytes(dorva::normalizeNumber(bytes(text), hexWidth_));
}

QString EditHex::insertSeparators(const QString& text) const {
    return fourDigit_ ? fromBytes(dorva::insertSeparators(bytes(text))) : text;
}

QString EditHex::removeSeparators(const QString& text) const {
    return fromBytes(dorva::removeSeparators(bytes(text)));
}

QString EditHex::formatNumber(int n) const {
    return fromBytes(numericType_ == Decimal ? decimalForm(n) : hexForm(n, hexWidth_));
}

void EditHex::rerender() {
    const QString plain = removeSeparators(text());
    const auto n = parseInteger(bytes(plain));
    if (!n)
        throw Error(messageNotInteger(bytes(plain)));
    setText(insertSeparators(normalizeNumber(formatNumber(*n))));
}

void EditHex::convert() {
    const QString number = normalizeNumber(removeSeparators(text()));
    setText(insertSeparators(formatNumber(parseInteger(bytes(number)).value_or(0))));
}

void EditHex::reformatText() {
    const QString raw = text();
    const int length = static_cast<int>(raw.size());
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int end = hasSelectedText() ? selectionEnd() : cursorPosition();
    const int fromStart = length - start;
    const int fromEnd = length - end;

    QString number;
    if (numericType_ == Decimal) {
        number = normalizeNumber(filterDecimal(raw));
    } else {
        number = normalizeNumber(QLatin1Char('$') + filterHex(raw));
        number = formatNumber(parseInteger(bytes(number)).value_or(0));
    }
    const QString shown = insertSeparators(number);
    setText(shown);

    const int newLength = static_cast<int>(shown.size());
    const int newStart = std::clamp(newLength - fromStart, 0, newLength);
    const int newEnd = std::clamp(newLength - fromEnd, 0, newLength);
    if (newStart == newEnd)
        setCursorPosition(newEnd);
    else
        setSelection(newStart, newEnd - newStart);
}

void EditHex::keyPressEvent(QKeyEvent* event) {
    const QString typed = isEnter(event) ? QStringLiteral("\r") : event->text();
    // Delete types no character, and keys without text (arrows, Home) are plain editing.
    if (typed.size() != 1 || event->key() == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar key = typed.front();
    emit keyPress(key);
    if (isEnter(event)) {
        // The field takes no line break; the event goes on to the window's default button.
        QLineEdit::keyPressEvent(event);
    } else if (key.isNull()) {
        event->accept();
    } else if (key == typed.front()) {
        QLineEdit::keyPressEvent(event);
    } else {
        QKeyEvent replaced(event->type(), Qt::Key_unknown, event->modifiers(), QString(key));
        QLineEdit::keyPressEvent(&replaced);
        event->setAccepted(replaced.isAccepted());
    }
    if (numeralOnly_)
        reformatText();
}

void EditHex::inputMethodEvent(QInputMethodEvent* event) {
    QLineEdit::inputMethodEvent(event);
    if (numeralOnly_ && !event->commitString().isEmpty())
        reformatText();
}

void EditHex::showEvent(QShowEvent* event) {
    QLineEdit::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        selectAll();
    }
}

} // namespace dorva
