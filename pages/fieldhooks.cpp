#include "pages/fieldhooks.h"

#include "formats/fieldrules.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace dorva {

namespace {

bool isUndoKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Undo);
}

bool isRedoKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Redo) ||
           key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

class DigitKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Backspace || isUndoKey(key) || isRedoKey(key))
            return false;
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
            key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->key() == Qt::Key_Escape)
            return false;
        const bool control = key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
        if (control && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z) {
            // The clipboard and editing shortcuts type control characters, which the field
            // does not take. Window shortcuts (Ctrl+S) never reach this far.
            return true;
        }
        const QString text = key->text();
        if (text.isEmpty())
            return false;
        for (const QChar c : text)
            if (!isAcceptedFieldKey(c.unicode()))
                return true;
        return false;
    }
};

class FieldFocus : public QObject {
public:
    FieldFocus(QWidget* control, QLineEdit* edit, std::function<void()> enter,
               std::function<void()> leave)
        : QObject(control), edit_(edit), enter_(std::move(enter)), leave_(std::move(leave)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::FocusIn:
            enter_();
            break;
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                leave_();
            break;
        }
        case QEvent::ShortcutOverride: {
            // Ignored and taken from the field, the key triggers the window's shortcut.
            auto* key = static_cast<QKeyEvent*>(event);
            if ((isUndoKey(key) && !edit_->isUndoAvailable()) ||
                (isRedoKey(key) && !edit_->isRedoAvailable())) {
                key->ignore();
                return true;
            }
            break;
        }
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* edit_;
    std::function<void()> enter_;
    std::function<void()> leave_;
};

} // namespace

void installDigitKeyFilter(QLineEdit* field) {
    field->installEventFilter(new DigitKeyFilter(field));
}

void installFieldFocus(QWidget* control, QLineEdit* edit, std::function<void()> enter,
                       std::function<void()> leave) {
    control->installEventFilter(new FieldFocus(control, edit, std::move(enter), std::move(leave)));
}

} // namespace dorva
