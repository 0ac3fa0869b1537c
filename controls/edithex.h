#pragma once

#include <QLineEdit>

namespace dorva {

// Numeric edit field (placeholder: a plain line edit until the number mode arrives).
class EditHex : public QLineEdit {
    Q_OBJECT
public:
    enum NumericalType { Decimal, HexDecimal };
    Q_ENUM(NumericalType)

    explicit EditHex(QWidget* parent = nullptr) : QLineEdit(parent) {}
    NumericalType numericType() const { return numericType_; }
    void setNumericType(NumericalType t) { numericType_ = t; }

private:
    NumericalType numericType_ = HexDecimal;
};

} // namespace dorva
