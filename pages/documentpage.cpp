#include "pages/documentpage.h"

#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace dorva {

DocumentPage::DocumentPage(char suffix, PageFileKind kind, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), kind_(std::move(kind)), dialogs_(dialogs),
      openButton_(new QPushButton(tr("Open"), this)),
      saveButton_(new QPushButton(tr("Save"), this)),
      saveAsButton_(new QPushButton(tr("Save as..."), this)), statusField_(new QLineEdit(this)) {
    const QString s = QString(QChar::fromLatin1(suffix)).toUpper();
    openButton_->setObjectName("OpenButton" + s);
    saveButton_->setObjectName("SaveButton" + s);
    saveAsButton_->setObjectName("SAButton" + s);
    statusField_->setObjectName("StatusBar" + s);
    statusField_->setReadOnly(true);
    statusField_->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = statusField_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    statusField_->setPalette(palette);
    saveButton_->setEnabled(false);
    saveAsButton_->setEnabled(kind_.saveAsWithoutFile);
    connect(openButton_, &QPushButton::clicked, this, &DocumentPage::openRequested);
    connect(saveButton_, &QPushButton::clicked, this, &DocumentPage::saveRequested);
    connect(saveAsButton_, &QPushButton::clicked, this, &DocumentPage::saveAsRequested);
}

void DocumentPage::fileOpened(const QString&) {}

QString DocumentPage::filePath() const {
    return statusField_->text();
}

void DocumentPage::reportError(const QString& message) {
    dialogs_.showError(this, message);
}

} // namespace dorva
