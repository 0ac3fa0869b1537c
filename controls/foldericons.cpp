#include "controls/foldericons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace dorva {

namespace {

const QColor kOutline(0x80, 0x60, 0x10);
const QColor kBack(0xe8, 0xb8, 0x40);
const QColor kFront(0xf8, 0xd8, 0x70);

// A 16 x 16 folder: its back with the tab, and a front that lies flat or, open, leans forward.
QIcon folderIcon(bool open) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(kBack);
    painter.drawPolygon(
        QPolygonF({{1.5, 3.5}, {6.5, 3.5}, {7.5, 5.5}, {14.5, 5.5}, {14.5, 13.5}, {1.5, 13.5}}));
    painter.setBrush(kFront);
    if (open)
        painter.drawPolygon(QPolygonF({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}));
    else
        painter.drawRect(QRectF(1.5, 6.5, 13, 7));
    return QIcon(pixmap);
}

} // namespace

QIcon openFolderIcon() {
    return folderIcon(true);
}

QIcon closedFolderIcon() {
    return folderIcon(false);
}

} // namespace dorva
