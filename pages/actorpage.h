#pragma once

#include "formats/actorfile.h"
#include "pages/documentpage.h"

#include <utility>
#include <vector>

class QComboBox;
class QLineEdit;

namespace dorva {

// The "Actor" page: one Actor file as labelled fields, with browse buttons for the file-name
// fields and the statistics kept numeric and in range.
class ActorPage : public DocumentPage {
    Q_OBJECT
public:
    explicit ActorPage(Dialogs& dialogs, QWidget* parent = nullptr);

    void loadDocument(const std::string& bytes) override;
    std::string outputBytes() override;

private:
    enum class BrowseKind { Texture, Character, Model };
    struct BrowseRow;

    void buildLeftColumn();
    void addBrowseRows(QWidget* group, const std::vector<BrowseRow>& rows);
    void browse(QLineEdit* field, BrowseKind kind);

    void showRecord(const ActorRecord& record);
    ActorRecord recordFromFields() const;

    QComboBox* classList_ = nullptr;  // Edit02a
    QComboBox* armorList_ = nullptr;  // Edit03a
    QComboBox* kitPathBox_ = nullptr; // Edit04a
    // Every element shown in a one-line field, with its field.
    std::vector<std::pair<ActorElement, QLineEdit*>> textFields_;

    FileDialogState textureDialog_;
    FileDialogState characterDialog_;
    FileDialogState modelDialog_;
};

} // namespace dorva
