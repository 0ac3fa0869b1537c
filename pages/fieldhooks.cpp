#include "pages/fieldhooks.h"

#include "formats/fieldrules.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace dorva {

namespace {

class DigitKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Backspace)
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

class LeaveAction : public QObject {
public:
    LeaveAction(QLineEdit* field, std::function<void()> action)
        : QObject(field), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                action_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

} // namespace

void installDigitKeyFilter(QLineEdit* field) {
    field->installEventFilter(new DigitKeyFilter(field));
}

void installLeaveAction(QLineEdit* field, std::function<void()> action) {
    field->installEventFilter(new LeaveAction(field, std::move(action)));
}

} // namespace dorva
