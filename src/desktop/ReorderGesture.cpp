#include "desktop/ReorderGesture.h"

#include "desktop/ListControl.h"

namespace quillfen {

ReorderGesture::ReorderGesture(ListControl& list, QString dragPointerFile)
    : m_list(list)
    , m_dragPointerFile(std::move(dragPointerFile))
{
    QObject::connect(&list, &ListControl::pressed, &list, [this] { press(); });
    QObject::connect(&list, &ListControl::itemClicked, &list, [this](int row) { itemClick(row); });
    QObject::connect(&list, &ListControl::moved, &list,
                     [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint pos) { move(pos); });
    QObject::connect(&list, &ListControl::released, &list, [this] { release(); });
}

void ReorderGesture::press()
{
    m_dragging = true;
}

void ReorderGesture::itemClick(int /*row*/)
{
    m_list.setListPointer(ListControl::Pointer::Custom, m_dragPointerFile);
    m_dragged = m_list.selectedRow();
}

void ReorderGesture::move(QPoint pos)
{
    if (!m_dragging)
        return;
    RowModel& rows = m_list.rows();
    const int hovered = m_list.rowAtPoint(pos);
    if (hovered < 0 || m_dragged < 0 || m_dragged >= rows.rows())
        return;
    const QString draggedText = rows.text(m_dragged);
    const QString hoveredText = rows.text(hovered);
    if (draggedText == hoveredText)
        return; // equal texts never trade, which also covers the entry itself
    rows.setText(m_dragged, hoveredText);
    rows.setText(hovered, draggedText);
    m_list.selectRow(hovered);
    m_dragged = hovered;
    scrollNear(hovered, pos);
}

void ReorderGesture::scrollNear(int hovered, QPoint pos)
{
    // Near the top or bottom edge of the list, bring the next entry in that direction into
    // view, so the drag can go on past what is shown.
    const int margin = m_list.visualRect(m_list.rows().index(hovered, 0)).height();
    const int height = m_list.viewport()->height();
    if (pos.y() < margin && hovered > 0)
        m_list.ensureRowVisible(hovered - 1);
    else if (pos.y() > height - margin && hovered < m_list.rows().rows() - 1)
        m_list.ensureRowVisible(hovered + 1);
}

void ReorderGesture::release()
{
    m_dragging = false;
    m_dragged = -1; // a later press on empty space must not trade with a stale entry
    m_list.setListPointer(ListControl::Pointer::Standard);
}

} // namespace quillfen
