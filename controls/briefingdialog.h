#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace dorva {

// "Briefing Text": holds the mission's briefing text in its memo BrfMemo for the whole run.
// The Mission page's loader fills it, the page's "Edit" button shows it modally, and the saver
// reads it back. "Close" and the title-bar close box both keep the edited text.
class BriefingDialog : public QDialog {
    Q_OBJECT
public:
    explicit BriefingDialog(QWidget* parent = nullptr);

    QPlainTextEdit* memo() const { return memo_; }
    // Code page 932 bytes with CR LF line breaks, both ways.
    void setBriefingText(const std::string& bytes);
    std::string briefingText() const; // throws Error for a character code page 932 lacks

private:
    QPlainTextEdit* memo_;
};

} // namespace dorva
