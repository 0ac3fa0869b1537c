#pragma once

#include "formats/kitfile.h"
#include "pages/documentpage.h"

class QCheckBox;
class QLineEdit;

namespace dorva {

// The "Kit" page: the kit texture and the two item slots of one kit file, with the "GL" /
// "Ex Ammo" interlock of the first slot.
class KitPage : public DocumentPage {
    Q_OBJECT
public:
    explicit KitPage(Dialogs& dialogs, QWidget* parent = nullptr);

    void loadDocument(const std::string& bytes) override;
    std::string outputBytes() override;
    // Shows the open kit file's name in "Kit Name".
    void fileOpened(const QString& path) override;

private:
    void browse(QLineEdit* field, const QString& filter, FileDialogState& state);
    void grenadeLauncherClicked(bool on);
    void extraAmmoClicked(bool on);
    // The fields the interlock rules act on, as a record; the others stay empty.
    KitRecord secondSlotFromFields() const;
    void showSecondSlot(const KitRecord& record);
    void showRecord(const KitRecord& record);
    KitRecord recordFromFields() const;

    QLineEdit* texture_;         // Edit05k
    QLineEdit* item1_;           // Edit01k
    QLineEdit* count1_;          // Edit02k
    QCheckBox* grenadeLauncher_; // GLCheckBox
    QLineEdit* item2_;           // Edit03k
    QLineEdit* count2_;          // Edit04k
    QCheckBox* extraAmmo_;       // AmmoCheckBox
    QLineEdit* kitName_;         // Edit06k

    FileDialogState textureDialog_;
    FileDialogState itemDialog_;
};

} // namespace dorva
