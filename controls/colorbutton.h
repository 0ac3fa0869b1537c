#pragma once

#include <QColor>
#include <QPushButton>

namespace dorva {

// Flat colour button (placeholder until its own painting arrives).
class ColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit ColorButton(QWidget* parent = nullptr) : QPushButton(parent) {}
    QColor color() const { return color_; }
    void setColor(const QColor& c) { color_ = c; update(); }

private:
    QColor color_;
};

} // namespace dorva
