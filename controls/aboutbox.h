#pragma once

#include <QDialog>

namespace dorva {

// "Version Info": the product name and version, closed by "OK" or Enter.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace dorva
