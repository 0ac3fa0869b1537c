#include "controls/colorbutton.h"

#include <QEnterEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

namespace dorva {
namespace {

const QColor kFace(200, 200, 200);     // button face
const QColor kLight(255, 255, 240);    // highlight
const QColor kDark(100, 100, 120);     // shadow
const QColor kFrame(10, 0, 0);         // window frame
const QColor kFill(0, 128, 0);         // the button's own colour
const QColor kCaption(255, 0, 255);    // caption text
const QColor kBackground(40, 80, 160); // the parent's colour

// A shown window holding one colour button with a palette of distinct colours.
struct Fixture {
    QWidget window;
    ColorButton* button;
    QLineEdit* field;

    Fixture() {
        QPalette palette;
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, QPalette::Button, kFace);
            palette.setColor(group, QPalette::Light, kLight);
            palette.setColor(group, QPalette::Dark, kDark);
            palette.setColor(group, QPalette::Shadow, kFrame);
            palette.setColor(group, QPalette::ButtonText, kCaption);
            palette.setColor(group, QPalette::Window, kBackground);
        }
        window.setPalette(palette);
        auto* layout = new QHBoxLayout(&window);
        field = new QLineEdit(&window);
        button = new ColorButton(&window);
        button->setFixedSize(33, 16);
        QFont font = button->font();
        font.setStyleStrategy(QFont::NoAntialias); // caption pixels in exactly the pen colour
        button->setFont(font);
        layout->addWidget(field);
        layout->addWidget(button);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        field->setFocus();
        QApplication::processEvents();
    }

