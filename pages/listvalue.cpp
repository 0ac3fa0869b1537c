#include "pages/listvalue.h"

#include <QComboBox>

namespace dorva {

namespace {

constexpr int kExtraRole = Qt::UserRole + 1;

bool isExtra(const QComboBox* list, int index) {
    return index >= 0 && list->itemData(index, kExtraRole).toBool();
}

void removeExtraEntries(QComboBox* list) {
    for (int i = list->count() - 1; i >= 0; --i)
        if (isExtra(list, i))
            list->removeItem(i);
}

void selectExtraEntry(QComboBox* list, const QString& text) {
    list->addItem(text);
    list->setItemData(list->count() - 1, true, kExtraRole);
    list->setCurrentIndex(list->count() - 1);
}

} // namespace

void showListText(QComboBox* list, const QString& text) {
    removeExtraEntries(list);
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
    else
        selectExtraEntry(list, text);
}

void showListIndex(QComboBox* list, const QString& text) {
    removeExtraEntries(list);
    bool ok = false;
    const int index = text.toInt(&ok);
    if (ok && index >= 0 && index < list->count() && text == QString::number(index))
        list->setCurrentIndex(index);
    else
        selectExtraEntry(list, text);
}

bool hasUnselectedExtraEntry(const QComboBox* list) {
    for (int i = 0; i < list->count(); ++i)
        if (isExtra(list, i) && i != list->currentIndex())
            return true;
    return false;
}

QString listIndexText(const QComboBox* list) {
    const int index = list->currentIndex();
    return isExtra(list, index) ? list->itemText(index) : QString::number(index);
}

} // namespace dorva
