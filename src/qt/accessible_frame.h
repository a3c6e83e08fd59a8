#pragma once

#include <QAccessibleWidget>

class QGroupBox;

// A frame as screen readers see it: a grouping named by its caption, as Qt gives it, that
// also offers the caption as text where it is drawn, on the frame's top line. Orca's flat
// review reads what is drawn from objects with text, so that "Good Directions" is heard
// just above the rows it heads; without this the caption is heard nowhere.
class AccessibleFrame : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleFrame(QGroupBox* frame);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // The caption, read only: no selection, no cursor, no attributes.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QGroupBox* frame() const;
    QRect captionRect() const; // in screen coordinates
};
