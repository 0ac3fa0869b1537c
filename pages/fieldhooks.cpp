#include "pages/fieldhooks.h"

#include "controls/textcodec.h"
#include "formats/error.h"
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

class LeaveRepair : public QObject {
public:
    LeaveRepair(QLineEdit* field, FieldRepair repair, std::function<void(const QString&)> report)
        : QObject(field), field_(field), repair_(std::move(repair)), report_(std::move(report)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                apply();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void apply() {
        try {
            const std::string before = toBytes(field_->text(), field_->objectName().toStdString());
            const std::string after = repair_(before);
            if (after != before)
                field_->setText(toQString(after));
        } catch (const Error& e) {
            report_(QString::fromUtf8(e.what()));
        }
    }

    QLineEdit* field_;
    FieldRepair repair_;
    std::function<void(const QString&)> report_;
};

} // namespace

void installDigitKeyFilter(QLineEdit* field) {
    field->installEventFilter(new DigitKeyFilter(field));
}

void installLeaveRepair(QLineEdit* field, FieldRepair repair,
                        std::function<void(const QString&)> report) {
    field->installEventFilter(new LeaveRepair(field, std::move(repair), std::move(report)));
}

} // namespace dorva
