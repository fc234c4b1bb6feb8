#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include <QPoint>
#include <QString>

namespace quillfen {

class ListControl;

// Reordering the file list by dragging an entry: while the button is held, the dragged path
// trades places with each entry the pointer passes over, so it travels up or down the list.
// Entries trade by exchanging their texts, which is all an entry holds. The gesture follows
// the list's mouse notifications from its construction on, and must not outlive the list.
class ReorderGesture {
public:
    // `dragPointerFile` is the image shown while dragging; if it cannot be loaded the list
    // shows the arrow.
    ReorderGesture(ListControl& list, QString dragPointerFile);
    ReorderGesture(const ReorderGesture&) = delete;
    ReorderGesture& operator=(const ReorderGesture&) = delete;

    void press();
    void itemClick(int row);
    // `pos` is in the list's viewport coordinates.
    void move(QPoint pos);
    void release();

private:
    void scrollNear(int hovered, QPoint pos);

    ListControl& m_list;
    QString m_dragPointerFile;
    bool m_dragging = false;
    int m_dragged = -1;
};

} // namespace quillfen
