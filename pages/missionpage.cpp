#include "pages/missionpage.h"

#include "controls/briefingdialog.h"
#include "controls/colorbutton.h"
#include "controls/edithex.h"
#include "controls/textcodec.h"
#include "formats/doctext.h"
#include "formats/fieldrules.h"
#include "pages/fieldhooks.h"
#include "pages/listvalue.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace dorva {

namespace {

constexpr int kRowHeight = 20;

QStringList entries(const char* const* first, const char* const* last) {
    QStringList list;
    for (auto it = first; it != last; ++it)
        list << QString::fromLatin1(*it);
    return list;
}

template <std::size_t N> QStringList entries(const std::array<const char*, N>& table) {
    return entries(table.data(), table.data() + N);
}

void addLabel(QWidget* parent, const QString& caption, int x, int y, int width,
              int height = kRowHeight) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(x, y, width, height);
}

// Enabled fields have the window background, disabled ones the button face; the text stays.
void setFieldEnabled(QWidget* field, bool on) {
    field->setEnabled(on);
    QPalette palette = field->palette();
    const QColor base = on ? QApplication::palette(field).color(QPalette::Active, QPalette::Base)
                           : palette.color(QPalette::Active, QPalette::Button);
    palette.setColor(QPalette::Base, base);
    field->setPalette(palette);
}

// The colour component a field stands for: the number as typed, kept within 0 to 255; a text
// that is no number counts as 255, as an empty field is repaired.
int colourComponent(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
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

int listValue(const QComboBox* list) {
    return listIndexText(list).toInt();
}

std::string fieldBytes(const QLineEdit* edit) {
    return toBytes(edit->text(), edit->objectName().toStdString());
}

} // namespace

MissionPage::MissionPage(Dialogs& dialogs, BriefingDialog& briefing, QWidget* parent)
    : DocumentPage('m',
                   {QStringLiteral("Mission File(*.mis)|*.mis"),
                    QStringLiteral("Mission File(*.mis)|*.mis"), QStringLiteral("mis"),
                    QStringLiteral("*.mis"), false},
                   dialogs, parent),
      briefing_(briefing) {
    buildMapProperties();
    buildBriefing();
    buildMissionProperties();
    placeShellControls();

    const auto report = [this](const QString& message) { reportError(message); };
    for (QLineEdit* field : fogFields_) {
        installLeaveRepair(field, repairFogDistance, report);
    }
    for (QLineEdit* field : colourFields_) {
        installDigitKeyFilter(field);
        installLeaveRepair(field, repairColour, report);
        connect(field, &QLineEdit::textChanged, this,
                [this] { fogButton_->setColor(fogColour()); });
    }

    connect(fog_, &QCheckBox::toggled, this, &MissionPage::applyFogOverride);
    for (QRadioButton* button : {clear_, rain_, snow_})
        connect(button, &QRadioButton::toggled, this, &MissionPage::applyPrecipitation);
    connect(fogButton_, &QPushButton::clicked, this, &MissionPage::chooseFogColour);

    showRecord(MissionRecord{});
}

QLineEdit* MissionPage::addTextField(QWidget* group, const char* name,
                                     std::string MissionRecord::*value, bool numeric, int x, int y,
                                     int width) {
    QLineEdit* edit = nullptr;
    if (numeric) {
        auto* number = new EditHex(group);
        number->setNumericType(EditHex::Decimal);
        installDigitKeyFilter(number);
        edit = number;
    } else {
        edit = new QLineEdit(group);
    }
    edit->setObjectName(name);
    edit->setGeometry(x, y, width, kRowHeight);
    textFields_.push_back({edit, value});
    return edit;
}

QCheckBox* MissionPage::addFlag(QWidget* group, const char* name, const QString& caption,
                                bool MissionRecord::*value, int x, int y, int width) {
    auto* box = new QCheckBox(caption, group);
    box->setObjectName(name);
    box->setGeometry(x, y, width, 18);
    if (value)
        flags_.push_back({box, value});
    return box;
}

