#include "pages/actorpage.h"

#include "controls/edithex.h"
#include "controls/textcodec.h"
#include "formats/doctext.h"
#include "formats/fieldrules.h"
#include "pages/fieldhooks.h"
#include "pages/listvalue.h"
#include "pages/pagelayout.h"

#include <QComboBox>
#include <QCompleter>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <tuple>

namespace dorva {

using E = ActorElement;

struct ActorPage::BrowseRow {
    const char* caption;
    ActorElement element;
    const char* field;
    const char* button;
    BrowseKind kind;
    int column; // 0 left, 1 right
};

namespace {

constexpr int kLabelX = kPageMargin;
constexpr int kBrowseColumnWidth = 196;

QComboBox* addList(QWidget* parent, const char* name, const std::array<const char*, 4>& entries,
                   bool editable, int x, int y, int width) {
    auto* list = addField<QComboBox>(parent, name, x, y, width);
    list->setEditable(editable);
    for (const char* entry : entries)
        list->addItem(QString::fromLatin1(entry));
    if (editable) {
        list->setInsertPolicy(QComboBox::NoInsert);
        // Completing a suggestion never changes the letter case of what was typed.
        list->completer()->setCaseSensitivity(Qt::CaseSensitive);
        list->setCurrentIndex(-1);
        list->setEditText(QString());
    }
    return list;
}

} // namespace

ActorPage::ActorPage(Dialogs& dialogs, QWidget* parent)
    : DocumentPage('a',
                   {QStringLiteral("Actor File(*.atr)|*.atr"),
                    QStringLiteral("Actor File(*.atr)|*.atr|All File(*.*)|*.*"),
                    QStringLiteral("atr"), QStringLiteral("*.atr")},
                   dialogs, parent) {
    buildLeftColumn();

    auto* attached = new QGroupBox(tr("Attached Model"), this);
    attached->setGeometry(220, 2, 405, 100);
    addBrowseRows(
        attached,
        {
            {"Head", E::HeadAttachment, "Edit24a", "Button19", BrowseKind::Model, 0},
            {"Lower Spine", E::SpineLowAttachment, "Edit26a", "Button20", BrowseKind::Model, 0},
            {"Left Thigh", E::LeftThighAttachment, "Edit28a", "Button21", BrowseKind::Model, 0},
            {"Neck", E::NeckAttachment, "Edit25a", "Button22", BrowseKind::Model, 1},
            {"Mid Spine", E::SpineMidAttachment, "Edit27a", "Button23", BrowseKind::Model, 1},
            {"Right Thigh", E::RightThighAttachment, "Edit29a", "Button24", BrowseKind::Model, 1},
        });

    auto* faces = new QGroupBox(tr("???"), this);
    faces->setGeometry(220, 106, 405, 52);
    addBrowseRows(
        faces,
        {
            {"Action Face", E::ActionFaceName, "Edit36a", "Button31", BrowseKind::Texture, 0},
            {"Shell Face", E::ShellFaceName, "Edit37a", "Button32", BrowseKind::Texture, 1},
        });

    // The three variants side by side along the lower half.
    const int variantTop = 164;
    const int variantWidth = 203;
    const int variantHeight = kGroupTop + 6 * kRowHeight + 6;
    auto* normal = new QGroupBox(tr("Normal"), this);
    normal->setGeometry(8, variantTop, variantWidth, variantHeight);
    addBrowseRows(normal,
                  {
                      {"Face", E::ModelFace, "Edit08a", "Button1", BrowseKind::Texture, 0},
                      {"Blink", E::BlinkFaceName, "Edit09a", "Button2", BrowseKind::Texture, 0},
                      {"LOD1", E::ModelName, "Edit10a", "Button3", BrowseKind::Character, 0},
                      {"LOD2", E::LOD2, "Edit11a", "Button4", BrowseKind::Character, 0},
                      {"LOD3", E::LOD3, "Edit12a", "Button5", BrowseKind::Character, 0},
                      {"LOD4", E::LOD4, "Edit13a", "Button6", BrowseKind::Character, 0},
                  });
    auto* desert = new QGroupBox(tr("Desert"), this);
    desert->setGeometry(8 + variantWidth + 4, variantTop, variantWidth, variantHeight);
    addBrowseRows(desert,
                  {
                      {"D Face", E::DesertModelFace, "Edit18a", "Button7", BrowseKind::Texture, 0},
                      {"D Blink", E::DesertBlinkFace, "Edit19a", "Button8", BrowseKind::Texture, 0},
                      {"D LOD1", E::DesertLOD1, "Edit20a", "Button9", BrowseKind::Character, 0},
                      {"D LOD2", E::DesertLOD2, "Edit21a", "Button10", BrowseKind::Character, 0},
                      {"D LOD3", E::DesertLOD3, "Edit22a", "Button11", BrowseKind::Character, 0},
                      {"D LOD4", E::DesertLOD4, "Edit23a", "Button12", BrowseKind::Character, 0},
                  });
    auto* jungle = new QGroupBox(tr("Jungle"), this);
    jungle->setGeometry(8 + 2 * (variantWidth + 4), variantTop, variantWidth, variantHeight);
    addBrowseRows(
        jungle, {
                    {"J Face", E::JungleModelFace, "Edit30a", "Button13", BrowseKind::Texture, 0},
                    {"J Blink", E::JungleBlinkFace, "Edit31a", "Button14", BrowseKind::Texture, 0},
                    {"J LOD1", E::JungleLOD1, "Edit32a", "Button15", BrowseKind::Character, 0},
                    {"J LOD2", E::JungleLOD2, "Edit33a", "Button16", BrowseKind::Character, 0},
                    {"J LOD3", E::JungleLOD3, "Edit34a", "Button17", BrowseKind::Character, 0},
                    {"J LOD4", E::JungleLOD4, "Edit35a", "Button18", BrowseKind::Character, 0},
                });

    placeShellControls(this, kShellControlsTop,
                       findChild<QPushButton*>(QStringLiteral("Button18")));
}

void ActorPage::buildLeftColumn() {
    const int fieldX = 58;
    const int fieldWidth = 150;
    int y = 6;
    const auto nextRow = [&y]() {
        const int row = y;
        y += 26;
        return row;
    };

    int row = nextRow();
    addLabel(this, tr("Name"), kLabelX, row, 48);
    textFields_.emplace_back(E::ActorName,
                             addField<QLineEdit>(this, "Edit01a", fieldX, row, fieldWidth));

    row = nextRow();
    addLabel(this, tr("Class"), kLabelX, row, 48);
    classList_ = addList(this, "Edit02a", kActorClasses, false, fieldX, row, fieldWidth);

    row = nextRow();
    addLabel(this, tr("Armor"), kLabelX, row, 48);
    armorList_ = addList(this, "Edit03a", kArmorLevels, false, fieldX, row, fieldWidth);

    row = nextRow();
    addLabel(this, tr("Kit Path"), kLabelX, row, 48);
    kitPathBox_ = addList(this, "Edit04a", kKitPathSuggestions, true, fieldX, row, fieldWidth);

    const auto report = [this](const QString& message) { reportError(message); };

    row = nextRow();
    addLabel(this, tr("Stats"), kLabelX, row, 48);
    const std::array<std::pair<E, const char*>, 4> stats = {{
        {E::Weapon, "Edit14a"},
        {E::Stamina, "Edit15a"},
        {E::Stealth, "Edit16a"},
        {E::Leadership, "Edit17a"},
    }};
    for (std::size_t i = 0; i < stats.size(); ++i) {
        auto* field =
            addField<QLineEdit>(this, stats[i].second, fieldX + static_cast<int>(i) * 38, row, 36);
        installDigitKeyFilter(field);
        installLeaveRepair(field, repairStatistic, report);
        textFields_.emplace_back(stats[i].first, field);
    }

    // The scale has no leave rule: any digits are kept as typed.
    row = nextRow();
    const std::array<std::tuple<E, const char*, const char*>, 3> scale = {{
        {E::ScaleX, "X", "Edit05a"},
        {E::ScaleY, "Y", "Edit06a"},
        {E::ScaleZ, "Z", "Edit07a"},
    }};
    for (std::size_t i = 0; i < scale.size(); ++i) {
        const int x = fieldX + static_cast<int>(i) * 51;
        addLabel(this, tr(std::get<1>(scale[i])), x, row, 12);
        auto* field = addField<EditHex>(this, std::get<2>(scale[i]), x + 12, row, 36);
        field->setNumericType(EditHex::Decimal);
        installDigitKeyFilter(field);
        textFields_.emplace_back(std::get<0>(scale[i]), field);
    }
}

void ActorPage::addBrowseRows(QWidget* group, const std::vector<BrowseRow>& rows) {
    // The label column is as wide as the group's longest caption needs.
    const bool twoColumns = rows.back().column == 1;
    const int labelWidth = twoColumns ? 72 : 50;
    const int buttonWidth = 24;
    const int columnWidth = twoColumns ? kBrowseColumnWidth : group->width() - 2 * kLabelX;
    const int fieldWidth = columnWidth - labelWidth - buttonWidth - 4;
    int rowInColumn[2] = {0, 0};
    for (const BrowseRow& row : rows) {
        const int x = kLabelX + row.column * kBrowseColumnWidth;
        const int y = kGroupTop + rowInColumn[row.column]++ * kRowHeight;
        addLabel(group, tr(row.caption), x, y, labelWidth);
        auto* field = addField<QLineEdit>(group, row.field, x + labelWidth, y, fieldWidth);
        auto* button = new QPushButton(QStringLiteral("..."), group);
        button->setObjectName(row.button);
        button->setGeometry(x + labelWidth + fieldWidth + 2, y, buttonWidth, kFieldHeight);
        connect(button, &QPushButton::clicked, this,
                [this, field, kind = row.kind]() { browse(field, kind); });
        textFields_.emplace_back(row.element, field);
    }
}

void ActorPage::browse(QLineEdit* field, BrowseKind kind) {
    QString path;
    switch (kind) {
    case BrowseKind::Texture:
        path =
            dialogs().openFile(this, QStringLiteral("Texture Bitmap(*.rsb)|*.rsb"), textureDialog_);
        break;
    case BrowseKind::Character:
        path = dialogs().openFile(this, QStringLiteral("Character File(*.chr)|*.chr"),
                                  characterDialog_);
        break;
    case BrowseKind::Model:
        path = dialogs().openFile(this, QStringLiteral("Model File(*.qob)|*.qob"), modelDialog_);
        break;
    }
    if (!path.isEmpty())
        showFieldText(field, QFileInfo(path).fileName());
}

void ActorPage::loadDocument(const std::string& bytes) {
    // Parsing comes first: when it fails, the page keeps showing what it showed.
    showRecord(loadActor(normalizeLineBreaks(bytes)));
}

void ActorPage::showRecord(const ActorRecord& record) {
    for (const auto& [element, field] : textFields_)
        showFieldText(field, toQString(record[element]));
    showListText(classList_, toQString(record[E::ClassName]));
    showListIndex(armorList_, toQString(record[E::ArmorLevel]));
    kitPathBox_->setEditText(toQString(record[E::KitPath]));
}

ActorRecord ActorPage::recordFromFields() const {
    ActorRecord record;
    for (const auto& [element, field] : textFields_)
        record[element] = toBytes(field->text(), field->objectName().toStdString());
    record[E::ClassName] = toBytes(classList_->currentText(), "Edit02a");
    record[E::ArmorLevel] = toBytes(listIndexText(armorList_), "Edit03a");
    record[E::KitPath] = toBytes(kitPathBox_->currentText(), "Edit04a");
    return record;
}

std::string ActorPage::outputBytes() {
    return saveActor(recordFromFields());
}

} // namespace dorva
