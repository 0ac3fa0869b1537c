#include "app/uifont.h"

#include <QApplication>
#include <QStringList>

namespace dorva {

QFont uiFont() {
    // The first installed family wins; characters it lacks come from any Japanese-capable font
    // the font configuration offers, so Japanese text never shows as boxes. Naming the families
    // avoids listing every installed font at start-up.
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(12);
    return font;
}

void applyUiFont() {
    QApplication::setFont(uiFont());
}

} // namespace dorva
