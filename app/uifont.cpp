#include "app/uifont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace dorva {

QFont uiFont() {
    const QStringList installed = QFontDatabase::families();
    QString family;
    for (const QString& wanted :
         {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")}) {
        if (installed.contains(wanted)) {
            family = wanted;
            break;
        }
    }
    if (family.isEmpty()) {
        const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
        if (!japanese.isEmpty())
            family = japanese.first();
    }
    QFont font = QApplication::font();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPixelSize(12);
    return font;
}

void applyUiFont() {
    QApplication::setFont(uiFont());
}

} // namespace dorva
