#pragma once

#include "pages/documentpage.h"

namespace dorva {

// Placeholder until the page's fields arrive: passes its document through unchanged.
class ActorPage : public DocumentPage {
    Q_OBJECT
public:
    explicit ActorPage(Dialogs& dialogs, QWidget* parent = nullptr);
    void loadDocument(const std::string& bytes) override;
    std::string outputBytes() override;
    QString openFilter() const override;
    QString saveFilter() const override;
    QString defaultSuffix() const override;
    QString fileMask() const override;

private:
    std::string text_;
};

} // namespace dorva
