#pragma once

#include "formats/missionfile.h"
#include "pages/documentpage.h"

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace dorva {

class BriefingDialog;
class ColorButton;

// The "Mission" page: map, weather and fog settings, briefing and mission properties of a
// mission file. The page keeps the loaded document text; saving writes the fields into it and
// leaves everything else as it was. The briefing text lives in the briefing dialog.
class MissionPage : public DocumentPage {
    Q_OBJECT
public:
    MissionPage(Dialogs& dialogs, BriefingDialog& briefing, QWidget* parent = nullptr);

    void loadDocument(const std::string& bytes) override;
    std::string outputBytes() override;

private:
    struct TextField {
        QLineEdit* edit;
        std::string MissionRecord::*value;
    };
    struct FlagBox {
        QCheckBox* box;
        bool MissionRecord::*value;
    };

    void buildMapProperties();
    void buildBriefing();
    void buildMissionProperties();
    void placeShellControls();
    QComboBox* addList(QWidget* group, const QString& name, const QStringList& entries, int x,
                       int y, int width);
    std::vector<QComboBox*> lists() const;
    QLineEdit* addTextField(QWidget* group, const char* name, std::string MissionRecord::*value,
                            bool numeric, int x, int y, int width);
    QCheckBox* addFlag(QWidget* group, const char* name, const QString& caption,
                       bool MissionRecord::*value, int x, int y, int width);

    void showRecord(const MissionRecord& record);
    MissionRecord record() const;
    Precipitation precipitation() const;
    void showPrecipitation(Precipitation p);
    void applyFogOverride(bool on);
    void applyPrecipitation();
    QColor fogColour() const;
    void chooseFogColour();

    BriefingDialog& briefing_;
    std::string text_;
    std::vector<TextField> textFields_;
    std::vector<FlagBox> flags_;
    std::vector<QLineEdit*> fogFields_;
    std::vector<QLineEdit*> colourFields_;
    QComboBox* mapSize_ = nullptr;
    QComboBox* weatherIndex_ = nullptr;
    std::vector<QComboBox*> classes_;
    QCheckBox* fog_ = nullptr;
    QRadioButton* clear_ = nullptr;
    QRadioButton* rain_ = nullptr;
    QRadioButton* snow_ = nullptr;
    QLineEdit* intensity_ = nullptr;
    ColorButton* fogButton_ = nullptr;
};

} // namespace dorva
