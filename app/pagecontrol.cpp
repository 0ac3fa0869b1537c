#include "app/pagecontrol.h"

#include <QTabBar>

namespace dorva {

namespace {

constexpr int kTabHeight = 18;

class PageTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        QSize size = QTabBar::tabSizeHint(index);
        size.setHeight(kTabHeight);
        return size;
    }
};

} // namespace

PageControl::PageControl(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new PageTabBar(this));
}

} // namespace dorva
