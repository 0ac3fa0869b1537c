#pragma once

#include "pages/documentpage.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QCompleter;
class QLineEdit;

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
    // An editable list, sharing the page's completer.
    QComboBox* addList(QWidget* group, const char* key, int x, int y, int width);
    // A text field at x with its label at labelX.
    QLineEdit* addLabelledText(QWidget* group, const char* key, int labelX, int labelWidth, int x,
                               int y, int width);
    QCheckBox* addFlag(QWidget* group, const char* key, int x, int y, int width);

    void showRest(bool newDocument) override;
    QColor fogColour() const;
    void chooseFogColour();

    QCompleter* listCompleter_;
    BriefingDialog* briefing_ = nullptr;
    std::vector<QLineEdit*> fogFields_;
    std::vector<QLineEdit*> colourFields_;
    std::vector<QComboBox*> lists_;
    QLineEdit* intensity_ = nullptr;
    ColorButton* fogButton_ = nullptr;
};

} // namespace dorva
