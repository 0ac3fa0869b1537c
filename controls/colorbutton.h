#pragma once

#include <QColor>
#include <QPushButton>
#include <QStringList>

namespace dorva {

// Push button that paints itself: a solid colour face, a caption of one or more lines placed by
// alignment and pixel offsets, and raised edges, a bevel shown only under the pointer, or none.
// It keeps all push-button behaviour (click, keyboard, default role).
//
// The colours that follow the system until set map to palette roles: the button face is
// QPalette::Button, the highlight QPalette::Light, the shadow QPalette::Dark and the window frame
// QPalette::Shadow.
class ColorButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QStringList captionLines READ captionLines WRITE setCaptionLines)
    Q_PROPERTY(QColor color READ color WRITE setColor RESET resetColor)
    Q_PROPERTY(HAlignment capAlignH READ capAlignH WRITE setCapAlignH)
    Q_PROPERTY(VAlignment capAlignV READ capAlignV WRITE setCapAlignV)
    Q_PROPERTY(ButtonStyle buttonStyle READ buttonStyle WRITE setButtonStyle)
    Q_PROPERTY(bool capFixed READ capFixed WRITE setCapFixed)
    Q_PROPERTY(bool focusline READ focusline WRITE setFocusline)
    Q_PROPERTY(int capOffsetH READ capOffsetH WRITE setCapOffsetH)
    Q_PROPERTY(int capOffsetV READ capOffsetV WRITE setCapOffsetV)
    Q_PROPERTY(QColor frameColor READ frameColor WRITE setFrameColor RESET resetFrameColor)
    Q_PROPERTY(
        QColor edgeHighlight READ edgeHighlight WRITE setEdgeHighlight RESET resetEdgeHighlight)
    Q_PROPERTY(QColor edgeShadow READ edgeShadow WRITE setEdgeShadow RESET resetEdgeShadow)

public:
    enum HAlignment { haLeft, haCenter, haRight };
    Q_ENUM(HAlignment)
    enum VAlignment { vaTop, vaCenter, vaBottom };
    Q_ENUM(VAlignment)
    enum ButtonStyle { bsStd, bsIELike, bsNone };
    Q_ENUM(ButtonStyle)

    explicit ColorButton(QWidget* parent = nullptr);
    ~ColorButton() override;

    QStringList captionLines() const { return captionLines_; }
    void setCaptionLines(const QStringList& lines);

    // The face colour while enabled: the parent's background colour until set.
    QColor color() const;
    void setColor(const QColor& color);
    void resetColor();
    bool isColorSet() const { return color_.isValid(); }

    HAlignment capAlignH() const { return capAlignH_; }
    void setCapAlignH(HAlignment alignment);
    VAlignment capAlignV() const { return capAlignV_; }
    void setCapAlignV(VAlignment alignment);
    ButtonStyle buttonStyle() const { return buttonStyle_; }
    void setButtonStyle(ButtonStyle style);
    bool capFixed() const { return capFixed_; }
    void setCapFixed(bool fixed);
    bool focusline() const { return focusline_; }
    void setFocusline(bool on);
    int capOffsetH() const { return capOffsetH_; }
    void setCapOffsetH(int offset);
    int capOffsetV() const { return capOffsetV_; }
    void setCapOffsetV(int offset);

    // Edge colours: the system's window frame, highlight and shadow colours until set.
    QColor frameColor() const;
    void setFrameColor(const QColor& color);
    void resetFrameColor();
    QColor edgeHighlight() const;
    void setEdgeHighlight(const QColor& color);
    void resetEdgeHighlight();
    QColor edgeShadow() const;
    void setEdgeShadow(const QColor& color);
    void resetEdgeShadow();

    // Drawn as the window's active default button: it has the focus, or it is the default
    // button and the focus is on a control that is not a push button.
    bool isDefaultLook() const;
    bool isMouseInside() const { return mouseInside_; }

signals:
    void mouseEntered(QObject* sender);
    void mouseLeft(QObject* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void updateDefaultLook();
    void enter();
    QString captionText() const;
    void setColorMember(QColor& member, const QColor& color);

    QStringList captionLines_;
    QColor color_;
    HAlignment capAlignH_ = haCenter;
    VAlignment capAlignV_ = vaCenter;
    ButtonStyle buttonStyle_ = bsStd;
    bool capFixed_ = true;
    bool focusline_ = true;
    int capOffsetH_ = 0;
    int capOffsetV_ = 0;
    QColor frameColor_;
    QColor edgeHighlight_;
    QColor edgeShadow_;
    bool defaultLook_ = false; // as last worked out, so that a change repaints the button
    bool mouseInside_ = false;
};

} // namespace dorva
