#include "pages/kitpage.h"

#include "controls/textcodec.h"
#include "formats/doctext.h"
#include "formats/error.h"
#include "formats/fieldrules.h"
#include "pages/fieldhooks.h"
#include "pages/pagelayout.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

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

// An input field has the window colour; a disabled or read-only one the button-face colour.
void setFieldColour(QLineEdit* field, bool input) {
    const QPalette surroundings = field->parentWidget()->palette();
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, surroundings.color(input ? QPalette::Base : QPalette::Button));
    field->setPalette(palette);
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

KitPage::KitPage(Dialogs& dialogs, QWidget* parent)
    : DocumentPage('k',
                   {QStringLiteral("Kit File(*.kit)|*.kit"),
                    QStringLiteral("Kit File(*.kit)|*.kit"), QStringLiteral("kit"),
                    QStringLiteral("*.kit")},
                   dialogs, parent) {
    int y = 8;
    addLabel(this, tr("Kit Texture"), kPageMargin, y, 62);
    texture_ = addField<QLineEdit>(this, "Edit05k", 80, y, 200);
    auto* textureButton = addButton(this, "Button30", QStringLiteral("..."), 284, y - 1, 26);

    addLabel(this, tr("Kit Name"), 326, y, 62);
    kitName_ = addField<QLineEdit>(this, "Edit06k", 390, y, 235);
    kitName_->setReadOnly(true);
    kitName_->setFocusPolicy(Qt::ClickFocus);
    setFieldColour(kitName_, false);

    y += 32;
    auto* kit1 = new QGroupBox(tr("Kit 1"), this);
    kit1->setGeometry(kPageMargin, y, kSlotWidth, kSlotHeight);
    const SlotControls slot1 =
        addSlot(kit1, "Edit01k", "Button26", "Edit02k", "GLCheckBox", tr("GL"), "Button27");
    auto* kit2 = new QGroupBox(tr("Kit 2"), this);
    kit2->setGeometry(kPageMargin + kSlotWidth + 13, y, kSlotWidth, kSlotHeight);
    const SlotControls slot2 =
        addSlot(kit2, "Edit03k", "Button28", "Edit04k", "AmmoCheckBox", tr("Ex Ammo"), "Button29");
    item1_ = slot1.item;
    count1_ = slot1.count;
    grenadeLauncher_ = slot1.check;
    item2_ = slot2.item;
    count2_ = slot2.count;
    extraAmmo_ = slot2.check;

    placeShellControls(this, kShellControlsTop,
                       findChild<QPushButton*>(QStringLiteral("Button29")));

    const auto report = [this](const QString& message) { reportError(message); };
    for (QLineEdit* count : {count1_, count2_}) {
        installDigitKeyFilter(count);
        installLeaveRepair(count, repairCount, report);
    }

    connect(textureButton, &QPushButton::clicked, this,
            [this]() { browse(texture_, QString::fromLatin1(kTextureFilter), textureDialog_); });
    connect(findChild<QPushButton*>(QStringLiteral("Button26")), &QPushButton::clicked, this,
            [this]() { browse(item1_, QString::fromLatin1(kItemFilter), itemDialog_); });
    connect(findChild<QPushButton*>(QStringLiteral("Button28")), &QPushButton::clicked, this,
            [this]() { browse(item2_, QString::fromLatin1(kItemFilter), itemDialog_); });
    connect(findChild<QPushButton*>(QStringLiteral("Button27")), &QPushButton::clicked, this,
            [this]() {
                item1_->clear();
                count1_->clear();
            });
    connect(findChild<QPushButton*>(QStringLiteral("Button29")), &QPushButton::clicked, this,
            [this]() {
                item2_->clear();
                count2_->clear();
            });
    // The rules follow every change of state, by a click or set by the program.
    connect(grenadeLauncher_, &QCheckBox::toggled, this, &KitPage::grenadeLauncherClicked);
    connect(extraAmmo_, &QCheckBox::toggled, this, &KitPage::extraAmmoClicked);

    showSecondSlot(KitRecord());
}

void KitPage::browse(QLineEdit* field, const QString& filter, FileDialogState& state) {
    const QString path = dialogs().openFile(this, filter, state);
    if (!path.isEmpty())
        showFieldText(field, QFileInfo(path).fileName());
}

KitRecord KitPage::secondSlotFromFields() const {
    KitRecord record;
    record.grenadeLauncher = grenadeLauncher_->isChecked();
    record.extraAmmo = extraAmmo_->isChecked();
    record.item2 = toBytes(item2_->text(), "Edit03k");
    record.count2 = toBytes(count2_->text(), "Edit04k");
    return record;
}

void KitPage::grenadeLauncherClicked(bool on) {
    try {
        KitRecord record = secondSlotFromFields();
        setGrenadeLauncher(record, on);
        showSecondSlot(record);
    } catch (const Error& e) {
        const QSignalBlocker block(grenadeLauncher_);
        grenadeLauncher_->setChecked(!on);
        reportError(QString::fromUtf8(e.what()));
    }
}

void KitPage::extraAmmoClicked(bool on) {
    try {
        KitRecord record = secondSlotFromFields();
        setExtraAmmo(record, on);
        showSecondSlot(record);
    } catch (const Error& e) {
        const QSignalBlocker block(extraAmmo_);
        extraAmmo_->setChecked(!on);
        reportError(QString::fromUtf8(e.what()));
    }
}

void KitPage::showSecondSlot(const KitRecord& record) {
    {
        // The record already follows the rules; showing it runs none of them again.
        const QSignalBlocker blockGrenadeLauncher(grenadeLauncher_);
        const QSignalBlocker blockExtraAmmo(extraAmmo_);
        grenadeLauncher_->setChecked(record.grenadeLauncher);
        extraAmmo_->setChecked(record.extraAmmo);
    }
    // Only changed texts are put back, so an untouched field keeps its cursor and undo history.
    const QString item2 = toQString(record.item2);
    if (item2_->text() != item2)
        showFieldText(item2_, item2);
    const QString count2 = toQString(record.count2);
    if (count2_->text() != count2)
        showFieldText(count2_, count2);
    const bool enabled = secondItemEnabled(record);
    item2_->setEnabled(enabled);
    count2_->setEnabled(true);
    setFieldColour(item2_, enabled);
}

void KitPage::loadDocument(const std::string& bytes) {
    showRecord(loadKit(normalizeLineBreaks(bytes)));
}

void KitPage::showRecord(const KitRecord& record) {
    showFieldText(texture_, toQString(record.texture));
    showFieldText(item1_, toQString(record.item1));
    showFieldText(count1_, toQString(record.count1));
    showSecondSlot(record);
}

KitRecord KitPage::recordFromFields() const {
    KitRecord record;
    record.texture = toBytes(texture_->text(), "Edit05k");
    record.item1 = toBytes(item1_->text(), "Edit01k");
    record.count1 = toBytes(count1_->text(), "Edit02k");
    record.grenadeLauncher = grenadeLauncher_->isChecked();
    record.item2 = toBytes(item2_->text(), "Edit03k");
    record.count2 = toBytes(count2_->text(), "Edit04k");
    record.extraAmmo = extraAmmo_->isChecked();
    return record;
}

std::string KitPage::outputBytes() {
    return saveKit(recordFromFields());
}

void KitPage::fileOpened(const QString& path) {
    showFieldText(kitName_, QFileInfo(path).fileName());
}

} // namespace dorva
