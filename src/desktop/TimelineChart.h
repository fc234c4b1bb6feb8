#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include "dates/TimeBins.h"

#include <QWidget>

namespace quillfen {

// A bar chart of how many rows fall in each period of one date: a bar per bin, gaps where a
// period has none, the rows without the date counted apart. Hovering a bar tells its period
// and count; a click on a bar, or a drag over several, chooses their whole span.
class TimelineChart final : public QWidget {
    Q_OBJECT

public:
    explicit TimelineChart(QWidget* parent = nullptr);

    void setBins(TimeBins bins);
    const TimeBins& bins() const { return m_bins; }

    // The bar under a point of the widget, or -1.
    int barAt(QPoint point) const;
    // Where bar `bin` is drawn, for whatever drives the chart as a user would.
    QRect barRect(int bin) const;

    // A period as people read it: "2021", "March 2021", "3/28/2021", "3/28/2021 2:00 AM".
    static QString periodText(const TimeBins& bins, int bin);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The span of the bars from `firstBin` to `lastBin`: its first and last instant (keys).
    void spanChosen(qint64 first, qint64 last);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Where the bars stand: the widget less the room for the axis labels and the note.
    QRect plotArea() const;
    QString axisText(int bin) const;
    QString undatedText() const;

    TimeBins m_bins;
    qint64 m_highest = 0;
    int m_pressed = -1; // the bar a drag began on
    int m_hovered = -1;
};

} // namespace quillfen
