#include "controls/briefingdialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace dorva {

BriefingDialog::BriefingDialog(const QString& title, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      memo_(new QPlainTextEdit(this)) {
    setObjectName("BrfForm");
    setWindowTitle(title);
    setFixedSize(481, 299);
    move(315, 235);

    memo_->setObjectName("BrfMemo");
    memo_->setAccessibleName(title);
    memo_->setGeometry(0, 0, 481, 265);
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo_->setTabChangesFocus(true);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* label = new QLabel(QStringLiteral("{p}\u3000で改行"), this);
    label->setObjectName("Label1");
    label->move(8, 272);
    label->adjustSize();

    auto* close = new QPushButton("Close", this);
    close->setObjectName("ButtonOK");
    close->setGeometry(200, 272, 75, 20);
    close->setAutoDefault(false);
    close->setDefault(false);
    // Closing keeps the edited text: there is nothing to cancel.
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(memo_, close);
    memo_->setFocus();
}

void BriefingDialog::setText(const QString& text) {
    memo_->setPlainText(QString(text).replace("\r\n", "\n"));
}

QString BriefingDialog::text() const {
    // The raw text keeps every character as typed; only the paragraph breaks become CR LF.
    QString text = memo_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

} // namespace dorva
