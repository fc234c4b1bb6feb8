#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include "desktop/RowModel.h"

#include <QTableView>

#include <optional>
#include <utility>
#include <vector>

class QMimeData;

namespace quillfen {

// A report-view list: the view plus the RowModel it owns. The window's code works through the
// row and column operations below (0-based table rows, whatever the model shows; sub-item k
// is column k) and the notifications,
// which mirror the mouse, key and drop events of the view. It is a table view without grid
// or row headers: unlike a tree view it keeps no per-row layout that a million rows would
// have to rebuild on every insertion.
class ListControl final : public QTableView {
    Q_OBJECT

public:
    enum class Pointer { Standard, Custom };

    explicit ListControl(bool checkable, QWidget* parent = nullptr);

    RowModel& rows() { return m_model; }
    const RowModel& rows() const { return m_model; }

    // Width in twips, the window's layout unit (15 twips to a pixel at 96 dpi).
    void addColumn(const QString& header, int widthTwips = 0);
    // How many rows the list shows at least, below its header, however small the window.
    static constexpr int kRowsAtLeast = 3;
    QSize minimumSizeHint() const override;

    // The current row, or -1.
    int selectedRow() const;
    // Removes the current row, if any.
    void removeSelectedRow();
    // Lets the user select several rows at once, with Shift and Ctrl.
    void allowSeveralSelected();
    // The selected rows, ascending; and all of them removed.
    std::vector<int> selectedRows() const;
    void removeSelectedRows();

    // Lets a click on a header ask for the rows sorted by that column (headerClicked); the
    // list sorts nothing itself. The header shows the model's sorting.
    void allowHeaderSorting();
    std::optional<std::pair<int, Qt::SortOrder>> shownSort() const;
    void selectRow(int row);
    void ensureRowVisible(int row);
    // The row under a point in viewport coordinates, or -1.
    int rowAtPoint(const QPoint& pos) const;

    // The list's own pointer; a custom image that cannot be loaded shows the standard arrow.
    void setListPointer(Pointer pointer, const QString& imageFile = {});
    Pointer listPointer() const { return m_pointer; }

    // Whether to accept drops of local files (the window handles the drop itself).
    void setAcceptsFileDrops(bool accept);

signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void moved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
    void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void itemClicked(int row);
    void doubleClickedRow();
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void headerClicked(int column);
    void dropped(const QMimeData* data);

protected:
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void fitRowHeight();
    void showSortIndicator();

    RowModel m_model;
    Pointer m_pointer = Pointer::Standard;
};

// True when the data carries at least one local file or folder path.
bool hasLocalFiles(const QMimeData* data);

} // namespace quillfen
