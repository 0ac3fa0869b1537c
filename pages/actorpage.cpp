#include "pages/actorpage.h"

#include "controls/edithex.h"
#include "document/fields.h"
#include "pages/pagelayout.h"

#include <QComboBox>
#include <QCompleter>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dorva {

struct ActorPage::BrowseRow {
    const char* field;
    const char* button;
    BrowseKind kind;
    int column; // 0 left, 1 right
};

namespace {

constexpr int kLabelX = kPageMargin;
constexpr int kBrowseColumnWidth = 196;

} // namespace

ActorPage::ActorPage(Document& document, Dialogs& dialogs, QWidget* parent)
    : DocumentPage('a',
                   {QStringLiteral("Actor File(*.atr)|*.atr"),
                    QStringLiteral("Actor File(*.atr)|*.atr|All File(*.*)|*.*")},
                   document, dialogs, parent) {
    buildLeftColumn();

    auto* attached = new QGroupBox(tr("Attached Model"), this);
    attached->setGeometry(220, 2, 405, 100);
    addBrowseRows(attached, {
                                {"Edit24a", "Button19", BrowseKind::Model, 0},
                                {"Edit26a", "Button20", BrowseKind::Model, 0},
                                {"Edit28a", "Button21", BrowseKind::Model, 0},
                                {"Edit25a", "Button22", BrowseKind::Model, 1},
                                {"Edit27a", "Button23", BrowseKind::Model, 1},
                                {"Edit29a", "Button24", BrowseKind::Model, 1},
                            });

    auto* faces = new QGroupBox(tr("???"), this);
    faces->setGeometry(220, 106, 405, 52);
    addBrowseRows(faces, {
                             {"Edit36a", "Button31", BrowseKind::Texture, 0},
                             {"Edit37a", "Button32", BrowseKind::Texture, 1},
                         });

    // The three variants side by side along the lower half.
    const int variantTop = 164;
    const int variantWidth = 203;
    const int variantHeight = kGroupTop + 6 * kRowHeight + 6;
    auto* normal = new QGroupBox(tr("Normal"), this);
    normal->setGeometry(8, variantTop, variantWidth, variantHeight);
    addBrowseRows(normal, {
                              {"Edit08a", "Button1", BrowseKind::Texture, 0},
                              {"Edit09a", "Button2", BrowseKind::Texture, 0},
                              {"Edit10a", "Button3", BrowseKind::Character, 0},
                              {"Edit11a", "Button4", BrowseKind::Character, 0},
                              {"Edit12a", "Button5", BrowseKind::Character, 0},
                              {"Edit13a", "Button6", BrowseKind::Character, 0},
                          });
    auto* desert = new QGroupBox(tr("Desert"), this);
    desert->setGeometry(8 + variantWidth + 4, variantTop, variantWidth, variantHeight);
    addBrowseRows(desert, {
                              {"Edit18a", "Button7", BrowseKind::Texture, 0},
                              {"Edit19a", "Button8", BrowseKind::Texture, 0},
                              {"Edit20a", "Button9", BrowseKind::Character, 0},
                              {"Edit21a", "Button10", BrowseKind::Character, 0},
                              {"Edit22a", "Button11", BrowseKind::Character, 0},
                              {"Edit23a", "Button12", BrowseKind::Character, 0},
                          });
    auto* jungle = new QGroupBox(tr("Jungle"), this);
    jungle->setGeometry(8 + 2 * (variantWidth + 4), variantTop, variantWidth, variantHeight);
    addBrowseRows(jungle, {
                              {"Edit30a", "Button13", BrowseKind::Texture, 0},
                              {"Edit31a", "Button14", BrowseKind::Texture, 0},
                              {"Edit32a", "Button15", BrowseKind::Character, 0},
                              {"Edit33a", "Button16", BrowseKind::Character, 0},
                              {"Edit34a", "Button17", BrowseKind::Character, 0},
                              {"Edit35a", "Button18", BrowseKind::Character, 0},
                          });

    placeShellControls(this, kShellControlsTop,
                       findChild<QPushButton*>(QStringLiteral("Button18")));
    showDocument();
}

template <typename Edit>
Edit* ActorPage::addText(QWidget* parent, const char* name, int x, int y, int width) {
    auto* edit = addField<Edit>(parent, name, x, y, width);
    bindText(edit, field(name));
    return edit;
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
    addLabel(this, captionOf("Edit01a"), kLabelX, row, 48);
    addText<QLineEdit>(this, "Edit01a", fieldX, row, fieldWidth);

    row = nextRow();
    addLabel(this, captionOf("Edit02a"), kLabelX, row, 48);
    bindList(addField<QComboBox>(this, "Edit02a", fieldX, row, fieldWidth), field("Edit02a"));

    row = nextRow();
    addLabel(this, captionOf("Edit03a"), kLabelX, row, 48);
    bindList(addField<QComboBox>(this, "Edit03a", fieldX, row, fieldWidth), field("Edit03a"));

    // The kit path is free text; its list offers the usual paths.
    row = nextRow();
    addLabel(this, captionOf("Edit04a"), kLabelX, row, 48);
    auto* kitPath = addField<QComboBox>(this, "Edit04a", fieldX, row, fieldWidth);
    kitPath->setEditable(true);
    kitPath->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& path : field("Edit04a").entries)
        kitPath->addItem(QString::fromStdString(path));
    // Completing a suggestion never changes the letter case of what was typed.
    kitPath->completer()->setCaseSensitivity(Qt::CaseSensitive);
    kitPath->setCurrentIndex(-1);
    bindText(kitPath->lineEdit(), field("Edit04a"));

    // The statistics are repaired when left; the scale keeps any digits as typed.
    row = nextRow();
    addLabel(this, tr("Stats"), kLabelX, row, 48);
    const char* const stats[] = {"Edit14a", "Edit15a", "Edit16a", "Edit17a"};
    for (int i = 0; i < 4; ++i)
        addText<QLineEdit>(this, stats[i], fieldX + i * 38, row, 36);

    row = nextRow();
    const char* const scale[] = {"Edit05a", "Edit06a", "Edit07a"};
    for (int i = 0; i < 3; ++i) {
        const int x = fieldX + i * 51;
        addLabel(this, captionOf(scale[i]), x, row, 12);
        addText<EditHex>(this, scale[i], x + 12, row, 36)->setNumericType(EditHex::Decimal);
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
        addLabel(group, captionOf(row.field), x, y, labelWidth);
        auto* field = addText<QLineEdit>(group, row.field, x + labelWidth, y, fieldWidth);
        auto* button = new QPushButton(QStringLiteral("..."), group);
        button->setObjectName(row.button);
        button->setGeometry(x + labelWidth + fieldWidth + 2, y, buttonWidth, kFieldHeight);
        connect(button, &QPushButton::clicked, this,
                [this, field, kind = row.kind]() { browse(field, kind); });
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

} // namespace dorva
