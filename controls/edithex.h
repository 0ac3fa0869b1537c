#pragma once

#include <QLineEdit>

namespace dorva {

// One-line edit field that can hold a whole number in decimal or "$"-prefixed hexadecimal form
// and keeps it normalised while the user types (number mode, NumeralOnly). With number mode off
// it is a plain field that never takes a line break and lets Tab and Enter through to the window.
//
// value()/setValue() are the field's text as the program reads and writes it: in number mode
// without the group separators and normalised on writing, otherwise the text unchanged.
// QLineEdit::text()/setText() keep showing and setting the window text as it stands.
class EditHex : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(TextAlignment textAlignment READ textAlignment WRITE setTextAlignment)
    Q_PROPERTY(bool fourDigit READ fourDigit WRITE setFourDigit)
    Q_PROPERTY(NumericalPlace maxPlaces READ maxPlaces WRITE setMaxPlaces)
    Q_PROPERTY(bool numeralOnly READ numeralOnly WRITE setNumeralOnly)
    Q_PROPERTY(NumericalType numericType READ numericType WRITE setNumericType)
    Q_PROPERTY(QString value READ value WRITE setValue)

public:
    enum TextAlignment { LeftJustify, RightJustify, Center };
    Q_ENUM(TextAlignment)
    enum NumericalPlace { Places2, Places4, Places8 };
    Q_ENUM(NumericalPlace)
    enum NumericalType { Decimal, HexDecimal };
    Q_ENUM(NumericalType)

    explicit EditHex(QWidget* parent = nullptr);

    TextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TextAlignment alignment);
    bool fourDigit() const { return fourDigit_; }
    void setFourDigit(bool on);
    NumericalPlace maxPlaces() const { return maxPlaces_; }
    void setMaxPlaces(NumericalPlace places);
    bool numeralOnly() const { return numeralOnly_; }
    void setNumeralOnly(bool on);
    NumericalType numericType() const { return numericType_; }
    void setNumericType(NumericalType type);

    // Number of hexadecimal digits shown: 2, 4 or 8, following maxPlaces.
    int hexWidth() const { return hexWidth_; }

    QString value() const;
    void setValue(const QString& value);

    // Rebuilds the window text after a typed character in number mode, keeping the caret's
    // distance from the end of the text.
    virtual void reformatText();
    virtual QString filterDecimal(const QString& text) const;
    virtual QString filterHex(const QString& text) const;
    virtual QString normalizeNumber(const QString& text) const;
    virtual QString insertSeparators(const QString& text) const;
    virtual QString removeSeparators(const QString& text) const;

signals:
    // A typed character before the field takes it (Backspace, Enter and the control characters
    // of Ctrl shortcuts included). A handler may replace it, or set it to a null character to
    // drop it; Enter is never inserted whatever the handler does.
    void keyPress(QChar& key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Formats the window text again after a change of FourDigit, MaxPlaces or NumericType;
    // throws Error when the window text is not an integer.
    void rerender();
    // Brings the window text into number form when number mode is switched on.
    void convert();
    QString formatNumber(int n) const;
    QString grouped(const QString& number) const;

    TextAlignment alignment_ = LeftJustify;
    bool fourDigit_ = false;
    NumericalPlace maxPlaces_ = Places8;
    bool numeralOnly_ = false;
    NumericalType numericType_ = HexDecimal;
    int hexWidth_ = 8;
    bool shownOnce_ = false;
};

} // namespace dorva
