#include "controls/dialogs.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

TEST(ErrorBoxText, AddsAPeriodUnlessTheTextEndsAtOrBelowIt) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"ファイル a.atr は開けません", "ファイル a.atr は開けません."},
        {"ends with period.", "ends with period."},
        {"ends with comma,", "ends with comma,"},
        {"ends with slash/", "ends with slash/."},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dorva::errorBoxText(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown))
            << c.message;
}

TEST(QtFilter, TurnsPairsIntoQtFilters) {
    EXPECT_EQ(dorva::toQtFilter("Actor File(*.atr)|*.atr|All File(*.*)|*.*"),
              "Actor File(*.atr) (*.atr);;All File(*.*) (*.*)");
    EXPECT_EQ(dorva::toQtFilter("Kit File(*.kit)|*.kit"), "Kit File(*.kit) (*.kit)");
    EXPECT_EQ(dorva::toQtFilter("Images|*.rsb;*.bmp"), "Images (*.rsb *.bmp)");
}

// A path too long for one line wraps instead of being cut off, and even a path too long for the
// screen leaves the OK button on it.
TEST(ErrorBox, LongPathsWrapAndTheOkButtonStaysOnTheScreen) {
    const QString longName = "/games/" + QString(300, u'n') + ".mis";
    const QString deepPath = QString("/folder").repeated(600);
    for (const QString& path : {longName, deepPath}) {
        const QString message = QString::fromUtf8("ファイル %1 は開けません").arg(path);
        const auto box = dorva::errorBox(nullptr, message);
        box->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
        const QRect screen = box->screen()->availableGeometry();
        const QAbstractButton* ok = box->button(QMessageBox::Ok);
        EXPECT_TRUE(screen.contains(box->frameGeometry())) << box->frameGeometry().height();
        EXPECT_TRUE(screen.contains(QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size())));
        if (path == longName) {
            EXPECT_EQ(box->text().remove(QChar(0x200B)), dorva::errorBoxText(message));
        }
    }
}
