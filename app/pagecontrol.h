#pragma once

#include <QTabWidget>

namespace dorva {

// The main window's page area: a tab widget whose tabs are 18 pixels high.
class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);
};

} // namespace dorva
