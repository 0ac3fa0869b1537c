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
    void browse(QLineEdit* field, const QString& filter, FileDialogState& state);
    void showRest(bool newDocument) override;

    QLineEdit* kitName_; // Edit06k

    FileDialogState textureDialog_;
    FileDialogState itemDialog_;
};

} // namespace dorva
