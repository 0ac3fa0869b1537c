#pragma once

#include "app/mainwindow.h"
#include "document/document.h"
#include "document/fields.h"
#include "fakedialogs.h"
#include "formats/error.h"
#include "pages/documentpage.h"
#include "testfiles.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

// Driving and inspecting the document pages as a user does, for the tests of every page.
namespace pagetesting {

// A child of root by its object name; a missing one fails the test.
template <typename T = QWidget> T* child(const QWidget* root, const QString& name) {
    T* widget = root->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

// Types text into the focused widget: ASCII key by key, anything else as an input method
// commits it.
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(widget, QString(c));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(widget, &commit);
        }
    }
}

// Types into a field or editable list as a user does: click in, select all, delete, type,
// leave with Tab. The page must be the active window.
inline void retype(QWidget* field, const QString& text) {
    auto* list = qobject_cast<QComboBox*>(field);
    QLineEdit* line = list ? list->lineEdit() : qobject_cast<QLineEdit*>(field);
    ASSERT_NE(line, nullptr);
    field->setFocus(Qt::MouseFocusReason);
    line->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    typeText(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

// A text that got into a field past the key filter (as a paste does), then leaving it.
inline void leaveWith(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::MouseFocusReason);
    field->setText(text);
    QTest::keyClick(field, Qt::Key_Tab);
}

// What leaving a number field with a text shows; a rejected text stays and is reported.
struct LeaveCase {
    const char* field;
    const char* entered;
    const char* shown;
    bool rejected = false;
};

inline void expectLeaveRules(QWidget* page, FakeDialogs& dialogs,
                             std::initializer_list<LeaveCase> cases) {
    for (const LeaveCase& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " left with '" + c.entered + "'");
        dialogs.errors.clear();
        auto* field = child<QLineEdit>(page, c.field);
        leaveWith(field, QString::fromUtf8(c.entered));
        EXPECT_EQ(field->text(), QString::fromUtf8(c.shown));
        const QString error = QString("'%1' は整数ではありません").arg(c.entered);
        EXPECT_EQ(dialogs.errors, c.rejected ? QStringList{error} : QStringList{});
    }
}

// Typing puts only digits into each number field, Ctrl+V included; pasting from the context
// menu is not filtered. The plain field takes any key.
inline void expectDigitKeysOnly(QWidget* page, std::initializer_list<const char*> numberFields,
                                const char* plainField) {
    for (const char* name : numberFields) {
        SCOPED_TRACE(name);
        auto* field = child<QLineEdit>(page, name);
        field->setFocus(Qt::MouseFocusReason);
        field->clear();
        QTest::keyClicks(field, "1a-.+ 2Z3");
        EXPECT_EQ(field->text(), "123");
        QTest::keyClick(field, Qt::Key_Backspace);
        QApplication::clipboard()->setText("77");
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(field->text(), "12");
        QApplication::clipboard()->setText("x9");
        field->paste();
        EXPECT_EQ(field->text(), "12x9");
    }
    auto* plain = child<QLineEdit>(page, plainField);
    plain->setFocus(Qt::MouseFocusReason);
    plain->clear();
    QTest::keyClicks(plain, "a-.1");
    EXPECT_EQ(plain->text(), "a-.1");
}

// Puts a document of these bytes (as read from a file) in the page's place and shows it.
inline void load(dorva::DocumentPage& page, const std::string& bytes) {
    page.document() = dorva::Document::fromBytes(page.document().kind(), bytes);
    page.showDocument();
}

// What a Save on the page writes now.
inline std::string output(dorva::DocumentPage& page) {
    page.settleEdits();
    return page.document().output();
}

// A character that code page 932 lacks, put into the control, stops the save with an error
// naming the field as the user sees it: its page and caption, never the control's name.
inline void expectSaveStopsAt(dorva::DocumentPage& page, const QString& control) {
    SCOPED_TRACE(control.toStdString());
    const dorva::Field* field =
        dorva::findFieldByControl(page.document().kind(), control.toStdString());
    ASSERT_NE(field, nullptr);
    try {
        output(page);
        ADD_FAILURE() << "saved";
    } catch (const dorva::Error& e) {
        const std::string message = e.what();
        EXPECT_EQ(message.rfind(dorva::fieldLabel(*field) + " の文字 '", 0), 0u) << message;
        EXPECT_EQ(message.find(control.toStdString()), std::string::npos) << message;
    }
}

