#include "pagetesting.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QRadioButton>
#include <algorithm>
#include <map>

// What a screen reader makes of the pages: every input named after what it is, never after its
// group or its value, and the focus moving through each group as it reads.
namespace {

using namespace pagetesting;

QString nameOf(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// The inputs a user reaches; the text field inside a list is part of the list.
std::vector<QWidget*> inputsOf(QWidget* page) {
    std::vector<QWidget*> inputs;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                           qobject_cast<QAbstractButton*>(w);
        if (input && !qobject_cast<QComboBox*>(w->parentWidget()))
            inputs.push_back(w);
    }
    return inputs;
}

TEST(Accessibility, EveryInputIsNamedAfterItsFieldAndNamesAreUniqueOnAPage) {
    WindowFixture f;
    for (const dorva::Kind kind : dorva::kKindsInPageOrder) {
        dorva::DocumentPage* page = f.window.pageOf(kind);
        // A loaded file gives the lists values that must not name them.
        load(*page, "");
        std::map<QString, QString> names; // name -> object name
        for (QWidget* input : inputsOf(page)) {
            const QString name = nameOf(input);
            SCOPED_TRACE(input->objectName().toStdString());
            EXPECT_FALSE(name.isEmpty());
            EXPECT_TRUE(names.emplace(name, input->objectName()).second)
                << name.toStdString() << " also names " << names[name].toStdString();
        }
        for (const dorva::Field& field : dorva::fieldsOf(kind)) {
            auto* control = page->findChild<QWidget*>(QString::fromStdString(field.control));
            if (!control || qobject_cast<QRadioButton*>(control))
                continue;
            const QString caption = QString::fromStdString(field.caption);
            EXPECT_EQ(names[caption], control->objectName()) << field.key;
            if (!field.browseButton.empty()) {
                EXPECT_EQ(names["Browse " + caption], QString::fromStdString(field.browseButton));
            }
        }
    }
    EXPECT_EQ(nameOf(f.window.findChild<QWidget*>("FogButton")), "Fog colour");
    EXPECT_EQ(nameOf(f.window.findChild<QWidget*>("Edit26a")), "Lower Spine");
}

// A field's label is the buddy of its control, so that a screen reader reads them together.
TEST(Accessibility, LabelsAreTheBuddiesOfTheirFields) {
    WindowFixture f;
    const QStringList unlabelled = {"Edit14a", "Edit15a",     "Edit16a",     "Edit17a",
                                    "BrfMemo", "ColorEdit01", "ColorEdit02", "ColorEdit03"};
    for (const dorva::Kind kind : dorva::kKindsInPageOrder) {
        std::map<QWidget*, QString> labels;
        for (QLabel* label : f.window.pageOf(kind)->findChildren<QLabel*>())
            labels[label->buddy()] = label->text();
        for (const dorva::Field& field : dorva::fieldsOf(kind)) {
            const QString control = QString::fromStdString(field.control);
            auto* widget = f.window.pageOf(kind)->findChild<QWidget*>(control);
            if (field.type == dorva::FieldType::Flag || !widget || unlabelled.contains(control) ||
                qobject_cast<QRadioButton*>(widget))
                continue;
            EXPECT_EQ(labels[widget], QString::fromStdString(dorva::labelText(field))) << field.key;
        }
    }
}

// Within each group the focus moves row by row, left to right, as the group reads.
TEST(Accessibility, TabOrderFollowsTheReadingOrderOfEachGroup) {
    WindowFixture f;
    for (const dorva::Kind kind : dorva::kKindsInPageOrder) {
        dorva::DocumentPage* page = f.window.pageOf(kind);
        std::vector<QWidget*> chain;
        for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus)
                chain.push_back(w);
        for (QGroupBox* group : page->findChildren<QGroupBox*>()) {
            SCOPED_TRACE(group->title().toStdString());
            std::vector<QWidget*> inChain;
            for (QWidget* w : chain)
                if (w->parentWidget() == group)
                    inChain.push_back(w);
            for (std::size_t i = 1; i < inChain.size(); ++i) {
                const QRect a = inChain[i - 1]->geometry();
                const QRect b = inChain[i]->geometry();
                const bool sameRow = std::abs(a.center().y() - b.center().y()) < a.height() / 2;
                EXPECT_TRUE(sameRow ? a.x() < b.x() : a.center().y() < b.center().y())
                    << inChain[i - 1]->objectName().toStdString() << " before "
                    << inChain[i]->objectName().toStdString();
            }
        }
    }
}

} // namespace
