#include "controls/fieldlist.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace dorva {

namespace {

class FieldListAccessible : public QAccessibleWidget {
public:
    explicit FieldListAccessible(FieldList* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        const auto* list = static_cast<const FieldList*>(widget());
        if (t == QAccessible::Value)
            return list->isEditable() ? list->lineEdit()->text() : list->currentText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* fieldListAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(FieldList::staticMetaObject.className()))
        return new FieldListAccessible(static_cast<FieldList*>(object));
    return nullptr;
}

} // namespace

FieldList::FieldList(QWidget* parent) : QComboBox(parent) {
    // Asked before Qt's own interfaces, which know only the base class's name.
    static const bool installed = (QAccessible::installFactory(fieldListAccessible), true);
    (void)installed;
}

} // namespace dorva
