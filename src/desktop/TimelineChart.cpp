#include "desktop/TimelineChart.h"

#include "base/Texts.h"

#include <QDateTime>
#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace quillfen {

namespace {

constexpr int kMargin = 4;
constexpr int kGap = 1; // between bars, so neighbours read as two

QDateTime startOf(const TimeBin& bin)
{
    const LocalDateTime& s = bin.start;
    return QDateTime(QDate(s.year, s.month, s.day), QTime(s.hour, s.minute, s.second));
}

} // namespace

TimelineChart::TimelineChart(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAccessibleName(texts::kTimelineName());
}

void TimelineChart::setBins(TimeBins bins)
{
    m_bins = std::move(bins);
    m_highest = 0;
    for (const TimeBin& bin : m_bins.bins)
        m_highest = std::max(m_highest, bin.count);
    m_pressed = -1;
    m_hovered = -1;
    update();
}

QSize TimelineChart::sizeHint() const
{
    return {480, 6 * fontMetrics().height()};
}

QSize TimelineChart::minimumSizeHint() const
{
    return {120, 4 * fontMetrics().height()};
}

QRect TimelineChart::plotArea() const
{
    const int line = fontMetrics().height();
    // A line for the note above, one for the axis labels below.
    return rect().adjusted(kMargin, kMargin + line, -kMargin, -(kMargin + line));
}

QRect TimelineChart::barRect(int bin) const
{
    const QRect area = plotArea();
    const int bars = static_cast<int>(m_bins.bins.size());
    if (bin < 0 || bin >= bars || area.width() <= 0)
        return {};
    const int left = area.left() + static_cast<int>(qint64(area.width()) * bin / bars);
    const int right = area.left() + static_cast<int>(qint64(area.width()) * (bin + 1) / bars);
    const qint64 count = m_bins.bins[static_cast<std::size_t>(bin)].count;
    const int height =
        m_highest == 0 ? 0 : static_cast<int>(qint64(area.height()) * count / m_highest);
    // A period with a few rows still shows a sliver; an empty one shows nothing.
    const int shown = count > 0 ? std::max(height, 2) : 0;
    return QRect(left, area.bottom() - shown + 1, std::max(1, right - left - kGap), shown);
}

int TimelineChart::barAt(QPoint point) const
{
    const QRect area = plotArea();
    const int bars = static_cast<int>(m_bins.bins.size());
    if (bars == 0 || point.x() < area.left() || point.x() > area.right())
        return -1;
    return std::clamp(static_cast<int>(qint64(point.x() - area.left()) * bars / area.width()), 0,
                      bars - 1);
}

QString TimelineChart::periodText(const TimeBins& bins, int bin)
{
    const QLocale locale;
    const QDateTime start = startOf(bins.bins[static_cast<std::size_t>(bin)]);
    switch (bins.unit) {
    case TimeUnit::Year:
        return QString::number(start.date().year());
    case TimeUnit::Month:
        return locale.toString(start.date(), QStringLiteral("MMMM yyyy"));
    case TimeUnit::Week:
    case TimeUnit::Day:
        return locale.toString(start.date(), QLocale::ShortFormat);
    case TimeUnit::Hour:
        return locale.toString(start, QLocale::ShortFormat);
    }
    return {};
}

QString TimelineChart::axisText(int bin) const
{
    const QLocale locale;
    const QDateTime start = startOf(m_bins.bins[static_cast<std::size_t>(bin)]);
    switch (m_bins.unit) {
    case TimeUnit::Year:
        return QString::number(start.date().year());
    case TimeUnit::Month:
        return locale.toString(start.date(), QStringLiteral("MMM yyyy"));
    case TimeUnit::Week:
    case TimeUnit::Day:
        return locale.toString(start.date(), QLocale::ShortFormat);
    case TimeUnit::Hour:
        return locale.toString(start.time(), QLocale::ShortFormat);
    }
    return {};
}

QString TimelineChart::undatedText() const
{
    return texts::kTimelineUndated().arg(QLocale().toString(m_bins.undated));
}

void TimelineChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.base());
    const QRect area = plotArea();
    const int line = fontMetrics().height();
    painter.setPen(colours.color(QPalette::Text));
    if (m_bins.bins.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, texts::kTimelineEmpty());
        return;
    }
    painter.drawText(QRect(kMargin, kMargin, width() - 2 * kMargin, line),
                     Qt::AlignRight | Qt::AlignVCenter, undatedText());
    const auto [from, to] = std::minmax(m_pressed >= 0 ? m_pressed : m_hovered, m_hovered);
    for (int bin = 0; bin < static_cast<int>(m_bins.bins.size()); ++bin) {
        const bool marked = from >= 0 && bin >= from && bin <= to;
        painter.fillRect(barRect(bin), colours.color(marked ? QPalette::Highlight : QPalette::Mid));
    }
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    // Labels where there is room: every k-th bar, k chosen so that they do not overlap.
    const int bars = static_cast<int>(m_bins.bins.size());
    const int widest =
        fontMetrics().horizontalAdvance(axisText(0)) + 2 * fontMetrics().averageCharWidth();
    const int every = std::max(1, widest * bars / std::max(1, area.width()) + 1);
    for (int bin = 0; bin < bars; bin += every) {
        const QRect bar = barRect(bin);
        // A label that would run out of the chart is left out rather than cut.
        if (bar.left() + fontMetrics().horizontalAdvance(axisText(bin)) > area.right())
            break;
        painter.drawText(QRect(bar.left(), area.bottom() + 2, widest, line),
                         Qt::AlignLeft | Qt::AlignVCenter, axisText(bin));
    }
}

bool TimelineChart::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int bin = barAt(help->pos());
        if (bin < 0) {
            QToolTip::hideText();
        } else {
            const qint64 count = m_bins.bins[static_cast<std::size_t>(bin)].count;
            QToolTip::showText(
                help->globalPos(),
                texts::kTimelineBar().arg(periodText(m_bins, bin), QLocale().toString(count)), this,
                barRect(bin));
        }
        return true;
    }
    return QWidget::event(event);
}

void TimelineChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = barAt(event->position().toPoint());
    update();
}

void TimelineChart::mouseMoveEvent(QMouseEvent* event)
{
    const int hovered = barAt(event->position().toPoint());
    if (hovered != m_hovered) {
        m_hovered = hovered;
        update();
    }
}

void TimelineChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_pressed < 0)
        return;
    const int at = barAt(event->position().toPoint());
    const int released = at < 0 ? m_pressed : at;
    // Values, not std::minmax's references, which would outlive the temporaries they name.
    const auto from = static_cast<std::size_t>(std::min(m_pressed, released));
    const auto to = static_cast<std::size_t>(std::max(m_pressed, released));
    m_pressed = -1;
    update();
    emit spanChosen(m_bins.bins[from].first, m_bins.bins[to].last);
}

} // namespace quillfen
