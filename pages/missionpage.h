#pragma once

#include "pages/documentpage.h"

namespace dorva {

class BriefingDialog;

// Placeholder until the page's fields arrive: passes its document through unchanged.
class MissionPage : public DocumentPage {
    Q_OBJECT
public:
    MissionPage(Dialogs& dialogs, BriefingDialog& briefing, QWidget* parent = nullptr);
    void loadDocument(const std::string& bytes) override;
    std::string outputBytes() override;
    QString openFilter() const override;
    QString saveFilter() const override;
    QString defaultSuffix() const override;
    QString fileMask() const override;
    bool canSaveAsWithoutFile() const override { return false; }

private:
    std::string text_;
};

} // namespace dorva
