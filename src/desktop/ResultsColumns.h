#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include <QMap>
#include <QObject>
#include <QStringList>

class QWidget;

#include <functional>

namespace quillfen {

class ListControl;

// The widths of the results list's columns, so that its texts read whole at any window size:
// a column gets its natural width when it is made (for a date, the widest text the locale
// writes), the first column, the path, takes what the list's width leaves, and a width the
// user sets by dragging a divider is kept by the column's id (see TextTable::columnId)
// through every later extraction, until the window forgets it. It must not outlive the list.
class ResultsColumns final : public QObject {
    Q_OBJECT

public:
    // `naturalWidth` gives a column's width in pixels from its id and header.
    using NaturalWidth = std::function<int(int id, const QString& header)>;
    ResultsColumns(ListControl& list, NaturalWidth naturalWidth);

    // The widths the user set, by column id.
    QMap<int, int> userWidths() const { return m_userWidths; }
    void setUserWidths(const QMap<int, int>& widths);

    // The least the path column keeps when the other columns take the width.
    static constexpr int kPathAtLeast = 120;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void columnsAdded(int first, int last);
    void sectionResized(int column, int oldWidth, int newWidth);
    // Gives the path column the rest of the list's width, unless the user set its width.
    void fitPathColumn();
    void setWidth(int column, int width);

    ListControl& m_list;
    QWidget* m_viewport;
    NaturalWidth m_naturalWidth;
    QMap<int, int> m_userWidths;
    bool m_adjusting = false; // widths set here, not by the user
};

// A date column's natural width in `list`: its header or the widest date text this locale
// writes, whichever is wider, with the cell's margins and room for the sort indicator.
int dateColumnWidth(const ListControl& list, const QString& header);
// The same for a column whose widest cells are among `texts`.
int columnWidthFor(const ListControl& list, const QString& header, const QStringList& texts);

} // namespace quillfen
