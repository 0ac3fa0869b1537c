#include "pages/kitpage.h"

#include "document/document.h"
#include "document/fields.h"
#include "formats/filename.h"
#include "pages/pagelayout.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace dorva {

namespace {

const char* const kTextureFilter = "Texture Bitmap(*.rsb)|*.rsb";
const char* const kItemFilter = "Support File(*.gun,*.itm,*.prj)|*.gun;*.itm;*.prj";

constexpr int kSlotWidth = 302;
constexpr int kSlotHeight = kGroupTop + 2 * kRowHeight + 10;

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, int x, int y,
                       int width) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, y, width, kFieldHeight + 2);
    return button;
}

struct SlotControls {
    QLineEdit* item;
    QLineEdit* count;
    QCheckBox* check;
};

// One item slot: item name with "Browse...", the count with the slot's check box, "Clear".
SlotControls addSlot(QGroupBox* group, const char* itemName, const char* browseName,
                     const char* countName, const char* checkName, const QString& checkCaption,
                     const char* clearName) {
    const int fieldX = 72;
    const int buttonWidth = 72;
    const int buttonX = kSlotWidth - kPageMargin - buttonWidth;
    int y = kGroupTop;
    addLabel(group, QObject::tr("Item"), kPageMargin, y, 62);
    auto* item = addField<QLineEdit>(group, itemName, fieldX, y, buttonX - fieldX - 6);
    addButton(group, browseName, QObject::tr("Browse..."), buttonX, y - 1, buttonWidth);
    y += kRowHeight + 4;
    addLabel(group, QObject::tr("Mag Count"), kPageMargin, y, 62);
    auto* count = addField<QLineEdit>(group, countName, fieldX, y, 54);
    auto* check = new QCheckBox(checkCaption, group);
    check->setObjectName(QString::fromLatin1(checkName));
    check->setGeometry(fieldX + 60, y, 84, kFieldHeight);
    addButton(group, clearName, QObject::tr("Clear"), buttonX, y - 1, buttonWidth);
    return {item, count, check};
}

} // namespace

KitPage::KitPage(Document& document, Dialogs& dialogs, QWidget* parent)
    : DocumentPage(
          'k', {QStringLiteral("Kit File(*.kit)|*.kit"), QStringLiteral("Kit File(*.kit)|*.kit")},
          document, dialogs, parent) {
    int y = 8;
    addLabel(this, tr("Kit Texture"), kPageMargin, y, 62);
    auto* texture = addField<QLineEdit>(this, "Edit05k", 80, y, 200);
    auto* textureButton = addButton(this, "Button30", QStringLiteral("..."), 284, y - 1, 26);

    addLabel(this, tr("Kit Name"), 326, y, 62);
    kitName_ = addField<QLineEdit>(this, "Edit06k", 390, y, 235);
    makeReadOnlyField(kitName_);

    y += 32;
    auto* kit1 = new QGroupBox(tr("Kit 1"), this);
    kit1->setGeometry(kPageMargin, y, kSlotWidth, kSlotHeight);
    const SlotControls slot1 =
        addSlot(kit1, "Edit01k", "Button26", "Edit02k", "GLCheckBox", tr("GL"), "Button27");
    auto* kit2 = new QGroupBox(tr("Kit 2"), this);
    kit2->setGeometry(kPageMargin + kSlotWidth + 13, y, kSlotWidth, kSlotHeight);
    const SlotControls slot2 =
        addSlot(kit2, "Edit03k", "Button28", "Edit04k", "AmmoCheckBox", tr("Ex Ammo"), "Button29");
    placeShellControls(this, kShellControlsTop,
                       findChild<QPushButton*>(QStringLiteral("Button29")));

    bindText(texture, field("Edit05k"));
    for (const SlotControls& slot : {slot1, slot2}) {
        bindText(slot.item, field(slot.item->objectName()));
        bindText(slot.count, field(slot.count->objectName()));
        // The rules of a click also follow a change the other check box makes.
        bindFlag(slot.check, field(slot.check->objectName()));
    }

    const QString items = QString::fromLatin1(kItemFilter);
    connect(textureButton, &QPushButton::clicked, this, [this, texture] {
        browse(texture, QString::fromLatin1(kTextureFilter), textureDialog_);
    });
    connect(findChild<QPushButton*>(QStringLiteral("Button26")), &QPushButton::clicked, this,
            [this, items, slot1] { browse(slot1.item, items, itemDialog_); });
    connect(findChild<QPushButton*>(QStringLiteral("Button28")), &QPushButton::clicked, this,
            [this, items, slot2] { browse(slot2.item, items, itemDialog_); });
    for (const auto& [button, slot] : {std::pair{"Button27", slot1}, std::pair{"Button29", slot2}})
        connect(findChild<QPushButton*>(QString::fromLatin1(button)), &QPushButton::clicked, this,
                [slot = slot] {
                    slot.item->clear();
                    slot.count->clear();
                });
    showDocument();
}

void KitPage::browse(QLineEdit* field, const QString& filter, FileDialogState& state) {
    const QString path = dialogs().openFile(this, filter, state);
    if (!path.isEmpty())
        showFieldText(field, QFileInfo(path).fileName());
}

void KitPage::showRest(bool) {
    showFieldText(kitName_, QString::fromStdString(pathText(fileNameOf(document().openedPath()))));
}

} // namespace dorva
