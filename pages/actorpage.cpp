#include "pages/actorpage.h"

#include "formats/doctext.h"

namespace dorva {

ActorPage::ActorPage(Dialogs& dialogs, QWidget* parent) : DocumentPage('a', dialogs, parent) {}
void ActorPage::loadDocument(const std::string& bytes) { text_ = normalizeLineBreaks(bytes); }
std::string ActorPage::outputBytes() { return text_; }
QString ActorPage::openFilter() const { return "Actor File(*.atr)|*.atr"; }
QString ActorPage::saveFilter() const { return "Actor File(*.atr)|*.atr|All File(*.*)|*.*"; }
QString ActorPage::defaultSuffix() const { return "atr"; }
QString ActorPage::fileMask() const { return "*.atr"; }

} // namespace dorva
