#pragma once

#include "pages/documentpage.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QCompleter;
class QLineEdit;
class QRadioButton;

namespace dorva {

class BriefingDialog;
class ColorButton;

// The "Mission" page: map, weather and fog settings, briefing and mission properties of a
// mission file. Saving writes the values into the mission's document text and leaves
// everything else in it as it was. The briefing text is edited in the briefing dialog.
class MissionPage : public DocumentPage {
    Q_OBJECT
public:
    MissionPage(Document& document, Dialogs& dialogs, QWidget* parent = nullptr);

    void settleEdits() override;
    // The briefing dialog, made the first time it is needed.
    BriefingDialog* briefingDialog();

private:
    void buildMapProperties();
    void buildBriefing();
    void buildMissionProperties();
    void placeShellControls();
    QComboBox* addList(QWidget* group, const QString& name, int x, int y, int width);
    QLineEdit* addTextField(QWidget* group, const char* name, bool numeric, int x, int y,
                            int width);
    QCheckBox* addFlag(QWidget* group, const char* name, const QString& caption, int x, int y,
                       int width);

    void showRest(bool newDocument) override;
    QColor fogColour() const;
    void chooseFogColour();

    QCompleter* listCompleter_;
    BriefingDialog* briefing_ = nullptr;
    std::vector<QLineEdit*> fogFields_;
    std::vector<QLineEdit*> colourFields_;
    std::vector<QComboBox*> lists_;
    QRadioButton* clear_ = nullptr;
    QRadioButton* rain_ = nullptr;
    QRadioButton* snow_ = nullptr;
    QLineEdit* intensity_ = nullptr;
    ColorButton* fogButton_ = nullptr;
};

} // namespace dorva
