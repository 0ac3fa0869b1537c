#include "pages/missionpage.h"

#include "formats/doctext.h"

namespace dorva {

MissionPage::MissionPage(Dialogs& dialogs, BriefingDialog&, QWidget* parent)
    : DocumentPage('m', dialogs, parent) {}
void MissionPage::loadDocument(const std::string& bytes) { text_ = normalizeLineBreaks(bytes); }
std::string MissionPage::outputBytes() { return text_; }
QString MissionPage::openFilter() const { return "Mission File(*.mis)|*.mis"; }
QString MissionPage::saveFilter() const { return "Mission File(*.mis)|*.mis"; }
QString MissionPage::defaultSuffix() const { return "mis"; }
QString MissionPage::fileMask() const { return "*.mis"; }

} // namespace dorva
