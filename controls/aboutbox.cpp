#include "controls/aboutbox.h"

#include "formats/version.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace dorva {

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("AboutBox");
    setWindowTitle("Version Info");
    setFixedSize(260, 125);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setGeometry(8, 8, 241, 73);
    // A sunken outer and raised inner edge: the etched frame.
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);

    auto* product = new QLabel("Dorvanel", panel);
    product->setObjectName("ProductName");
    product->move(10, 16);
    product->adjustSize();

    auto* version = new QLabel(QString("Version %1").arg(kVersion), panel);
    version->setObjectName("Version");
    version->adjustSize();
    // A font wider than the one the box was laid out for would push the text past the edge.
    version->move(qMin(174, panel->width() - 8 - version->width()), 16);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setGeometry(95, 92, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

} // namespace dorva
