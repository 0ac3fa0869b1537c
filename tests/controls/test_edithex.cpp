#include "controls/edithex.h"

#include "formats/error.h"

#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace dorva {
namespace {

// A field in number mode with the given type, width and grouping.
std::unique_ptr<EditHex> numberField(EditHex::NumericalType type, EditHex::NumericalPlace places,
                                     bool fourDigit) {
    auto edit = std::make_unique<EditHex>();
    edit->setNumericType(type);
    edit->setMaxPlaces(places);
    edit->setFourDigit(fourDigit);
    edit->setNumeralOnly(true);
    return edit;
}

struct ValueCase {
    EditHex::NumericalType type;
    EditHex::NumericalPlace places;
    bool fourDigit;
    const char* in;
    const char* shown;
    const char* value;
};

TEST(EditHex, ConstructsAsHexadecimalEightPlacesWithNumberModeOff) {
    EditHex edit;
    EXPECT_EQ(edit.numericType(), EditHex::HexDecimal);
    EXPECT_EQ(edit.maxPlaces(), EditHex::Places8);
    EXPECT_EQ(edit.hexWidth(), 8);
    EXPECT_FALSE(edit.fourDigit());
    EXPECT_FALSE(edit.numeralOnly());
    EXPECT_EQ(edit.textAlignment(), EditHex::LeftJustify);
}

TEST(EditHex, WithNumberModeOffValuesPassThroughUnchanged) {
    for (const auto type : {EditHex::Decimal, EditHex::HexDecimal}) {
        EditHex edit;
        edit.setNumericType(type);
        edit.setFourDigit(true);
        for (const char* text : {"", "12a", "$_1_", "-0", "\xe3\x81\x82"}) {
            edit.setValue(QString::fromUtf8(text));
            EXPECT_EQ(edit.text(), QString::fromUtf8(text));
            EXPECT_EQ(edit.value(), QString::fromUtf8(text));
        }
    }
}

TEST(EditHex, NumberModeNormalisesWrittenValues) {
    const auto D = EditHex::Decimal;
    const auto H = EditHex::HexDecimal;
    const ValueCase cases[] = {
        {D, EditHex::Places8, false, "", "0", "0"},
        {D, EditHex::Places8, false, "2147483648", "0", "0"},
        {D, EditHex::Places8, false, "$FF", "$000000FF", "$000000FF"},
        {D, EditHex::Places8, true, "1234567", "123_4567", "1234567"},
        {D, EditHex::Places8, true, "-1234567", "-123_4567", "-1234567"},
        {H, EditHex::Places8, false, "FF", "$000000FF", "$000000FF"},
        {H, EditHex::Places8, false, "123456789", "$00000000", "$00000000"},
        {H, EditHex::Places8, true, "FF", "$0000_00FF", "$000000FF"},
        {H, EditHex::Places4, true, "FF", "$00FF", "$00FF"},
        {H, EditHex::Places2, false, "100", "$00", "$00"},
    };
    for (const auto& c : cases) {
        const auto field = numberField(c.type, c.places, c.fourDigit);
        EditHex& edit = *field;
        edit.setValue(QString::fromLatin1(c.in));
        SCOPED_TRACE(c.in);
        EXPECT_EQ(edit.text(), QLatin1String(c.shown));
        EXPECT_EQ(edit.value(), QLatin1String(c.value));
    }
}

TEST(EditHex, SwitchingNumberModeOnConvertsAnyTextAndOffLeavesIt) {
    struct Case {
        EditHex::NumericalType type;
        bool fourDigit;
        const char* before;
        const char* after;
    } const cases[] = {
        {EditHex::HexDecimal, false, "255", "$000000FF"},
        {EditHex::HexDecimal, true, "255", "$0000_00FF"},
        {EditHex::HexDecimal, false, "$1_0", "$00000010"},
        {EditHex::HexDecimal, false, "hello", "$00000000"},
        {EditHex::Decimal, false, "$FF", "255"},
        {EditHex::Decimal, false, "1_234", "1234"},
        {EditHex::Decimal, true, "12345", "1_2345"},
        {EditHex::Decimal, false, "", "0"},
    };
    for (const auto& c : cases) {
        EditHex edit;
        edit.setNumericType(c.type);
        edit.setFourDigit(c.fourDigit);
        edit.setText(QString::fromLatin1(c.before));
        edit.setNumeralOnly(true);
        EXPECT_EQ(edit.text(), QLatin1String(c.after)) << c.before;
        edit.setNumeralOnly(false);
        EXPECT_EQ(edit.text(), QLatin1String(c.after)) << c.before;
        EXPECT_EQ(edit.value(), QLatin1String(c.after)) << c.before;
    }
}

TEST(EditHex, PropertyChangesRerenderInNumberMode) {
    EditHex edit;
    edit.setNumeralOnly(true);
    edit.setValue("$FF");
    edit.setMaxPlaces(EditHex::Places2);
    EXPECT_EQ(edit.hexWidth(), 2);
    EXPECT_EQ(edit.text(), "$FF");
    edit.setMaxPlaces(EditHex::Places8);
    edit.setFourDigit(true);
    EXPECT_EQ(edit.text(), "$0000_00FF");
    edit.setFourDigit(false);
    EXPECT_EQ(edit.text(), "$000000FF");

    edit.setValue("$100");
    edit.setMaxPlaces(EditHex::Places2);
    EXPECT_EQ(edit.text(), "$00");

    edit.setMaxPlaces(EditHex::Places4);
    edit.setValue("$00FF");
    edit.setNumericType(EditHex::Decimal);
    EXPECT_EQ(edit.text(), "255");

    edit.setMaxPlaces(EditHex::Places2);
    edit.setValue("300");
    edit.setNumericType(EditHex::HexDecimal);
    EXPECT_EQ(edit.text(), "$00");

    edit.setValue("$FFFFFFFF");
    EXPECT_EQ(edit.text(), "$00");
    edit.setMaxPlaces(EditHex::Places8);
    edit.setValue("$FFFFFFFF");
    edit.setNumericType(EditHex::Decimal);
    EXPECT_EQ(edit.text(), "-1");
}

TEST(EditHex, PropertyChangesOutsideNumberModeLeaveTheText) {
    EditHex edit;
    edit.setText("12ab");
    edit.setNumericType(EditHex::Decimal);
    edit.setMaxPlaces(EditHex::Places2);
    edit.setFourDigit(true);
    EXPECT_EQ(edit.text(), "12ab");
}

TEST(EditHex, RerenderOfATextThatIsNotAnIntegerRaisesTheConversionError) {
    EditHex edit;
    edit.setNumericType(EditHex::Decimal);
    edit.setNumeralOnly(true);
    edit.setText("12x_3");
    try {
        edit.setFourDigit(true);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'12x3' は整数ではありません");
    }
    EXPECT_TRUE(edit.fourDigit());
    EXPECT_EQ(edit.text(), "12x_3");

    // Unchanged values do nothing, so they cannot fail.
    EXPECT_NO_THROW(edit.setFourDigit(true));
    EXPECT_NO_THROW(edit.setNumericType(EditHex::Decimal));
    EXPECT_NO_THROW(edit.setMaxPlaces(EditHex::Places8));
    EXPECT_THROW(edit.setMaxPlaces(EditHex::Places4), Error);
    EXPECT_EQ(edit.maxPlaces(), EditHex::Places4);
    EXPECT_THROW(edit.setNumericType(EditHex::HexDecimal), Error);
    EXPECT_EQ(edit.numericType(), EditHex::HexDecimal);
}

struct TypingCase {
    EditHex::NumericalType type;
    EditHex::NumericalPlace places;
    bool fourDigit;
    const char* start;
    int caret;
    const char* keys;
    const char* shown;
    int caretAfter;
};

TEST(EditHex, TypingReformatsAndKeepsTheCaretsDistanceFromTheEnd) {
    const auto D = EditHex::Decimal;
    const auto H = EditHex::HexDecimal;
    const TypingCase cases[] = {
        {D, EditHex::Places8, false, "1234", 0, "5", "51234", 1},
        {D, EditHex::Places8, false, "1234", 2, "x", "1234", 2},
        {D, EditHex::Places8, false, "1234", 2, "5", "12534", 3},
        {D, EditHex::Places8, false, "1234", 4, "5", "12345", 5},
        {D, EditHex::Places8, false, "1234", 4, "-", "1234", 4},
        {D, EditHex::Places8, false, "0", 1, "7", "7", 1},
        {D, EditHex::Places8, false, "214748364", 9, "8", "0", 1},
        {D, EditHex::Places8, true, "1234", 4, "5", "1_2345", 6},
        {D, EditHex::Places8, true, "1234", 0, "9", "9_1234", 2},
        {D, EditHex::Places8, true, "214_7483_647", 0, "9", "0", 0},
        {H, EditHex::Places4, false, "$00FF", 5, "A", "$0FFA", 5},
        {H, EditHex::Places4, false, "$FFFF", 5, "A", "$0000", 5},
        {H, EditHex::Places4, false, "$00FF", 5, "g", "$00FF", 5},
        {H, EditHex::Places8, true, "$0000_00FF", 10, "a", "$0000_0FFA", 10},
        {H, EditHex::Places8, false, "$000000FF", 1, "1", "$00000000", 1},
        {D, EditHex::Places8, true, "1_2345", 6, "\b", "1234", 4},
    };
    for (const auto& c : cases) {
        const auto field = numberField(c.type, c.places, c.fourDigit);
        EditHex& edit = *field;
        edit.setText(QString::fromLatin1(c.start));
        edit.setCursorPosition(c.caret);
        QTest::keyClicks(&edit, QString::fromLatin1(c.keys));
        EXPECT_EQ(edit.text(), QLatin1String(c.shown)) << c.start << " + " << c.keys;
        EXPECT_EQ(edit.cursorPosition(), c.caretAfter) << c.start << " + " << c.keys;
    }
}

TEST(EditHex, DeleteLeavesAnEmptyTextUntilTheNextTypedKey) {
    for (const auto type : {EditHex::Decimal, EditHex::HexDecimal}) {
        EditHex edit;
        edit.setNumericType(type);
        edit.setNumeralOnly(true);
        edit.setValue("42");
        edit.selectAll();
        QTest::keyClick(&edit, Qt::Key_Delete);
        EXPECT_EQ(edit.text(), "");
        EXPECT_EQ(edit.value(), "");
        QTest::keyClick(&edit, Qt::Key_Backspace);
        EXPECT_EQ(edit.text(), type == EditHex::Decimal ? "0" : "$00000000");
    }
}

// The handler sees each typed character and can drop or replace it; Enter reaches it as CR and
// inserts nothing.
TEST(EditHex, KeyPressHandlerSeesAndCanChangeEachCharacter) {
    EditHex edit;
    QString seen;
    QObject::connect(&edit, &EditHex::keyPress, [&](QChar& key) {
        seen += key;
        if (key == QChar('x'))
            key = QChar();
        else if (key == QChar('a'))
            key = QChar('A');
    });
    QTest::keyClicks(&edit, "1xa2");
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClick(&edit, Qt::Key_Enter);
    EXPECT_EQ(edit.text(), "1A2");
    EXPECT_EQ(seen, "1xa2\r\r");
}

TEST(EditHex, EnterReachesTheDefaultButtonAndTabMovesTheFocus) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* first = new EditHex(&dialog);
    auto* second = new EditHex(&dialog);
    auto* ok = new QPushButton("OK", &dialog);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addWidget(ok);
    ok->setDefault(true);
    QSignalSpy clicked(ok, &QPushButton::clicked);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(second->hasFocus());
    QTest::keyClick(second, Qt::Key_Return);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(EditHex, WholeTextIsSelectedWhenFirstShown) {
    QWidget window;
    auto* edit = new EditHex(&window);
    edit->setText("1234");
    window.show();
    EXPECT_EQ(edit->selectedText(), "1234");
}

} // namespace
} // namespace dorva
