#include "pages/kitpage.h"

#include "document/document.h"
#include "formats/filename.h"
#include "pages/pagelayout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dorva {

namespace {

constexpr int kSlotWidth = 302;
constexpr int kSlotHeight = kGroupTop + 2 * kRowHeight + 10;

} // namespace

KitPage::KitPage(Document& document, Dialogs& dialogs, QWidget* parent)
    : DocumentPage(Kind::Kit, document, dialogs, parent) {
    int y = 8;
    QLineEdit* texture = addTextField(this, "KitTexture", {80, y, 200, kFieldHeight});
    addFieldLabel(this, texture, {kPageMargin, y, 62, kFieldHeight});
    addBrowseButton(this, texture, {284, y - 1, 26, kFieldHeight + 2});

    kitName_ = addField<QLineEdit>(this, "Edit06k", 390, y, 235);
    makeReadOnlyField(kitName_);
    addLabel(this, tr("Kit Name"), 326, y, 62)->setBuddy(kitName_);

    y += 32;
    auto* kit1 = new QGroupBox(tr("Kit 1"), this);
    kit1->setGeometry(kPageMargin, y, kSlotWidth, kSlotHeight);
    addSlot(kit1, "Item1", "Count1", "GrenadeLauncher", "Button27");
    auto* kit2 = new QGroupBox(tr("Kit 2"), this);
    kit2->setGeometry(kPageMargin + kSlotWidth + 13, y, kSlotWidth, kSlotHeight);
    QPushButton* last = addSlot(kit2, "Item2", "Count2", "ExtraAmmo", "Button29");
    placeShellControls(this, kShellControlsTop, last);
    showDocument();
}

QPushButton* KitPage::addSlot(QWidget* group, const char* item, const char* count,
                              const char* check, const char* clearButton) {
    const int fieldX = 72;
    const int buttonWidth = 72;
    const int buttonX = kSlotWidth - kPageMargin - buttonWidth;
    int y = kGroupTop;
    QLineEdit* itemEdit =
        addTextField(group, item, {fieldX, y, buttonX - fieldX - 6, kFieldHeight});
    addFieldLabel(group, itemEdit, {kPageMargin, y, 62, kFieldHeight});
    addBrowseButton(group, itemEdit, {buttonX, y - 1, buttonWidth, kFieldHeight + 2},
                    tr("Browse..."));

    y += kRowHeight + 4;
    QLineEdit* countEdit = addTextField(group, count, {fieldX, y, 54, kFieldHeight});
    addFieldLabel(group, countEdit, {kPageMargin, y, 62, kFieldHeight});
    addFlagField(group, check, {fieldX + 60, y, 84, kFieldHeight});
    auto* clear = new QPushButton(tr("Clear"), group);
    clear->setObjectName(QString::fromLatin1(clearButton));
    clear->setAccessibleName(tr("Clear %1").arg(static_cast<QGroupBox*>(group)->title()));
    clear->setGeometry(buttonX, y - 1, buttonWidth, kFieldHeight + 2);
    // The check boxes stay as they are.
    connect(clear, &QPushButton::clicked, this, [this, clear, itemEdit, countEdit, item, count] {
        step(clear->accessibleName().toStdString(), {&field(item), &field(count)}, [&] {
            itemEdit->clear();
            countEdit->clear();
        });
    });
    return clear;
}

void KitPage::showRest(bool) {
    showFieldText(kitName_, QString::fromStdString(pathText(fileNameOf(document().openedPath()))));
}

} // namespace dorva
