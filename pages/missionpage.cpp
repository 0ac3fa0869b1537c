#include "pages/missionpage.h"

#include "controls/briefingdialog.h"
#include "controls/colorbutton.h"
#include "controls/editablelist.h"
#include "document/document.h"
#include "document/fields.h"
#include "pages/fieldhooks.h"
#include "pages/pagelayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <algorithm>

namespace dorva {

namespace {

constexpr int kLineHeight = 20;

// The colour component a field stands for: the number as typed, kept within 0 to 255; a text
// that is no number counts as 255, as an empty field is repaired.
int colourComponent(const std::string& text) {
    bool ok = false;
    const qlonglong value = QString::fromStdString(text).trimmed().toLongLong(&ok);
    if (!ok)
        return 255;
    return static_cast<int>(std::clamp<qlonglong>(value, 0, 255));
}

// Typed text that names an entry selects it; other typed text gives way to the selected
// entry's text, so the list never shows what a save would not write.
void settleTypedText(QComboBox* list) {
    const int typed = list->findText(list->currentText(), Qt::MatchFixedString);
    if (typed >= 0 && typed != list->currentIndex())
        list->setCurrentIndex(typed);
    else
        list->setEditText(list->itemText(list->currentIndex()));
}

} // namespace

MissionPage::MissionPage(Document& document, Dialogs& dialogs, QWidget* parent)
    : DocumentPage(Kind::Mission, document, dialogs, parent),
      listCompleter_(makeSharedListCompleter(this)) {
    buildMapProperties();
    buildBriefing();
    buildMissionProperties();
    placeShellControls();
    connect(fogButton_, &QPushButton::clicked, this, &MissionPage::chooseFogColour);
    showDocument();
}

QLineEdit* MissionPage::addLabelledText(QWidget* group, const char* key, int labelX, int labelWidth,
                                        int x, int y, int width) {
    QLineEdit* edit = addTextField(group, key, {x, y, width, kLineHeight});
    addFieldLabel(group, edit, {labelX, y, labelWidth, kLineHeight});
    return edit;
}

QCheckBox* MissionPage::addFlag(QWidget* group, const char* key, int x, int y, int width) {
    return addFlagField(group, key, {x, y, width, 18});
}

void MissionPage::buildMapProperties() {
    auto* group = new QGroupBox("Map Properties", this);
    group->setGeometry(4, 0, 304, 234);

    int y = 18;
    for (const char* key : {"Environment", "MapShots", "MapName"}) {
        addLabelledText(group, key, 8, 84, 94, y, 202);
        y += 22;
    }
    QLineEdit* recommend =
        addTextField(group, "RecommendedGameTypes", {94, y + 2, 202, kLineHeight});
    addFieldLabel(group, recommend, {8, y - 2, 84, 30});

    y = 114;
    addChoiceField(group, "Precipitation",
                   {{8, y + 1, 56, 18}, {66, y + 1, 50, 18}, {118, y + 1, 56, 18}});
    intensity_ = addLabelledText(group, "Weather", 178, 50, 230, y, 66);

    y += 24;
    addLabelledText(group, "Wind", 8, 84, 94, y, 38);
    QComboBox* mapSize = addList(group, "MapSize", 188, y - 1, 108);
    addFieldLabel(group, mapSize, {136, y, 52, kLineHeight});

    y += 24;
    addFlag(group, "GameTypes", 8, y + 1, 288);

    y += 22;
    addFlag(group, "FogOverride", 8, y + 1, 104);
    fogButton_ = new ColorButton(group);
    fogButton_->setObjectName("FogButton");
    fogButton_->setText("Color");
    fogButton_->setAccessibleName(tr("Fog colour"));
    fogButton_->setGeometry(114, y + 2, 33, 16);
    const struct {
        const char* name;
        int x;
    } colours[] = {
        {"FogRed", 152},
        {"FogGreen", 200},
        {"FogBlue", 248},
    };
    for (const auto& colour : colours)
        colourFields_.push_back(addTextField(group, colour.name, {colour.x, y, 46, kLineHeight}));

    y += 24;
    const struct {
        const char* name;
        int x;
    } distances[] = {
        {"FogNear", 8},
        {"FogFar", 104},
        {"FogSpot", 200},
    };
    for (const auto& distance : distances)
        fogFields_.push_back(
            addLabelledText(group, distance.name, distance.x, 32, distance.x + 32, y, 56));
}

void MissionPage::buildBriefing() {
    auto* group = new QGroupBox("Briefing", this);
    group->setGeometry(312, 0, 312, 234);

    int y = 18;
    for (const char* key :
         {"BriefingImage", "BriefingCycleImage", "WeatherIndex", "LocationText"}) {
        if (field(key).type == FieldType::IndexList)
            addFieldLabel(group, addList(group, key, 80, y - 1, 160), {8, y, 70, kLineHeight});
        else
            addLabelledText(group, key, 8, 70, 80, y, 224);
        y += 22;
    }

    addLabelledText(group, "DateText", 8, 70, 80, y, 110);
    addLabelledText(group, "TimeText", 198, 32, 232, y, 72);

    y += 22;
    addLabelledText(group, "BriefingWaveFile", 8, 70, 80, y, 138);
    const Field& briefing = field("BriefingText");
    auto* edit = new QPushButton("Edit", group);
    edit->setObjectName("Button25");
    edit->setAccessibleName(tr("Edit %1").arg(QString::fromStdString(briefing.caption)));
    edit->setGeometry(254, y, 50, kLineHeight);
    auto* label = new QLabel(QString::fromStdString(labelText(briefing)), group);
    label->setGeometry(226, y, 26, kLineHeight);
    label->setBuddy(edit);
    setFocusTarget(briefing, edit);
    connect(edit, &QPushButton::clicked, this, [this, &briefing] {
        step(briefing.caption, {&briefing}, [this] { briefingDialog()->exec(); });
    });

    y += 24;
    for (const char* key :
         {"DemoRequired", "AntitankRequired", "DemoRecommend", "AntitankRecommend"}) {
        addFlag(group, key, 8, y, 296);
        y += 18;
    }
}

void MissionPage::buildMissionProperties() {
    auto* group = new QGroupBox("Mission Properties", this);
    group->setGeometry(4, 236, 620, 148);

    addLabelledText(group, "Name", 8, 80, 90, 16, 206);

    auto* modes = new QGroupBox("Supported Mode", group);
    modes->setGeometry(8, 38, 288, 56);
    addFlag(modes, "SinglePlayer", 8, 17, 120);
    addFlag(modes, "Coop", 144, 17, 120);
    addFlag(modes, "Team", 8, 35, 120);
    addFlag(modes, "Solo", 144, 35, 120);

    addFlag(group, "RequiresUnlocking", 8, 99, 140);
    addLabelledText(group, "CombatPoints", 150, 86, 238, 98, 58);
    addLabelledText(group, "HeroFile", 8, 80, 90, 122, 206);

    auto* team = new QGroupBox("Default Team", group);
    team->setGeometry(304, 12, 308, 130);
    // Row by row, as the slots read.
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 2; ++column) {
            const int slot = column * 3 + row;
            const int x = column == 0 ? 8 : 156;
            const int y = 22 + row * 34;
            const std::string key = "Class" + std::to_string(slot);
            addFieldLabel(team, addList(team, key.c_str(), x + 50, y - 1, 96),
                          {x, y, 50, kLineHeight});
        }
    }
}

