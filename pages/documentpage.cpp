#include "pages/documentpage.h"

#include "controls/edithex.h"
#include "controls/fieldlist.h"
#include "controls/textcodec.h"
#include "document/document.h"
#include "document/fields.h"
#include "formats/error.h"
#include "formats/filename.h"
#include "pages/fieldhooks.h"
#include "pages/listvalue.h"
#include "pages/pagelayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <stdexcept>
#include <utility>

namespace dorva {

namespace {

QString captionOf(const Field& field) {
    return QString::fromStdString(field.caption);
}

} // namespace

DocumentPage::DocumentPage(Kind kind, Document& document, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), kind_(kind), document_(document), dialogs_(dialogs),
      openButton_(new QPushButton(tr("Open"), this)),
      saveButton_(new QPushButton(tr("Save"), this)),
      saveAsButton_(new QPushButton(tr("Save as..."), this)), statusField_(new QLineEdit(this)) {
    const QString suffix = QString::fromLatin1(kindExtension(kind)).left(1).toUpper();
    openButton_->setObjectName("OpenButton" + suffix);
    saveButton_->setObjectName("SaveButton" + suffix);
    saveAsButton_->setObjectName("SAButton" + suffix);
    statusField_->setObjectName("StatusBar" + suffix);
    statusField_->setAccessibleName(tr("File"));
    makeReadOnlyField(statusField_);
    // The window turns them on as far as its documents allow.
    saveButton_->setEnabled(false);
    saveAsButton_->setEnabled(false);
    connect(openButton_, &QPushButton::clicked, this, &DocumentPage::openRequested);
    connect(saveButton_, &QPushButton::clicked, this, &DocumentPage::saveRequested);
    connect(saveAsButton_, &QPushButton::clicked, this, &DocumentPage::saveAsRequested);
}

const Field& DocumentPage::field(const char* key) const {
    const Field* found = findField(kind_, key);
    if (!found)
        throw std::logic_error(std::string("no field ") + key);
    return *found;
}

void DocumentPage::reportError(const QString& message) {
    dialogs_.showError(this, message);
}

QLineEdit* DocumentPage::addTextField(QWidget* parent, const char* key, const QRect& geometry) {
    const Field& f = field(key);
    QLineEdit* edit = nullptr;
    if (f.numericControl) {
        auto* number = new EditHex(parent);
        number->setNumericType(EditHex::Decimal);
        edit = number;
    } else {
        edit = new QLineEdit(parent);
    }
    edit->setObjectName(QString::fromStdString(f.control));
    edit->setAccessibleName(captionOf(f));
    edit->setGeometry(geometry);
    bindText(edit, f);
    return edit;
}

QComboBox* DocumentPage::addListField(QWidget* parent, const char* key, const QRect& geometry) {
    const Field& f = field(key);
    auto* list = new FieldList(parent);
    list->setObjectName(QString::fromStdString(f.control));
    list->setGeometry(geometry);
    bindList(list, f);
    return list;
}

QCheckBox* DocumentPage::addFlagField(QWidget* parent, const char* key, const QRect& geometry) {
    const Field& f = field(key);
    auto* box = new QCheckBox(captionOf(f), parent);
    box->setObjectName(QString::fromStdString(f.control));
    box->setGeometry(geometry);
    bindFlag(box, f);
    return box;
}

void DocumentPage::addChoiceField(QWidget* parent, const char* key,
                                  const std::vector<QRect>& geometries) {
    const Field& f = field(key);
    for (std::size_t i = 0; i < f.entries.size(); ++i) {
        const QString entry = QString::fromStdString(f.entries[i]);
        auto* button = new QRadioButton(entry, parent);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        button->setAccessibleName(entry);
        button->setGeometry(geometries[i]);
        bindings_.push_back({button, &f, static_cast<int>(i)});
        connect(button, &QRadioButton::toggled, this, [this, &f, i](bool on) {
            if (on)
                step(f.caption, {&f}, [&] { change([&] { f.set(document_, f.entries[i]); }); });
        });
    }
}

QLabel* DocumentPage::addFieldLabel(QWidget* parent, const QWidget* control,
                                    const QRect& geometry) {
    const Field& f = fieldOfControl(kind_, control->objectName().toStdString());
    auto* label = new QLabel(QString::fromStdString(labelText(f)), parent);
    label->setGeometry(geometry);
    label->setBuddy(const_cast<QWidget*>(control));
    return label;
}

QPushButton* DocumentPage::addBrowseButton(QWidget* parent, QLineEdit* edit, const QRect& geometry,
                                           const QString& caption) {
    const Field& f = fieldOfControl(kind_, edit->objectName().toStdString());
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromStdString(f.browseButton));
    button->setAccessibleName(tr("Browse %1").arg(captionOf(f)));
    button->setGeometry(geometry);
    connect(button, &QPushButton::clicked, this, [this, edit, &f] { browse(edit, f); });
    return button;
}

void DocumentPage::browse(QLineEdit* edit, const Field& field) {
    const QString path = dialogs_.openFile(this, QString::fromStdString(field.browseFilter),
                                           browseStates_[field.browseFilter]);
    if (!path.isEmpty())
        step(field.caption, {&field}, [&] { showFieldText(edit, QFileInfo(path).fileName()); });
}

