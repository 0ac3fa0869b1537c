#include "controls/editablelist.h"

#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>

namespace dorva {

namespace {

// The text field of a list: it hands the shared completer its list's entries before any
// typing, when it takes the focus and on every key.
class ListEdit : public QLineEdit {
public:
    ListEdit(QComboBox* list, QCompleter* shared) : QLineEdit(list), list_(list) {
        setPalette(list->palette());
        setCompleter(shared);
    }

protected:
    void focusInEvent(QFocusEvent* event) override {
        offerEntries();
        QLineEdit::focusInEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        offerEntries();
        QLineEdit::keyPressEvent(event);
    }

private:
    void offerEntries() {
        if (completer() && completer()->model() != list_->model()) {
            completer()->setModel(list_->model());
            completer()->setCompletionColumn(list_->modelColumn());
        }
    }

    QComboBox* list_;
};

} // namespace

QCompleter* makeSharedListCompleter(QObject* parent) {
    auto* completer = new QCompleter(parent);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::InlineCompletion);
    return completer;
}

void makeEditable(QComboBox* list, QCompleter* shared) {
    list->setLineEdit(new ListEdit(list, shared));
}

} // namespace dorva
