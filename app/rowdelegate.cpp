#include "app/rowdelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QProxyStyle>
#include <QTextLayout>

namespace dorva {

namespace {

// Fusion draws view items as the common style does, which the shortcut below follows; any
// other style may draw rows of its own.
bool drawsCommonItems(const QStyle* style) {
    if (const auto* proxy = qobject_cast<const QProxyStyle*>(style))
        style = proxy->baseStyle();
    return style->name() == QLatin1String("fusion");
}

// A row the shortcut below draws exactly as the style would: text only, on one line.
bool plainTextRow(const QStyleOptionViewItem& option) {
    return option.features == QStyleOptionViewItem::HasDisplay && option.icon.isNull() &&
           (option.displayAlignment & Qt::AlignHorizontal_Mask) == Qt::AlignLeft &&
           option.backgroundBrush.style() == Qt::NoBrush &&
           !(option.state & QStyle::State_Editing) && option.direction == Qt::LeftToRight &&
           !option.text.contains(QChar::LineSeparator);
}

QPalette::ColorGroup colorGroup(const QStyleOptionViewItem& option) {
    if (!(option.state & QStyle::State_Enabled))
        return QPalette::Disabled;
    return option.state & QStyle::State_Active ? QPalette::Normal : QPalette::Inactive;
}

// One line of a row's text, laid out as the style lays out a view item's.
QTextLayout& layOut(QTextLayout& layout, const QStyleOptionViewItem& option, int width) {
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(option.direction);
    textOption.setAlignment(QStyle::visualAlignment(option.direction, option.displayAlignment));
    layout.setTextOption(textOption);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(width);
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    return layout;
}

// The text as the style draws a view item's: within the focus frame's margin, vertically
// centred on its line, cut short with the row's elide mode where it does not fit. The text is
// laid out once where it fits, as most file names do.
void drawRowText(QPainter* painter, const QStyleOptionViewItem& option, int margin) {
    const QRect textRect = option.rect.adjusted(margin, 0, -margin, 0);
    QTextLayout whole(option.text, option.font);
    layOut(whole, option, textRect.width());
    QTextLayout elided;
    QTextLayout* shown = &whole;
    if (whole.lineAt(0).naturalTextWidth() > textRect.width()) {
        elided.setText(QFontMetrics(option.font)
                           .elidedText(option.text, option.textElideMode, textRect.width()));
        elided.setFont(option.font);
        shown = &layOut(elided, option, textRect.width());
    }
    const QRect line = QStyle::alignedRect(Qt::LayoutDirectionAuto, option.displayAlignment,
                                           shown->boundingRect().size().toSize(), textRect);
    painter->setPen(option.palette.color(colorGroup(option), option.state & QStyle::State_Selected
                                                                 ? QPalette::HighlightedText
                                                                 : QPalette::Text));
    shown->draw(painter, QPointF(textRect.x(), line.top()));
}

} // namespace

RowDelegate::RowDelegate(int height, int indent, QObject* parent)
    : QStyledItemDelegate(parent), height_(height), indent_(indent) {}

QSize RowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(height_);
    size.rwidth() += indent_ * index.data(levelRole).toInt();
    return size;
}

void RowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
    QStyleOptionViewItem row(option);
    initStyleOption(&row, index);
    row.rect.setLeft(option.rect.left() + indent_ * index.data(levelRole).toInt());
    const QWidget* widget = row.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    if (!drawsCommonItems(style) || !plainTextRow(row)) {
        style->drawControl(QStyle::CE_ItemViewItem, &row, painter, widget);
        return;
    }
    painter->save();
    painter->setClipRect(row.rect);
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &row, painter, widget);
    if (!row.text.isEmpty())
        drawRowText(painter, row,
                    style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1);
    if (row.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(row);
        focus.rect = style->subElementRect(QStyle::SE_ItemViewItemFocusRect, &row, widget);
        focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
        const QPalette::ColorGroup group =
            row.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
        focus.backgroundColor = row.palette.color(
            group, row.state & QStyle::State_Selected ? QPalette::Highlight : QPalette::Window);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}

} // namespace dorva
