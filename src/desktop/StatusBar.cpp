#include "desktop/StatusBar.h"

#include "base/Texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace quillfen {

StatusBar::StatusBar(QWidget* parent)
    : QWidget(parent)
    , m_counts(new QLabel(this))
    , m_summary(new QLabel(this))
    , m_stop(new QPushButton(texts::kStopButton(), this))
{
    auto* lines = new QVBoxLayout;
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(0);
    lines->addWidget(m_counts);
    lines->addWidget(m_summary);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addLayout(lines, 1);
    row->addWidget(m_stop);
    // A long path in the summary must not widen the window.
    for (QLabel* label : {m_counts, m_summary}) {
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        label->setTextFormat(Qt::PlainText);
    }
    QFont normal = font();
    normal.setBold(false);
    m_summary->setFont(normal);
    m_stop->setToolTip(texts::kStopHint());
    m_stop->hide();
    connect(m_stop, &QPushButton::clicked, this, &StatusBar::stopClicked);
    setCounts(0, 0, 0);
}

void StatusBar::setCounts(int listed, int results, int ticked, int shown)
{
    const int counts[4] = {listed, results, ticked, shown};
    if (std::equal(std::begin(counts), std::end(counts), m_shownCounts))
        return;
    std::copy(std::begin(counts), std::end(counts), m_shownCounts);
    const QLocale locale;
    if (shown < 0)
        m_counts->setText(texts::kStatusCounts().arg(
            locale.toString(listed), locale.toString(results), locale.toString(ticked)));
    else
        m_counts->setText(
            texts::kStatusCountsFiltered().arg(locale.toString(listed), locale.toString(shown),
                                               locale.toString(results), locale.toString(ticked)));
}

QString StatusBar::counts() const
{
    return m_counts->text();
}

void StatusBar::setSummary(const QString& text)
{
    m_summary->setText(text);
    m_summary->setToolTip(text);
}

QString StatusBar::summary() const
{
    return m_summary->text();
}

void StatusBar::setStopShown(bool shown)
{
    if (m_stop->isHidden() == shown) // asked once per row of a long command
        m_stop->setVisible(shown);
}

} // namespace quillfen
