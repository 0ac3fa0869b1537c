#include "pages/missionpage.h"

#include "controls/briefingdialog.h"
#include "controls/colorbutton.h"
#include "controls/editablelist.h"
#include "controls/edithex.h"
#include "document/document.h"
#include "document/fields.h"
#include "pages/pagelayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <algorithm>

namespace dorva {

namespace {

constexpr int kLineHeight = 20;

void addCaption(QWidget* parent, const QString& caption, int x, int y, int width,
                int height = kLineHeight) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(x, y, width, height);
}

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
    : DocumentPage('m',
                   {QStringLiteral("Mission File(*.mis)|*.mis"),
                    QStringLiteral("Mission File(*.mis)|*.mis")},
                   document, dialogs, parent),
      listCompleter_(makeSharedListCompleter(this)) {
    buildMapProperties();
    buildBriefing();
    buildMissionProperties();
    placeShellControls();

    const Field& precipitation = field("RadioButton1");
    for (QRadioButton* button : {clear_, rain_, snow_})
        connect(button, &QRadioButton::toggled, this, [this, button, &precipitation](bool on) {
            if (on)
                change([&] { precipitation.set(this->document(), button->text().toStdString()); });
        });
    connect(fogButton_, &QPushButton::clicked, this, &MissionPage::chooseFogColour);
    showDocument();
}

QLineEdit* MissionPage::addTextField(QWidget* group, const char* name, bool numeric, int x, int y,
                                     int width) {
    QLineEdit* edit = nullptr;
    if (numeric) {
        auto* number = new EditHex(group);
        number->setNumericType(EditHex::Decimal);
        edit = number;
    } else {
        edit = new QLineEdit(group);
    }
    edit->setObjectName(name);
    edit->setGeometry(x, y, width, kLineHeight);
    bindText(edit, field(name));
    return edit;
}

QCheckBox* MissionPage::addFlag(QWidget* group, const char* name, const QString& caption, int x,
                                int y, int width) {
    auto* box = new QCheckBox(caption, group);
    box->setObjectName(name);
    box->setGeometry(x, y, width, 18);
    bindFlag(box, field(name));
    return box;
}

void MissionPage::buildMapProperties() {
    auto* group = new QGroupBox("Map Properties", this);
    group->setGeometry(4, 0, 304, 234);

    const struct {
        const char* name;
        const char* caption;
    } texts[] = {
        {"Edit01m", "Environment"},
        {"Edit02m", "Map Shots"},
        {"Edit03m", "Map Name"},
    };
    int y = 18;
    for (const auto& text : texts) {
        addCaption(group, text.caption, 8, y, 84);
        addTextField(group, text.name, false, 94, y, 202);
        y += 22;
    }
    addCaption(group, "Recommend\nGame Type", 8, y - 2, 84, 30);
    addTextField(group, "Edit04m", false, 94, y + 2, 202);

    y = 114;
    const struct {
        QRadioButton** button;
        const char* name;
        const char* caption;
        int x;
        int width;
    } radios[] = {
        {&clear_, "RadioButton1", "Clear", 8, 56},
        {&rain_, "RadioButton2", "Rain", 66, 50},
        {&snow_, "RadioButton3", "Snow", 118, 56},
    };
    for (const auto& radio : radios) {
        *radio.button = new QRadioButton(radio.caption, group);
        (*radio.button)->setObjectName(radio.name);
        (*radio.button)->setGeometry(radio.x, y + 1, radio.width, 18);
    }
    addCaption(group, "Intensity", 178, y, 50);
    intensity_ = addTextField(group, "Edit05m", true, 230, y, 66);

    y += 24;
    addCaption(group, "Wind", 8, y, 84);
    addTextField(group, "Edit06m", true, 94, y, 38);
    addCaption(group, "Map Size", 136, y, 52);
    addList(group, "Edit07m", 188, y - 1, 108);

    y += 24;
    addFlag(group, "CheckGTF", "Available Custom GameType", 8, y + 1, 288);

    y += 22;
    addFlag(group, "CheckFog", "Fog OverRide", 8, y + 1, 104);
    fogButton_ = new ColorButton(group);
    fogButton_->setObjectName("FogButton");
    fogButton_->setText("Color");
    fogButton_->setGeometry(114, y + 2, 33, 16);
    const struct {
        const char* name;
        int x;
    } colours[] = {
        {"ColorEdit01", 152},
        {"ColorEdit02", 200},
        {"ColorEdit03", 248},
    };
    for (const auto& colour : colours)
        colourFields_.push_back(addTextField(group, colour.name, false, colour.x, y, 46));

    y += 24;
    const struct {
        const char* name;
        const char* caption;
        int x;
    } distances[] = {
        {"Edit08m", "Near", 8},
        {"Edit09m", "Far", 104},
        {"Edit10m", "Spot", 200},
    };
    for (const auto& distance : distances) {
        addCaption(group, distance.caption, distance.x, y, 32);
        fogFields_.push_back(addTextField(group, distance.name, true, distance.x + 32, y, 56));
    }
}

void MissionPage::buildBriefing() {
    auto* group = new QGroupBox("Briefing", this);
    group->setGeometry(312, 0, 312, 234);

    const struct {
        const char* name;
        const char* caption;
    } texts[] = {
        {"Edit11m", "Image"},
        {"Edit12m", "Cycle Image"},
        {nullptr, "Weather"},
        {"Edit14m", "Location"},
    };
    int y = 18;
    for (const auto& text : texts) {
        addCaption(group, text.caption, 8, y, 70);
        if (text.name)
            addTextField(group, text.name, false, 80, y, 224);
        else
            addList(group, "Edit13m", 80, y - 1, 160);
        y += 22;
    }

    addCaption(group, "Date", 8, y, 70);
    addTextField(group, "Edit15m", false, 80, y, 110);
    addCaption(group, "Time", 198, y, 32);
    addTextField(group, "Edit16m", false, 232, y, 72);

    y += 22;
    addCaption(group, "Wav", 8, y, 70);
    addTextField(group, "Edit17m", false, 80, y, 138);
    addCaption(group, "Text", 226, y, 26);
    auto* edit = new QPushButton("Edit", group);
    edit->setObjectName("Button25");
    edit->setGeometry(254, y, 50, kLineHeight);
    connect(edit, &QPushButton::clicked, this, [this] { briefingDialog()->exec(); });

    y += 24;
    const struct {
        const char* name;
        const char* caption;
    } flags[] = {
        {"CheckDemoReq", "Demo charges required"},
        {"CheckRocketReq", "AT Rocket required"},
        {"CheckDemoReco", "Demo charges recommended"},
        {"CheckRocketReco", "AT Rocket recommended"},
    };
    for (const auto& flag : flags) {
        addFlag(group, flag.name, flag.caption, 8, y, 296);
        y += 18;
    }
}

void MissionPage::buildMissionProperties() {
    auto* group = new QGroupBox("Mission Properties", this);
    group->setGeometry(4, 236, 620, 148);

    addCaption(group, "Name", 8, 16, 80);
    addTextField(group, "Edit18m", false, 90, 16, 206);

    auto* modes = new QGroupBox("Supported Mode", group);
    modes->setGeometry(8, 38, 288, 56);
    addFlag(modes, "CheckSP", "Single", 8, 17, 120);
    addFlag(modes, "CheckMC", "MP Coop", 144, 17, 120);
    addFlag(modes, "CheckMT", "MP Team", 8, 35, 120);
    addFlag(modes, "CheckMS", "MP Solo", 144, 35, 120);

    addFlag(group, "CheckUnlock", "Requires Unlocking", 8, 99, 140);
    addCaption(group, "Combat Points", 150, 98, 86);
    addTextField(group, "Edit19m", true, 238, 98, 58);
    addCaption(group, "Unlock Heros", 8, 122, 80);
    addTextField(group, "Edit20m", false, 90, 122, 206);

    auto* team = new QGroupBox("Default Team", group);
    team->setGeometry(304, 12, 308, 130);
    const char* const captions[] = {"Alpha 1", "Alpha 2", "Alpha 3",
                                    "Bravo 1", "Bravo 2", "Charie 1"};
    for (int i = 0; i < 6; ++i) {
        const int x = i < 3 ? 8 : 156;
        const int y = 22 + (i % 3) * 34;
        addCaption(team, captions[i], x, y, 50);
        addList(team, QString("Edit%1m").arg(21 + i), x + 50, y - 1, 96);
    }
}

QComboBox* MissionPage::addList(QWidget* group, const QString& name, int x, int y, int width) {
    auto* list = new QComboBox(group);
    list->setObjectName(name);
    makeEditable(list, listCompleter_);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setGeometry(x, y, width, 22);
    bindList(list, field(name));
    connect(list->lineEdit(), &QLineEdit::editingFinished, list, [list] { settleTypedText(list); });
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
        briefing_ = new BriefingDialog(this);
        briefing_->setText(QString::fromStdString(document().text(field("BrfMemo"))));
        connect(briefing_->memo(), &QPlainTextEdit::textChanged, this, [this] {
            change(
                [this] { document().setText(field("BrfMemo"), briefing_->text().toStdString()); });
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
    const Precipitation p = d.mission().precipitation;
    clear_->setChecked(p == Precipitation::Clear);
    rain_->setChecked(p == Precipitation::Rain);
    snow_->setChecked(p == Precipitation::Snow);
    setInputEnabled(intensity_, intensityEnabled(p));
    fogButton_->setColor(fogColour());
    // Only the memo itself edits the briefing, so an edit leaves the memo as the user made it.
    // A new document takes away what the last one left to undo, even in the same text.
    if (briefing_ && newDocument) {
        const QString text = QString::fromStdString(d.text(field("BrfMemo")));
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
    colourFields_[0]->setText(QString::number(chosen->red()));
    colourFields_[1]->setText(QString::number(chosen->green()));
    colourFields_[2]->setText(QString::number(chosen->blue()));
}

} // namespace dorva
