#include "pages/documentpage.h"

#include "controls/textcodec.h"
#include "document/document.h"
#include "document/fields.h"
#include "formats/error.h"
#include "formats/filename.h"
#include "pages/fieldhooks.h"
#include "pages/listvalue.h"
#include "pages/pagelayout.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace dorva {

DocumentPage::DocumentPage(char suffix, PageFileKind kind, Document& document, Dialogs& dialogs,
                           QWidget* parent)
    : QWidget(parent), kind_(std::move(kind)), document_(document), dialogs_(dialogs),
      openButton_(new QPushButton(tr("Open"), this)),
      saveButton_(new QPushButton(tr("Save"), this)),
      saveAsButton_(new QPushButton(tr("Save as..."), this)), statusField_(new QLineEdit(this)) {
    const QString s = QString(QChar::fromLatin1(suffix)).toUpper();
    openButton_->setObjectName("OpenButton" + s);
    saveButton_->setObjectName("SaveButton" + s);
    saveAsButton_->setObjectName("SAButton" + s);
    statusField_->setObjectName("StatusBar" + s);
    makeReadOnlyField(statusField_);
    saveButton_->setEnabled(false);
    saveAsButton_->setEnabled(document_.canSaveAs());
    connect(openButton_, &QPushButton::clicked, this, &DocumentPage::openRequested);
    connect(saveButton_, &QPushButton::clicked, this, &DocumentPage::saveRequested);
    connect(saveAsButton_, &QPushButton::clicked, this, &DocumentPage::saveAsRequested);
}

QString DocumentPage::defaultSuffix() const {
    return QString::fromLatin1(kindExtension(document_.kind()));
}

QString DocumentPage::fileMask() const {
    return QString::fromStdString(kindFileMask(document_.kind()));
}

const Field& DocumentPage::field(const QString& control) const {
    return fieldOfControl(document_.kind(), control.toStdString());
}

QString DocumentPage::captionOf(const char* control) const {
    return QString::fromStdString(field(QString::fromLatin1(control)).caption);
}

void DocumentPage::reportError(const QString& message) {
    dialogs_.showError(this, message);
}

void DocumentPage::showDocument() {
    showValues(true);
}

void DocumentPage::showValues(bool newDocument) {
    showing_ = true;
    showBindings(newDocument);
    statusField_->setText(QString::fromStdString(pathText(document_.path())));
    showRest(newDocument);
    showing_ = false;
}

void DocumentPage::change(const std::function<void()>& write) {
    if (showing_)
        return;
    write();
    showValues(false);
    emit edited();
}

void DocumentPage::showBindings(bool newDocument) {
    // Only controls whose value differs are touched, so the one being edited keeps its cursor
    // and undo history. A new document also takes away what the last one left to undo, even
    // where the text is the same: an undo would bring the old document's value into it.
    for (const Binding& b : bindings_) {
        const Field& f = *b.field;
        if (auto* edit = qobject_cast<QLineEdit*>(b.control)) {
            const QString text = QString::fromStdString(document_.text(f));
            if (edit->text() != text || (newDocument && holdsEdits(edit)))
                showFieldText(edit, text);
            if (f.enabled)
                setInputEnabled(edit, f.enabled(document_));
        } else if (auto* box = qobject_cast<QAbstractButton*>(b.control)) {
            box->setChecked(f.get(document_) == "1");
        } else if (auto* list = qobject_cast<QComboBox*>(b.control)) {
            const QString value = toQString(f.get(document_));
            const bool text = f.type == FieldType::TextList;
            if ((text ? list->currentText() : listIndexText(list)) != value ||
                (newDocument && hasUnselectedExtraEntry(list))) {
                if (text)
                    showListText(list, value);
                else
                    showListIndex(list, value);
            }
            if (newDocument && holdsEdits(list->lineEdit()))
                showFieldText(list->lineEdit(), list->lineEdit()->text());
        }
    }
}

void DocumentPage::bindText(QLineEdit* edit, const Field& field) {
    bindings_.push_back({edit, &field});
    if (field.digitsOnly)
        installDigitKeyFilter(edit);
    if (field.repair)
        installLeaveAction(edit, [this, edit, &field] { repairOnLeave(edit, field); });
    connect(edit, &QLineEdit::textChanged, this, [this, &field](const QString& text) {
        change([&] { document_.setText(field, text.toStdString()); });
    });
}

void DocumentPage::repairOnLeave(QLineEdit* edit, const Field& field) {
    // Text that cannot be written is reported by the save that meets it.
    if (!document_.holdsWritableText(field))
        return;
    try {
        const std::string before = field.get(document_);
        const std::string after = dorva::repairOnLeave(*field.repair, before);
        if (after != before)
            edit->setText(toQString(after));
    } catch (const Error& e) {
        reportError(QString::fromUtf8(e.what()));
    }
}

void DocumentPage::bindFlag(QAbstractButton* box, const Field& field) {
    bindings_.push_back({box, &field});
    connect(box, &QAbstractButton::toggled, this,
            [this, &field](bool on) { change([&] { field.set(document_, on ? "1" : "0"); }); });
}

void DocumentPage::bindList(QComboBox* list, const Field& field) {
    bindings_.push_back({list, &field});
    for (const std::string& entry : field.entries)
        list->addItem(toQString(entry));
    connect(list, &QComboBox::currentIndexChanged, this, [this, list, &field] {
        const QString value =
            field.type == FieldType::TextList ? list->currentText() : listIndexText(list);
        change([&] { field.set(document_, toBytes(value, field.caption)); });
    });
}

} // namespace dorva