    QImage image() const { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// Bounding box of the pixels of one colour.
QRect boxOf(const QImage& image, const QColor& color) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(ColorButton, DefaultsFollowThePaletteAndTheParentsColour) {
    Fixture f;
    ColorButton& b = *f.button;
    EXPECT_EQ(b.color(), kBackground);
    EXPECT_FALSE(b.isColorSet());
    EXPECT_EQ(b.frameColor(), kFrame);
    EXPECT_EQ(b.edgeHighlight(), kLight);
    EXPECT_EQ(b.edgeShadow(), kDark);
    EXPECT_EQ(b.capAlignH(), ColorButton::haCenter);
    EXPECT_EQ(b.capAlignV(), ColorButton::vaCenter);
    EXPECT_EQ(b.buttonStyle(), ColorButton::bsStd);
    EXPECT_TRUE(b.capFixed());
    EXPECT_TRUE(b.focusline());

    b.setColor(kFill);
    QPalette changed = f.window.palette();
    changed.setColor(QPalette::Window, Qt::yellow);
    f.window.setPalette(changed);
    EXPECT_EQ(b.color(), kFill);
    b.resetColor();
    EXPECT_EQ(b.color(), QColor(Qt::yellow));
}

// Idle: highlight top and left, frame right and bottom, shadow inside them, the fill between;
// own edge colours replace the palette's.
TEST(ColorButton, RaisedEdgesAndFillWhenIdle) {
    Fixture f;
    f.button->setColor(kFill);
    QImage img = f.image();
    const int r = img.width() - 1;
    const int b = img.height() - 1;
    EXPECT_EQ(at(img, 5, 0), kLight);
    EXPECT_EQ(at(img, 0, 5), kLight);
    EXPECT_EQ(at(img, r - 1, 0), kLight);
    EXPECT_EQ(at(img, r, 5), kFrame);
    EXPECT_EQ(at(img, 0, b), kFrame);
    EXPECT_EQ(at(img, r - 1, 1), kDark);
    EXPECT_EQ(at(img, 1, b - 1), kDark);
    EXPECT_EQ(at(img, 1, 1), kFill);
    EXPECT_EQ(at(img, r - 2, b - 2), kFill);
    EXPECT_FALSE(f.button->isDefaultLook());

    f.button->setFrameColor(Qt::red);
    f.button->setEdgeHighlight(Qt::cyan);
    f.button->setEdgeShadow(Qt::blue);
    img = f.image();
    EXPECT_EQ(at(img, 3, 0), QColor(Qt::cyan));
    EXPECT_EQ(at(img, r, 3), QColor(Qt::red));
    EXPECT_EQ(at(img, r - 1, 3), QColor(Qt::blue));
}

TEST(ColorButton, DisabledFillsWithButtonFaceAndEngravesTheCaption) {
    Fixture f;
    f.button->setColor(kFill);
    f.button->setText("Co");
    f.button->setEnabled(false);
    const QImage img = f.image();
    EXPECT_EQ(at(img, 2, 2), kFace);
    EXPECT_EQ(boxOf(img, kFill), QRect());
    EXPECT_EQ(boxOf(img, kCaption), QRect());
    // The shadow copy lies on top, the highlight copy one pixel right and down.
    const QRect light = boxOf(img.copy(2, 2, img.width() - 4, img.height() - 4), kLight);
    const QRect dark = boxOf(img.copy(2, 2, img.width() - 4, img.height() - 4), kDark);
    ASSERT_TRUE(light.isValid());
    ASSERT_TRUE(dark.isValid());
    EXPECT_EQ(light.right(), dark.right() + 1);
    EXPECT_EQ(light.bottom(), dark.bottom() + 1);
}

TEST(ColorButton, PressedDrawsOneShadowOutlineAndMovesTheCaption) {
    Fixture f;
    f.button->setColor(kFill);
    f.button->setText("Co");
    const QRect upCaption = boxOf(f.image(), kCaption);
    f.button->setDown(true);
    const QImage img = f.image();
    const int r = img.width() - 1;
    const int b = img.height() - 1;
    for (const QPoint p : {QPoint(7, 0), QPoint(0, 7), QPoint(r, 7), QPoint(7, b)})
        EXPECT_EQ(at(img, p.x(), p.y()), kDark) << p.x() << "," << p.y();
    EXPECT_EQ(at(img, 1, 1), kFill);
    EXPECT_EQ(at(img, r - 1, b - 1), kFill);
    ASSERT_TRUE(upCaption.isValid());
    EXPECT_EQ(boxOf(img, kCaption), upCaption.translated(1, 1));
}

TEST(ColorButton, FocusedDrawsFrameEdgesAndTheDottedRectangle) {
    Fixture f;
    f.button->setColor(kFace);
    f.button->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(f.button->hasFocus());
    EXPECT_TRUE(f.button->isDefaultLook());
    QImage img = f.image();
    const int r = img.width() - 1;
    const int b = img.height() - 1;
    EXPECT_EQ(at(img, 0, 0), kFrame);
    EXPECT_EQ(at(img, r, b), kFrame);
    EXPECT_EQ(at(img, 1, 1), kLight);
    EXPECT_EQ(at(img, r - 1, 3), kFrame);
    EXPECT_EQ(at(img, r - 2, 3), kDark);
    EXPECT_EQ(at(img, 3, 3), kFace);
    // Dots every other pixel, 4 pixels in; on the face colour they come out black.
    EXPECT_EQ(at(img, 4, 4), QColor(Qt::black));
    EXPECT_EQ(at(img, 5, 4), kFace);
    EXPECT_EQ(at(img, 6, 4), QColor(Qt::black));
    EXPECT_EQ(at(img, r - 5, b - 4), QColor(Qt::black));
    EXPECT_EQ(at(img, r - 4, b - 4), kFace);
    EXPECT_EQ(at(img, 5, 5), kFace);

    f.button->setFocusline(false);
    img = f.image();
    EXPECT_EQ(at(img, 4, 4), kFace);
    EXPECT_EQ(at(img, 0, 0), kFrame);
}

TEST(ColorButton, BevelStyleShowsEdgesOnlyUnderThePointer) {
    Fixture f;
    f.button->setColor(kFill);
    f.button->setButtonStyle(ColorButton::bsIELike);
    QSignalSpy entered(f.button, &ColorButton::mouseEntered);
    QSignalSpy left(f.button, &ColorButton::mouseLeft);
    EXPECT_EQ(boxOf(f.image(), kFill), f.image().rect());

    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QApplication::sendEvent(f.button, &enter);
    EXPECT_TRUE(f.button->isMouseInside());
    ASSERT_EQ(entered.count(), 1);
    EXPECT_EQ(entered.at(0).at(0).value<QObject*>(), f.button);
    QImage img = f.image();
    EXPECT_EQ(at(img, 0, 0), kLight);
    EXPECT_EQ(at(img, img.width() - 1, 5), kDark);
    EXPECT_EQ(at(img, 1, 1), kFill);

    f.button->setDown(true);
    img = f.image();
    EXPECT_EQ(at(img, 5, 0), kDark);
    EXPECT_EQ(at(img, 5, img.height() - 1), kLight);

    f.button->setDown(false);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(f.button, &leave);
    EXPECT_FALSE(f.button->isMouseInside());
    EXPECT_EQ(left.count(), 1);
    EXPECT_EQ(boxOf(f.image(), kFill), f.image().rect());

    f.button->setFocus();
    QApplication::processEvents();
    img = f.image();
    EXPECT_EQ(at(img, 0, 0), kFill);
    EXPECT_NE(at(img, 2, 2), kFill);
    EXPECT_EQ(at(img, 1, 1), kFill);
}

TEST(ColorButton, CaptionLinesAreDrawnWhenTheCaptionIsEmpty) {
    Fixture f;
    f.button->setFixedSize(60, 60);
    f.button->setCaptionLines({"A"});
    const QRect one = boxOf(f.image(), kCaption);
    f.button->setCaptionLines({"A", "A"});
    const QRect two = boxOf(f.image(), kCaption);
    ASSERT_TRUE(one.isValid());
    EXPECT_GT(two.height(), 2 * one.height());
    f.button->setText("B");
    EXPECT_LT(boxOf(f.image(), kCaption).height(), two.height());
}

TEST(ColorButton, DefaultLookFollowsTheFocus) {
    Fixture f;
    auto* other = new QPushButton("x", &f.window);
    f.window.layout()->addWidget(other);
    other->show();
    f.button->setDefault(true);
    f.field->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(f.button->isDefaultLook());
    other->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(f.button->isDefaultLook());
    f.button->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(f.button->isDefaultLook());
    f.button->setDefault(false);
    f.field->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(f.button->isDefaultLook());
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// A setter repaints when its value changes, and not when it is set again to an equal value
// (caption lines compare by their joined text).
TEST(ColorButton, SettersRepaintOnlyOnChange) {
    Fixture f;
    ColorButton& b = *f.button;
    using Set = std::function<void()>;
    const std::vector<std::tuple<const char*, Set, Set>> setters = {
        {"captionLines",
         [&] {
             b.setCaptionLines({"a", "b"});
         },
         [&] { b.setCaptionLines({"a\r\nb"}); }},
        {"color", [&] { b.setColor(kFill); }, {}},
        {"capAlignH", [&] { b.setCapAlignH(ColorButton::haRight); }, {}},
        {"capAlignV", [&] { b.setCapAlignV(ColorButton::vaBottom); }, {}},
        {"buttonStyle", [&] { b.setButtonStyle(ColorButton::bsIELike); }, {}},
        {"capFixed", [&] { b.setCapFixed(false); }, {}},
        {"focusline", [&] { b.setFocusline(false); }, {}},
        {"capOffsetH", [&] { b.setCapOffsetH(2); }, {}},
        {"capOffsetV", [&] { b.setCapOffsetV(-2); }, {}},
        {"frameColor", [&] { b.setFrameColor(Qt::red); }, {}},
        {"edgeHighlight", [&] { b.setEdgeHighlight(Qt::red); }, {}},
        {"edgeShadow", [&] { b.setEdgeShadow(Qt::red); }, {}},
    };
    PaintCounter counter;
    b.installEventFilter(&counter);
    const auto paintsAfter = [&](const Set& set) {
        QApplication::processEvents();
        counter.count = 0;
        set();
        QApplication::processEvents();
        return counter.count;
    };
    for (const auto& [name, set, equal] : setters) {
        SCOPED_TRACE(name);
        EXPECT_GE(paintsAfter(set), 1);
        EXPECT_EQ(paintsAfter(set), 0);
        if (equal) {
            EXPECT_EQ(paintsAfter(equal), 0);
        }
    }
    EXPECT_GE(paintsAfter([&] { b.setCaptionLines({"a", "c"}); }), 1);
}

TEST(ColorButton, ADoubleClickIsTwoClicks) {
    Fixture f;
    QSignalSpy clicked(f.button, &QPushButton::clicked);
    // The window system reports a quick second click as a double click between press and
    // release.
    const QPointF p(5, 5);
    const QPointF global = f.button->mapToGlobal(p);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                            QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const auto buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, p, global, Qt::LeftButton, buttons, {});
        QApplication::sendEvent(f.button, &event);
    }
    EXPECT_EQ(clicked.count(), 2);
}

} // namespace
} // namespace dorva