void MissionPage::buildMapProperties() {
    auto* group = new QGroupBox("Map Properties", this);
    group->setGeometry(4, 0, 304, 234);

    const struct {
        const char* name;
        const char* caption;
        std::string MissionRecord::*value;
    } texts[] = {
        {"Edit01m", "Environment", &MissionRecord::environment},
        {"Edit02m", "Map Shots", &MissionRecord::mapShots},
        {"Edit03m", "Map Name", &MissionRecord::mapName},
    };
    int y = 18;
    for (const auto& text : texts) {
        addLabel(group, text.caption, 8, y, 84);
        addTextField(group, text.name, text.value, false, 94, y, 202);
        y += 22;
    }
    addLabel(group, "Recommend\nGame Type", 8, y - 2, 84, 30);
    addTextField(group, "Edit04m", &MissionRecord::recommendedGameTypes, false, 94, y + 2, 202);

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
    addLabel(group, "Intensity", 178, y, 50);
    intensity_ = addTextField(group, "Edit05m", &MissionRecord::weather, true, 230, y, 66);

    y += 24;
    addLabel(group, "Wind", 8, y, 84);
    addTextField(group, "Edit06m", &MissionRecord::wind, true, 94, y, 38);
    addLabel(group, "Map Size", 136, y, 52);
    mapSize_ = addList(group, "Edit07m", entries(kMapSizes), 188, y - 1, 108);

    y += 24;
    addFlag(group, "CheckGTF", "Available Custom GameType", &MissionRecord::gameTypes, 8, y + 1,
            288);

    y += 22;
    fog_ = addFlag(group, "CheckFog", "Fog OverRide", nullptr, 8, y + 1, 104);
    fogButton_ = new ColorButton(group);
    fogButton_->setObjectName("FogButton");
    fogButton_->setText("Color");
    fogButton_->setGeometry(114, y + 2, 33, 16);
    const struct {
        const char* name;
        std::string MissionRecord::*value;
        int x;
    } colours[] = {
        {"ColorEdit01", &MissionRecord::fogRed, 152},
        {"ColorEdit02", &MissionRecord::fogGreen, 200},
        {"ColorEdit03", &MissionRecord::fogBlue, 248},
    };
    for (const auto& colour : colours)
        colourFields_.push_back(
            addTextField(group, colour.name, colour.value, false, colour.x, y, 46));

    y += 24;
    const struct {
        const char* name;
        const char* caption;
        std::string MissionRecord::*value;
        int x;
    } distances[] = {
        {"Edit08m", "Near", &MissionRecord::fogNear, 8},
        {"Edit09m", "Far", &MissionRecord::fogFar, 104},
        {"Edit10m", "Spot", &MissionRecord::fogSpot, 200},
    };
    for (const auto& distance : distances) {
        addLabel(group, distance.caption, distance.x, y, 32);
        fogFields_.push_back(
            addTextField(group, distance.name, distance.value, true, distance.x + 32, y, 56));
    }
}

void MissionPage::buildBriefing() {
    auto* group = new QGroupBox("Briefing", this);
    group->setGeometry(312, 0, 312, 234);

    const struct {
        const char* name;
        const char* caption;
        std::string MissionRecord::*value;
    } texts[] = {
        {"Edit11m", "Image", &MissionRecord::briefingImage},
        {"Edit12m", "Cycle Image", &MissionRecord::briefingCycleImage},
        {nullptr, "Weather", nullptr},
        {"Edit14m", "Location", &MissionRecord::locationText},
    };
    int y = 18;
    for (const auto& text : texts) {
        addLabel(group, text.caption, 8, y, 70);
        if (text.name)
            addTextField(group, text.name, text.value, false, 80, y, 224);
        else
            weatherIndex_ = addList(group, "Edit13m", entries(kWeatherIndexes), 80, y - 1, 160);
        y += 22;
    }

    addLabel(group, "Date", 8, y, 70);
    addTextField(group, "Edit15m", &MissionRecord::dateText, false, 80, y, 110);
    addLabel(group, "Time", 198, y, 32);
    addTextField(group, "Edit16m", &MissionRecord::timeText, false, 232, y, 72);

    y += 22;
    addLabel(group, "Wav", 8, y, 70);
    addTextField(group, "Edit17m", &MissionRecord::briefingWaveFile, false, 80, y, 138);
    addLabel(group, "Text", 226, y, 26);
    auto* edit = new QPushButton("Edit", group);
    edit->setObjectName("Button25");
    edit->setGeometry(254, y, 50, kRowHeight);
    connect(edit, &QPushButton::clicked, this, [this] { briefing_.exec(); });

    y += 24;
    const struct {
        const char* name;
        const char* caption;
        bool MissionRecord::*value;
    } flags[] = {
        {"CheckDemoReq", "Demo charges required", &MissionRecord::demoRequired},
        {"CheckRocketReq", "AT Rocket required", &MissionRecord::antitankRequired},
        {"CheckDemoReco", "Demo charges recommended", &MissionRecord::demoRecommend},
        {"CheckRocketReco", "AT Rocket recommended", &MissionRecord::antitankRecommend},
    };
    for (const auto& flag : flags) {
        addFlag(group, flag.name, flag.caption, flag.value, 8, y, 296);
        y += 18;
    }
}

void MissionPage::buildMissionProperties() {
    auto* group = new QGroupBox("Mission Properties", this);
    group->setGeometry(4, 236, 620, 148);

    addLabel(group, "Name", 8, 16, 80);
    addTextField(group, "Edit18m", &MissionRecord::name, false, 90, 16, 206);

    auto* modes = new QGroupBox("Supported Mode", group);
    modes->setGeometry(8, 38, 288, 56);
    addFlag(modes, "CheckSP", "Single", &MissionRecord::singlePlayer, 8, 17, 120);
    addFlag(modes, "CheckMC", "MP Coop", &MissionRecord::coop, 144, 17, 120);
    addFlag(modes, "CheckMT", "MP Team", &MissionRecord::team, 8, 35, 120);
    addFlag(modes, "CheckMS", "MP Solo", &MissionRecord::solo, 144, 35, 120);

    addFlag(group, "CheckUnlock", "Requires Unlocking", &MissionRecord::requiresUnlocking, 8, 99,
            140);
    addLabel(group, "Combat Points", 150, 98, 86);
    addTextField(group, "Edit19m", &MissionRecord::combatPoints, true, 238, 98, 58);
    addLabel(group, "Unlock Heros", 8, 122, 80);
    addTextField(group, "Edit20m", &MissionRecord::heroFile, false, 90, 122, 206);

    auto* team = new QGroupBox("Default Team", group);
    team->setGeometry(304, 12, 308, 130);
    const char* const captions[] = {"Alpha 1", "Alpha 2", "Alpha 3",
                                    "Bravo 1", "Bravo 2", "Charie 1"};
    for (int i = 0; i < 6; ++i) {
        const int x = i < 3 ? 8 : 156;
        const int y = 22 + (i % 3) * 34;
        addLabel(team, captions[i], x, y, 50);
        classes_.push_back(addList(team, QString("Edit%1m").arg(21 + i), entries(kTeamClasses),
                                   x + 50, y - 1, 96));
    }
}

