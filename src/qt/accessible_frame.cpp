#include "accessible_frame.h"

#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>

AccessibleFrame::AccessibleFrame(QGroupBox* frame)
    : QAccessibleWidget(frame, QAccessible::Grouping)
{
}

QGroupBox* AccessibleFrame::frame() const
{
    return static_cast<QGroupBox*>(widget());
}

QString AccessibleFrame::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && frame()->accessibleName().isEmpty())
        return frame()->title();
    return QAccessibleWidget::text(t);
}

void* AccessibleFrame::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString AccessibleFrame::text(int startOffset, int endOffset) const
{
    return frame()->title().mid(startOffset, endOffset - startOffset);
}

int AccessibleFrame::characterCount() const
{
    return static_cast<int>(frame()->title().size());
}

QRect AccessibleFrame::captionRect() const
{
    QStyleOptionGroupBox option;
    option.initFrom(frame());
    option.text = frame()->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    const QRect local =
        frame()->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame());
    return QRect(frame()->mapToGlobal(local.topLeft()), local.size());
}

QRect AccessibleFrame::characterRect(int offset) const
{
    const QString title = frame()->title();
    if (offset < 0 || offset >= title.size())
        return {};
    const QFontMetrics metrics = frame()->fontMetrics();
    const QRect caption = captionRect();
    const int before = metrics.horizontalAdvance(title.left(offset));
    return {caption.left() + before, caption.top(), metrics.horizontalAdvance(title.at(offset)), caption.height()};
}

int AccessibleFrame::offsetAtPoint(const QPoint& point) const
{
    for (int offset = 0; offset < characterCount(); ++offset) {
        if (characterRect(offset).contains(point))
            return offset;
    }
    return -1;
}

void AccessibleFrame::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
}

QString AccessibleFrame::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
