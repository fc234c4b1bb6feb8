#include "desktop/ListControl.h"

#include "desktop/Twips.h"

#include <QDropEvent>
#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QUrl>

#include <algorithm>

namespace quillfen {

namespace {

// A long path loses its middle, not its end, so the file name stays in view; the other
// columns keep their beginnings, as a date's day matters most. A cell cut short shows its
// whole text as its tooltip; elsewhere the list's own hint shows.
class PathElidingDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (event->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString text = isCut(view, option, index) ? index.data().toString() : view->toolTip();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(event->globalPos(), text, view->viewport(), view->visualRect(index));
        return true;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->textElideMode = index.column() == 0 ? Qt::ElideMiddle : Qt::ElideRight;
    }

private:
    bool isCut(const QAbstractItemView* view, const QStyleOptionViewItem& option,
               const QModelIndex& index) const
    {
        if (!index.isValid())
            return false;
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        if (cell.text.isEmpty())
            return false;
        const QStyle* style = view->style();
        const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, view);
        // The style leaves a margin on each side of the text within that room.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &cell, view) + 1;
        return cell.fontMetrics.horizontalAdvance(cell.text) > room.width() - 2 * margin;
    }
};

} // namespace

ListControl::ListControl(bool checkable, QWidget* parent)
    : QTableView(parent)
    , m_model(checkable)
{
    setModel(&m_model);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::NoDragDrop); // no drag of its own
    setMouseTracking(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSortIndicatorShown(false);
    setItemDelegate(new PathElidingDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setContextMenuPolicy(Qt::CustomContextMenu);
    fitRowHeight();
}

void ListControl::allowSeveralSelected()
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

std::vector<int> ListControl::selectedRows() const
{
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(m_model.tableRow(row));
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void ListControl::removeSelectedRows()
{
    const std::vector<int> rows = selectedRows();
    clearSelection();
    m_model.removeRows(rows);
}

void ListControl::allowHeaderSorting()
{
    horizontalHeader()->setSectionsClickable(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &ListControl::headerClicked);
    connect(&m_model, &RowModel::sortingChanged, this, &ListControl::showSortIndicator);
}

std::optional<std::pair<int, Qt::SortOrder>> ListControl::shownSort() const
{
    const auto sorting = m_model.sorting();
    if (!sorting)
        return std::nullopt;
    return std::make_pair(sorting->column, sorting->order);
}

void ListControl::showSortIndicator()
{
    // The header turns its indicator round by itself on a click; what it shows is the model's.
    QHeaderView* header = horizontalHeader();
    const auto sorting = m_model.sorting();
    if (sorting)
        header->setSortIndicator(sorting->column, sorting->order);
    header->setSortIndicatorShown(sorting.has_value());
}

QSize ListControl::minimumSizeHint() const
{
    const int height = horizontalHeader()->sizeHint().height()
        + kRowsAtLeast * verticalHeader()->defaultSectionSize() + 2 * frameWidth();
    return {QTableView::minimumSizeHint().width(), height};
}

void ListControl::fitRowHeight()
{
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

void ListControl::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitRowHeight();
}

void ListControl::addColumn(const QString& header, int widthTwips)
{
    m_model.addColumn(header);
    if (widthTwips > 0)
        setColumnWidth(m_model.columns() - 1, twipsToPixels(widthTwips));
}

int ListControl::selectedRow() const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isRowSelected(current.row(), {}))
        return -1;
    return m_model.tableRow(current.row());
}

void ListControl::removeSelectedRow()
{
    const int selected = selectedRow();
    if (selected >= 0)
        m_model.removeRowAt(selected);
}

void ListControl::selectRow(int row)
{
    m_model.text(row); // bounds check
    m_model.publishPending();
    setCurrentIndex(m_model.index(m_model.viewRow(row), 0));
}

void ListControl::ensureRowVisible(int row)
{
    m_model.text(row); // bounds check
    m_model.publishPending();
    scrollTo(m_model.index(m_model.viewRow(row), 0));
}

int ListControl::rowAtPoint(const QPoint& pos) const
{
    const QModelIndex at = indexAt(pos);
    return at.isValid() ? m_model.tableRow(at.row()) : -1;
}

void ListControl::setListPointer(Pointer pointer, const QString& imageFile)
{
    m_pointer = pointer;
    if (pointer == Pointer::Standard) {
        viewport()->unsetCursor();
        return;
    }
    const QPixmap image(imageFile);
    if (image.isNull())
        viewport()->setCursor(Qt::ArrowCursor);
    else
        viewport()->setCursor(QCursor(image, 0, 0)); // the arrow tip is the top-left pixel
}

void ListControl::setAcceptsFileDrops(bool accept)
{
    setAcceptDrops(accept);
    viewport()->setAcceptDrops(accept);
    setDropIndicatorShown(false);
}

void ListControl::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button(), event->modifiers(), event->position().toPoint());
    QTableView::mousePressEvent(event);
    const int row = rowAtPoint(event->position().toPoint());
    if (row >= 0)
        emit itemClicked(row);
}

void ListControl::mouseMoveEvent(QMouseEvent* event)
{
    // The base class would rubber-band or start a drag; the window's handler owns moves.
    emit moved(event->buttons(), event->modifiers(), event->position().toPoint());
}

void ListControl::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    emit released(event->button(), event->modifiers(), event->position().toPoint());
}

void ListControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    emit doubleClickedRow();
}

void ListControl::keyPressEvent(QKeyEvent* event)
{
    emit keyDown(event->key(), event->modifiers());
    // In a list with ticks, Space is the window's: it ticks every selected row, not only the
    // current one as the view would.
    if (m_model.isCheckable() && event->key() == Qt::Key_Space) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ListControl::dragEnterEvent(QDragEnterEvent* event)
{
    if (hasLocalFiles(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore(); // the no-drop pointer
}

void ListControl::dragMoveEvent(QDragMoveEvent* event)
{
    if (hasLocalFiles(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ListControl::dropEvent(QDropEvent* event)
{
    if (!hasLocalFiles(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit dropped(event->mimeData());
}

bool hasLocalFiles(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

} // namespace quillfen
