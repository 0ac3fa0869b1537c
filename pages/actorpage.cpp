#include "pages/actorpage.h"

#include "controls/fieldlist.h"
#include "document/fields.h"
#include "pages/pagelayout.h"

#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dorva {

namespace {

constexpr int kLabelX = kPageMargin;
constexpr int kBrowseColumnWidth = 196;

} // namespace

ActorPage::ActorPage(Document& document, Dialogs& dialogs, QWidget* parent)
    : DocumentPage(Kind::Actor, document, dialogs, parent) {
    buildLeftColumn();

    auto* attached = new QGroupBox(tr("Attached Model"), this);
    attached->setGeometry(220, 2, 405, 100);
    addBrowseRows(attached, {{"HeadAttachment", 0},
                             {"NeckAttachment", 1},
                             {"SpineLowAttachment", 0},
                             {"SpineMidAttachment", 1},
                             {"LeftThighAttachment", 0},
                             {"RightThighAttachment", 1}});

    auto* faces = new QGroupBox(tr("???"), this);
    faces->setGeometry(220, 106, 405, 52);
    addBrowseRows(faces, {{"ActionFaceName", 0}, {"ShellFaceName", 1}});

    // The three variants side by side along the lower half.
    const int variantTop = 164;
    const int variantWidth = 203;
    const int variantHeight = kGroupTop + 6 * kRowHeight + 6;
    const struct {
        const char* title;
        const char* fields[6];
    } variants[] = {
        {"Normal", {"ModelFace", "BlinkFaceName", "ModelName", "LOD2", "LOD3", "LOD4"}},
        {"Desert",
         {"DesertModelFace", "DesertBlinkFace", "DesertLOD1", "DesertLOD2", "DesertLOD3",
          "DesertLOD4"}},
        {"Jungle",
         {"JungleModelFace", "JungleBlinkFace", "JungleLOD1", "JungleLOD2", "JungleLOD3",
          "JungleLOD4"}},
    };
    int x = 8;
    QPushButton* last = nullptr;
    for (const auto& variant : variants) {
        auto* group = new QGroupBox(tr(variant.title), this);
        group->setGeometry(x, variantTop, variantWidth, variantHeight);
        std::vector<BrowseRow> rows;
        for (const char* field : variant.fields)
            rows.push_back({field, 0});
        addBrowseRows(group, rows);
        last = group->findChildren<QPushButton*>().back();
        x += variantWidth + 4;
    }

    placeShellControls(this, kShellControlsTop, last);
    showDocument();
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
    const auto labelled = [this](QWidget* control, int row) {
        addFieldLabel(this, control, {kLabelX, row, 48, kFieldHeight});
    };

    int row = nextRow();
    labelled(addTextField(this, "ActorName", {fieldX, row, fieldWidth, kFieldHeight}), row);
    row = nextRow();
    labelled(addListField(this, "ClassName", {fieldX, row, fieldWidth, kFieldHeight}), row);
    row = nextRow();
    labelled(addListField(this, "ArmorLevel", {fieldX, row, fieldWidth, kFieldHeight}), row);

    // The kit path is free text; its list offers the usual paths.
    row = nextRow();
    const Field& kitPathField = field("KitPath");
    auto* kitPath =
        addField<FieldList>(this, kitPathField.control.c_str(), fieldX, row, fieldWidth);
    kitPath->setEditable(true);
    kitPath->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& path : kitPathField.entries)
        kitPath->addItem(QString::fromStdString(path));
    // Completing a suggestion never changes the letter case of what was typed.
    kitPath->completer()->setCaseSensitivity(Qt::CaseSensitive);
    kitPath->setCurrentIndex(-1);
    bindText(kitPath->lineEdit(), kitPathField);
    kitPath->setAccessibleName(QString::fromStdString(kitPathField.caption));
    labelled(kitPath, row);

    // The statistics are repaired when left; the scale keeps any digits as typed.
    row = nextRow();
    addLabel(this, tr("Stats"), kLabelX, row, 48);
    const char* const stats[] = {"Weapon", "Stamina", "Stealth", "Leadership"};
    for (int i = 0; i < 4; ++i)
        addTextField(this, stats[i], {fieldX + i * 38, row, 36, kFieldHeight});

    row = nextRow();
    const char* const scale[] = {"ScaleX", "ScaleY", "ScaleZ"};
    for (int i = 0; i < 3; ++i) {
        const int x = fieldX + i * 51;
        QWidget* edit = addTextField(this, scale[i], {x + 12, row, 36, kFieldHeight});
        addFieldLabel(this, edit, {x, row, 12, kFieldHeight});
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
        QLineEdit* edit =
            addTextField(group, row.field, {x + labelWidth, y, fieldWidth, kFieldHeight});
        addFieldLabel(group, edit, {x, y, labelWidth, kFieldHeight});
        addBrowseButton(group, edit,
                        {x + labelWidth + fieldWidth + 2, y, buttonWidth, kFieldHeight});
    }
}

} // namespace dorva
