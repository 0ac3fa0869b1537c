#include "pages/kitpage.h"

#include "formats/doctext.h"

namespace dorva {

KitPage::KitPage(Dialogs& dialogs, QWidget* parent) : DocumentPage('k', dialogs, parent) {}
void KitPage::loadDocument(const std::string& bytes) { text_ = normalizeLineBreaks(bytes); }
std::string KitPage::outputBytes() { return text_; }
QString KitPage::openFilter() const { return "Kit File(*.kit)|*.kit"; }
QString KitPage::saveFilter() const { return "Kit File(*.kit)|*.kit"; }
QString KitPage::defaultSuffix() const { return "kit"; }
QString KitPage::fileMask() const { return "*.kit"; }

} // namespace dorva
