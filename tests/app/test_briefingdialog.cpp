#include "controls/aboutbox.h"
#include "controls/briefingdialog.h"
#include "controls/textcodec.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using dorva::BriefingDialog;

// Every byte pair except line breaks (which the document holds as CR LF) comes back, as do
// empty lines and a last line without a break; a character outside the code page is an error.
TEST(BriefingDialog, EveryBytePairRoundTrips) {
    std::string text;
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            if (first == '\r' || first == '\n' || second == '\r' || second == '\n')
                continue;
            text += char(first);
            text += char(second);
            text += "\r\n";
        }
    }
    text += "\r\n  end ";
    BriefingDialog dialog("Briefing Text");
    dialog.setText(dorva::toQString(text));
    const std::string back = dorva::toBytes(dialog.text(), "Briefing Text");
    ASSERT_EQ(back.size(), text.size());
    EXPECT_TRUE(back == text);

    dialog.memo()->setPlainText(QString::fromUtf8("\u20ac"));
    EXPECT_THROW(dorva::toBytes(dialog.text(), "Briefing Text"), std::exception);
}

TEST(BriefingDialog, EnterBreaksTheLineAndCloseKeepsTheText) {
    BriefingDialog dialog("Briefing Text");
    EXPECT_EQ(dialog.windowTitle(), "Briefing Text");
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), QString::fromUtf8("{p}\u3000で改行"));
    dialog.setText("ab");
    dialog.show();
    QPlainTextEdit* memo = dialog.findChild<QPlainTextEdit*>("BrfMemo");
    ASSERT_NE(memo, nullptr);
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "cd");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.text(), "ab\r\ncd");

    QPushButton* close = dialog.findChild<QPushButton*>("ButtonOK");
    ASSERT_NE(close, nullptr);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.text(), "ab\r\ncd");
}

TEST(AboutBox, ShowsVersionAndClosesOnEnter) {
    dorva::AboutBox box;
    EXPECT_EQ(box.windowTitle(), "Version Info");
    EXPECT_EQ(box.findChild<QLabel*>("ProductName")->text(), "Dorvanel");
    EXPECT_EQ(box.findChild<QLabel*>("Version")->text(), "Version 0.41");
    box.show();
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}
