#include "app/screenshots/shots.h"

#include "controls/colorbutton.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <QWidget>

namespace {

// One gallery per edge style: the button as it looks when idle, under the pointer, pressed,
// focused (the active default) and disabled; saved as is and magnified four times.
void shootStyle(const QString& dir, dorva::ColorButton::ButtonStyle style, const QString& name) {
    QWidget window;
    auto* grid = new QGridLayout(&window);
    const char* states[] = {"normal", "hover", "pressed", "focused", "disabled"};
    dorva::ColorButton* buttons[5] = {};
    for (int i = 0; i < 5; ++i) {
        auto* button = new dorva::ColorButton(&window);
        button->setText("Color");
        button->setFixedSize(33, 16);
        button->setButtonStyle(style);
        grid->addWidget(button, 0, i, Qt::AlignCenter);
        grid->addWidget(new QLabel(states[i], &window), 1, i, Qt::AlignCenter);
        buttons[i] = button;
    }
    window.show();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();

    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QApplication::sendEvent(buttons[1], &enter);
    buttons[2]->setDown(true);
    buttons[3]->setFocus();
    buttons[4]->setEnabled(false);
    QApplication::processEvents();

    const QImage image = window.grab().toImage();
    image.save(QDir(dir).filePath(name + ".png"));
    image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .save(QDir(dir).filePath(name + "-x4.png"));
}

} // namespace

void shootColorButtons(const QString& dir) {
    shootStyle(dir, dorva::ColorButton::bsStd, "colorbutton-std");
    shootStyle(dir, dorva::ColorButton::bsIELike, "colorbutton-ielike");
    shootStyle(dir, dorva::ColorButton::bsNone, "colorbutton-none");
}