void DocumentPage::showDocument() {
    // An edit under way belongs to the document that is gone.
    editing_.reset();
    showValues(true);
    beginFocusedEdit();
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

void DocumentPage::step(const std::string& name, const std::vector<const Field*>& fields,
                        const std::function<void()>& edit) {
    if (showing_ || !history_) {
        edit();
        return;
    }
    History::Mark before = History::mark(document_, fields);
    edit();
    if (history_->push(document_, std::move(before), name))
        emit historyChanged();
}

void DocumentPage::beginEdit(const Field& field) {
    if (editing_ && editing_->first == &field)
        return;
    endEdit();
    if (history_)
        editing_.emplace(&field, History::mark(document_, {&field}));
}

void DocumentPage::endEdit() {
    if (!editing_)
        return;
    const Field& field = *editing_->first;
    const bool pushed = history_->push(document_, std::move(editing_->second), field.caption);
    editing_.reset();
    // What was typed is now the page's step: the field's own undo would take it back a second
    // time behind the history's back.
    if (auto* edit = qobject_cast<QLineEdit*>(controlOf(field)); edit && holdsEdits(edit)) {
        const int cursor = edit->cursorPosition();
        edit->setText(edit->text());
        edit->setCursorPosition(cursor);
    }
    if (pushed)
        emit historyChanged();
}

void DocumentPage::beginFocusedEdit() {
    for (const Binding& b : bindings_)
        if (qobject_cast<QLineEdit*>(b.control) && b.control->hasFocus())
            beginEdit(*b.field);
}

void DocumentPage::undo() {
    applyStep(&History::undo);
}

void DocumentPage::redo() {
    applyStep(&History::redo);
}

void DocumentPage::applyStep(std::vector<const Field*> (History::*apply)(Document&)) {
    if (!history_)
        return;
    endEdit();
    const std::vector<const Field*> fields = (history_->*apply)(document_);
    if (fields.empty())
        return;
    showValues(false);
    emit edited();
    emit historyChanged();
    focusField(*fields.front());
    beginFocusedEdit();
}

void DocumentPage::setFocusTarget(const Field& field, QWidget* control) {
    focusTargets_[&field] = control;
}

QWidget* DocumentPage::controlOf(const Field& field) const {
    for (const Binding& b : bindings_) {
        if (b.field != &field)
            continue;
        auto* radio = qobject_cast<QRadioButton*>(b.control);
        if (!radio || radio->isChecked())
            return b.control;
    }
    const auto target = focusTargets_.find(&field);
    return target == focusTargets_.end() ? nullptr : target->second;
}

void DocumentPage::focusField(const Field& field) {
    QWidget* control = controlOf(field);
    if (!control)
        return;
    // A list's text field gives the focus to its list.
    if (auto* list = qobject_cast<QComboBox*>(control->parentWidget()))
        control = list;
    control->setFocus(Qt::OtherFocusReason);
}

std::vector<const Field*> DocumentPage::fieldsInPageOrder() const {
    std::vector<const Field*> fields;
    const auto add = [&fields](const Field* field) {
        if (std::find(fields.begin(), fields.end(), field) == fields.end())
            fields.push_back(field);
    };
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        for (const Binding& b : bindings_)
            if (b.control == w || b.control->parentWidget() == w)
                add(b.field);
        for (const auto& [field, control] : focusTargets_)
            if (control == w)
                add(field);
    }
    for (const Field& field : fieldsOf(kind_))
        add(&field);
    return fields;
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
        } else if (auto* radio = qobject_cast<QRadioButton*>(b.control)) {
            radio->setChecked(f.get(document_) == f.entries[static_cast<std::size_t>(b.entry)]);
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
    // A list's text field takes the focus through its list.
    auto* list = qobject_cast<QComboBox*>(edit->parentWidget());
    installFieldFocus(
        list ? static_cast<QWidget*>(list) : edit, edit, [this, &field] { beginEdit(field); },
        [this, edit, &field] {
            if (field.repair)
                repairOnLeave(edit, field);
            endEdit();
        });
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
    box->setAccessibleName(captionOf(field));
    // A click with rules of its own ("Ex Ammo") may change other fields too.
    const std::vector<const Field*> changes =
        field.restore ? std::vector<const Field*>{} : std::vector<const Field*>{&field};
    connect(box, &QAbstractButton::toggled, this, [this, &field, changes](bool on) {
        step(field.caption, changes,
             [&] { change([&] { field.set(document_, on ? "1" : "0"); }); });
    });
}

void DocumentPage::bindList(QComboBox* list, const Field& field) {
    bindings_.push_back({list, &field});
    list->setAccessibleName(captionOf(field));
    for (const std::string& entry : field.entries)
        list->addItem(toQString(entry));
    connect(list, &QComboBox::currentIndexChanged, this, [this, list, &field] {
        const QString value =
            field.type == FieldType::TextList ? list->currentText() : listIndexText(list);
        step(field.caption, {&field},
             [&] { change([&] { field.set(document_, toBytes(value, field.caption)); }); });
    });
}

} // namespace dorva
