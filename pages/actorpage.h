#pragma once

#include "pages/documentpage.h"

#include <vector>

namespace dorva {

// The "Actor" page: one Actor file as labelled fields, with browse buttons for the file-name
// fields and the statistics kept numeric and in range.
class ActorPage : public DocumentPage {
    Q_OBJECT
public:
    ActorPage(Document& document, Dialogs& dialogs, QWidget* parent = nullptr);

private:
    struct BrowseRow {
        const char* field;
        int column; // 0 left, 1 right
    };

    void buildLeftColumn();
    // Rows of a label, a file name field and its browse button, in reading order.
    void addBrowseRows(QWidget* group, const std::vector<BrowseRow>& rows);
};

} // namespace dorva