QComboBox* MissionPage::addList(QWidget* group, const char* key, int x, int y, int width) {
    QComboBox* list = addListField(group, key, {x, y, width, 22});
    makeEditable(list, listCompleter_);
    list->setInsertPolicy(QComboBox::NoInsert);
    connect(list->lineEdit(), &QLineEdit::editingFinished, list, [list] { settleTypedText(list); });
    // Typing has its own undo; the undo keys go to the page when there is none.
    installFieldFocus(
        list, list->lineEdit(), [] {}, [] {});
    lists_.push_back(list);
    return list;
}

void MissionPage::placeShellControls() {
    openButton()->setGeometry(4, 388, 64, 22);
    saveButton()->setGeometry(72, 388, 64, 22);
    saveAsButton()->setGeometry(140, 388, 72, 22);
    statusField()->setGeometry(216, 388, 408, 22);
}

void MissionPage::settleEdits() {
    for (QComboBox* list : lists_)
        settleTypedText(list);
}

BriefingDialog* MissionPage::briefingDialog() {
    if (!briefing_) {
        briefing_ = new BriefingDialog(QString::fromStdString(field("BriefingText").caption), this);
        briefing_->setText(QString::fromStdString(document().text(field("BriefingText"))));
        connect(briefing_->memo(), &QPlainTextEdit::textChanged, this, [this] {
            change([this] {
                document().setText(field("BriefingText"), briefing_->text().toStdString());
            });
        });
    }
    return briefing_;
}

void MissionPage::showRest(bool newDocument) {
    const Document& d = document();
    const bool fog = d.mission().fogOverride;
    for (QLineEdit* edit : fogFields_)
        setInputEnabled(edit, fog);
    for (QLineEdit* edit : colourFields_)
        setInputEnabled(edit, fog);
    setInputEnabled(intensity_, intensityEnabled(d.mission().precipitation));
    fogButton_->setColor(fogColour());
    // Only the memo itself edits the briefing, so an edit leaves the memo as the user made it.
    // A new document takes away what the last one left to undo, even in the same text.
    if (briefing_ && newDocument) {
        const QString text = QString::fromStdString(d.text(field("BriefingText")));
        const QTextDocument* memo = briefing_->memo()->document();
        if (briefing_->text() != text || memo->isUndoAvailable() || memo->isRedoAvailable())
            briefing_->setText(text);
    }
}

QColor MissionPage::fogColour() const {
    const MissionRecord& m = document().mission();
    return QColor(colourComponent(m.fogRed), colourComponent(m.fogGreen),
                  colourComponent(m.fogBlue));
}

void MissionPage::chooseFogColour() {
    const std::optional<QColor> chosen = dialogs().chooseColor(this, fogColour());
    if (!chosen)
        return;
    step(fogButton_->accessibleName().toStdString(),
         {&field("FogRed"), &field("FogGreen"), &field("FogBlue")}, [&] {
             colourFields_[0]->setText(QString::number(chosen->red()));
             colourFields_[1]->setText(QString::number(chosen->green()));
             colourFields_[2]->setText(QString::number(chosen->blue()));
         });
}

} // namespace dorva