// Whether a field has the colours of an input field (else those of a disabled one).
inline bool shadedAsInput(QWidget* field) {
    const QPalette surroundings = field->parentWidget()->palette();
    return field->palette().color(QPalette::Base) == surroundings.color(QPalette::Base);
}
inline bool shadedAsDisabled(QWidget* field) {
    const QPalette surroundings = field->parentWidget()->palette();
    return field->palette().color(QPalette::Base) == surroundings.color(QPalette::Button);
}

// The group boxes' titles, sorted, and whether every caption is shown by some label or button.
inline QStringList groupTitles(const QWidget* page) {
    QStringList titles;
    for (auto* group : page->findChildren<QGroupBox*>())
        titles << group->title();
    titles.sort();
    return titles;
}
inline void expectCaptions(const QWidget* root, const QStringList& captions) {
    QStringList shown;
    for (auto* label : root->findChildren<QLabel*>())
        shown << label->text();
    for (auto* button : root->findChildren<QAbstractButton*>())
        shown << button->text();
    for (const QString& caption : captions)
        EXPECT_TRUE(shown.contains(caption)) << caption.toStdString();
}

// Every shown control lies inside its parent, clear of its siblings, and has room for its whole
// caption.
inline void expectCleanLayout(QWidget* page) {
    std::vector<QWidget*> containers = {page};
    for (QGroupBox* group : page->findChildren<QGroupBox*>())
        containers.push_back(group);
    for (QWidget* parent : containers) {
        std::vector<QWidget*> kids;
        for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!w->isHidden())
                kids.push_back(w);
        for (QWidget* w : kids) {
            auto* label = qobject_cast<QLabel*>(w);
            SCOPED_TRACE((w->objectName().isEmpty() && label ? label->text() : w->objectName())
                             .toStdString());
            EXPECT_TRUE(parent->rect().contains(w->geometry()));
            for (QWidget* other : kids) {
                if (other != w) {
                    EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                        << other->objectName().toStdString();
                }
            }
            if (auto* button = qobject_cast<QPushButton*>(w)) {
                // The colour button's caption is its only content; push buttons have margins.
                const int margin = w->inherits("dorva::ColorButton") ? 2 : 8;
                EXPECT_LE(w->fontMetrics().horizontalAdvance(button->text()) + margin, w->width());
            } else if (label || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)) {
                EXPECT_LE(w->sizeHint().width(), w->width());
                EXPECT_LE(w->sizeHint().height(), w->height() + 2);
            }
            if (auto* group = qobject_cast<QGroupBox*>(w)) {
                EXPECT_LE(group->fontMetrics().horizontalAdvance(group->title()) + 16,
                          group->width());
            }
        }
    }
}

// Dialogs that also record the file each open dialog starts from, to show which dialogs share
// their state.
class RecordingDialogs : public FakeDialogs {
public:
    QStringList startFiles;
    QString openFile(QWidget* parent, const QString& filter,
                     dorva::FileDialogState& state) override {
        startFiles << state.fileName;
        return FakeDialogs::openFile(parent, filter, state);
    }
};

// The main window over a temporary folder with fake dialogs; the working folder is restored
// afterwards.
struct WindowFixture {
    struct KeepCurrentFolder {
        const QString path = QDir::currentPath();
        ~KeepCurrentFolder() { QDir::setCurrent(path); }
    } keepCurrentFolder;
    QTemporaryDir dir;
    FakeDialogs dialogs;
    dorva::MainWindow window{dialogs, dir.filePath("dorva.ini"), QFile::encodeName(dir.path()),
                             QFile::encodeName(dir.filePath("shortcut.ini"))};

    // Shows the window active on the page, which then opens a file of the given bytes.
    void open(dorva::DocumentPage& page, const QString& name, const std::string& bytes) {
        const QString path = dir.filePath(name);
        ASSERT_TRUE(testfiles::writeFile(path.toStdString(), bytes));
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.findChild<QTabWidget*>("PageControl1")->setCurrentWidget(&page);
        dialogs.openAnswers.push_back(path);
        QTest::mouseClick(page.openButton(), Qt::LeftButton);
        ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("; ").toStdString();
    }
};

} // namespace pagetesting
