#pragma once

#include "pages/documentpage.h"

class QLineEdit;

namespace dorva {

// The "Kit" page: the kit texture and the two item slots of one kit file, with the "GL" /
// "Ex Ammo" interlock of the first slot.
class KitPage : public DocumentPage {
    Q_OBJECT
public:
    KitPage(Document& document, Dialogs& dialogs, QWidget* parent = nullptr);

private:
    // One item slot: item name with "Browse...", the count with the slot's check box, "Clear".
    QPushButton* addSlot(QWidget* group, const char* item, const char* count, const char* check,
                         const char* clearButton);
    void showRest(bool newDocument) override;

    QLineEdit* kitName_; // Edit06k
};

} // namespace dorva
