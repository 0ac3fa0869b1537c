#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace dorva {

// "Briefing Text": shows the mission's briefing text in its memo BrfMemo. The Mission page's
// "Edit" button shows it modally, and every change goes into the mission at once, so "Close"
// and the title-bar close box both keep the edited text.
class BriefingDialog : public QDialog {
    Q_OBJECT
public:
    // title names the text the dialog edits.
    explicit BriefingDialog(const QString& title, QWidget* parent = nullptr);

    QPlainTextEdit* memo() const { return memo_; }
    // The text with CR LF line breaks, both ways; every other character as typed.
    void setText(const QString& text);
    QString text() const;

private:
    QPlainTextEdit* memo_;
};

} // namespace dorva
