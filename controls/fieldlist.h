#pragma once

#include <QComboBox>

namespace dorva {

// The drop-down list of a field. A screen reader names it by its accessible name (the field's
// caption) and reads the entry it shows as its value; a plain list on Linux would be named
// after the entry it shows.
class FieldList : public QComboBox {
    Q_OBJECT
public:
    explicit FieldList(QWidget* parent = nullptr);
};

} // namespace dorva
