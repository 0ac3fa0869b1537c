#include "pages/pagelayout.h"

#include "pages/documentpage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dorva {

QLabel* addLabel(QWidget* parent, const QString& caption, int x, int y, int width) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(x, y, width, kFieldHeight);
    return label;
}

void showFieldText(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
}

bool holdsEdits(const QLineEdit* field) {
    return field && (field->isUndoAvailable() || field->isRedoAvailable());
}

void setInputEnabled(QWidget* field, bool on) {
    field->setEnabled(on);
    const QPalette surroundings = field->parentWidget()->palette();
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, surroundings.color(on ? QPalette::Base : QPalette::Button));
    field->setPalette(palette);
}

void makeReadOnlyField(QLineEdit* field) {
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    field->setPalette(palette);
}

void placeShellControls(DocumentPage* page, int y, QWidget* lastField) {
    page->openButton()->setGeometry(kPageMargin, y, 75, 25);
    page->saveButton()->setGeometry(kPageMargin + 80, y, 75, 25);
    page->saveAsButton()->setGeometry(kPageMargin + 160, y, 75, 25);
    page->statusField()->setGeometry(kPageMargin, y + 32, kPageContentWidth, kFieldHeight);

    QWidget* previous = lastField;
    for (QWidget* next :
         {static_cast<QWidget*>(page->openButton()), static_cast<QWidget*>(page->saveButton()),
          static_cast<QWidget*>(page->saveAsButton()),
          static_cast<QWidget*>(page->statusField())}) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

} // namespace dorva
