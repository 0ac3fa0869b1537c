#pragma once

#include "pages/documentpage.h"

#include <vector>

class QLineEdit;

namespace dorva {

// The "Actor" page: one Actor file as labelled fields, with browse buttons for the file-name
// fields and the statistics kept numeric and in range.
class ActorPage : public DocumentPage {
    Q_OBJECT
public:
    ActorPage(Document& document, Dialogs& dialogs, QWidget* parent = nullptr);

private:
    enum class BrowseKind { Texture, Character, Model };
    struct BrowseRow;

    void buildLeftColumn();
    void addBrowseRows(QWidget* group, const std::vector<BrowseRow>& rows);
    void browse(QLineEdit* field, BrowseKind kind);
    // A one-line field of the page, tied to its element.
    template <typename Edit>
    Edit* addText(QWidget* parent, const char* name, int x, int y, int width);

    FileDialogState textureDialog_;
    FileDialogState characterDialog_;
    FileDialogState modelDialog_;
};

} // namespace dorva
