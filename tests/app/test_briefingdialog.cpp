#include "controls/aboutbox.h"
#include "controls/briefingdialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using dorva::BriefingDialog;

TEST(BriefingDialog, CrLfTextRoundTripsUnchanged) {
    BriefingDialog dialog;
    const std::string text = "Line one{p}\r\n\r\n\x83\x7e\x83\x56\x83\x87\x83\x93\tTAB\r\n  end ";
    dialog.setBriefingText(text);
    EXPECT_EQ(dialog.memo()->toPlainText().count('\n'), 3);
    EXPECT_EQ(dialog.briefingText(), text);
}

// Every byte pair except line breaks (which the document already holds as CR LF) comes back.
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
    BriefingDialog dialog;
    dialog.setBriefingText(text);
    const std::string back = dialog.briefingText();
    ASSERT_EQ(back.size(), text.size());
    EXPECT_TRUE(back == text);
}

TEST(BriefingDialog, EnterBreaksTheLineAndCloseKeepsTheText) {
    BriefingDialog dialog;
    dialog.setBriefingText("ab");
    dialog.show();
    QPlainTextEdit* memo = dialog.findChild<QPlainTextEdit*>("BrfMemo");
    ASSERT_NE(memo, nullptr);
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "cd");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.briefingText(), "ab\r\ncd");

    QPushButton* close = dialog.findChild<QPushButton*>("ButtonOK");
    ASSERT_NE(close, nullptr);
    EXPECT_FALSE(close->isDefault());
    EXPECT_FALSE(close->autoDefault());
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.briefingText(), "ab\r\ncd");

    dialog.show();
    dialog.close();
    EXPECT_EQ(dialog.briefingText(), "ab\r\ncd");
}

TEST(BriefingDialog, LayoutAndTexts) {
    BriefingDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Briefing Text");
    EXPECT_EQ(dialog.size(), QSize(481, 299));
    EXPECT_EQ(dialog.memo()->geometry(), QRect(0, 0, 481, 265));
    EXPECT_TRUE(dialog.memo()->tabChangesFocus());
    EXPECT_EQ(dialog.memo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QLabel* label = dialog.findChild<QLabel*>("Label1");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QString::fromUtf8("{p}\u3000で改行"));
    EXPECT_EQ(label->pos(), QPoint(8, 272));
}

TEST(BriefingDialog, CharacterOutsideTheCodePageIsAnError) {
    BriefingDialog dialog;
    dialog.memo()->setPlainText(QString::fromUtf8("\u20ac"));
    EXPECT_THROW(dialog.briefingText(), std::exception);
}

TEST(AboutBox, ShowsVersionAndClosesOnEnter) {
    dorva::AboutBox box;
    EXPECT_EQ(box.windowTitle(), "Version Info");
    EXPECT_EQ(box.size(), QSize(260, 125));
    EXPECT_EQ(box.findChild<QLabel*>("ProductName")->text(), "Dorvanel");
    EXPECT_EQ(box.findChild<QLabel*>("Version")->text(), "Version 0.41");
    QPushButton* ok = box.findChild<QPushButton*>("OKButton");
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    box.show();
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}