QComboBox* MissionPage::addList(QWidget* group, const QString& name, const QStringList& entries,
                                int x, int y, int width) {
    auto* list = new QComboBox(group);
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(entries);
    list->setGeometry(x, y, width, 22);
    connect(list->lineEdit(), &QLineEdit::editingFinished, list, [list] { settleTypedText(list); });
    return list;
}

std::vector<QComboBox*> MissionPage::lists() const {
    std::vector<QComboBox*> all = {mapSize_, weatherIndex_};
    all.insert(all.end(), classes_.begin(), classes_.end());
    return all;
}

void MissionPage::placeShellControls() {
    openButton()->setGeometry(4, 388, 64, 22);
    saveButton()->setGeometry(72, 388, 64, 22);
    saveAsButton()->setGeometry(140, 388, 72, 22);
    statusField()->setGeometry(216, 388, 408, 22);
}

void MissionPage::loadDocument(const std::string& bytes) {
    std::string text = normalizeLineBreaks(bytes);
    const MissionRecord loaded = loadMission(text);
    text_ = std::move(text);
    showRecord(loaded);
    briefing_.setBriefingText(loaded.briefingText);
}

std::string MissionPage::outputBytes() {
    for (QComboBox* list : lists())
        settleTypedText(list);
    MissionRecord values = record();
    values.briefingText = briefing_.briefingText();
    std::string saved = saveMission(values, text_);
    text_ = saved;
    return saved;
}

void MissionPage::showRecord(const MissionRecord& record) {
    for (const TextField& field : textFields_)
        field.edit->setText(toQString(record.*field.value));
    for (const FlagBox& flag : flags_)
        flag.box->setChecked(record.*flag.value);
    showListIndex(mapSize_, QString::number(record.mapSize));
    showListIndex(weatherIndex_, QString::number(record.weatherIndex));
    for (std::size_t i = 0; i < classes_.size(); ++i)
        showListIndex(classes_[i], QString::number(record.classes[i]));
    fog_->setChecked(record.fogOverride);
    applyFogOverride(record.fogOverride);
    showPrecipitation(record.precipitation);
}

MissionRecord MissionPage::record() const {
    MissionRecord record;
    for (const TextField& field : textFields_)
        record.*field.value = fieldBytes(field.edit);
    for (const FlagBox& flag : flags_)
        record.*flag.value = flag.box->isChecked();
    record.fogOverride = fog_->isChecked();
    record.mapSize = listValue(mapSize_);
    record.weatherIndex = listValue(weatherIndex_);
    for (std::size_t i = 0; i < classes_.size(); ++i)
        record.classes[i] = listValue(classes_[i]);
    record.precipitation = precipitation();
    return record;
}

Precipitation MissionPage::precipitation() const {
    if (snow_->isChecked())
        return Precipitation::Snow;
    if (rain_->isChecked())
        return Precipitation::Rain;
    return Precipitation::Clear;
}

void MissionPage::showPrecipitation(Precipitation p) {
    clear_->setChecked(p == Precipitation::Clear);
    rain_->setChecked(p == Precipitation::Rain);
    snow_->setChecked(p == Precipitation::Snow);
    applyPrecipitation();
}

void MissionPage::applyFogOverride(bool on) {
    for (QLineEdit* field : fogFields_)
        setFieldEnabled(field, on);
    for (QLineEdit* field : colourFields_)
        setFieldEnabled(field, on);
}

void MissionPage::applyPrecipitation() {
    setFieldEnabled(intensity_, intensityEnabled(precipitation()));
}

QColor MissionPage::fogColour() const {
    return QColor(colourComponent(colourFields_[0]->text()),
                  colourComponent(colourFields_[1]->text()),
                  colourComponent(colourFields_[2]->text()));
}

void MissionPage::chooseFogColour() {
    const std::optional<QColor> chosen = dialogs().chooseColor(this, fogColour());
    if (!chosen)
        return;
    colourFields_[0]->setText(QString::number(chosen->red()));
    colourFields_[1]->setText(QString::number(chosen->green()));
    colourFields_[2]->setText(QString::number(chosen->blue()));
    fogButton_->setColor(*chosen);
}

} // namespace dorva
