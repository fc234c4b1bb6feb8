#include "desktop/DateField.h"

#include "base/Texts.h"

#include <QAction>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <QToolButton>

namespace quillfen {

namespace {

const QString kIsoExample = QStringLiteral("2024-03-31 14:30");
// Room for a date and a time in the locale's short format.
constexpr int kFieldCharacters = 18;

} // namespace

DateField::DateField(QWidget* parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_button(new QToolButton(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_edit, 1);
    row->addWidget(m_button);
    const QLocale locale;
    const QString shortExample = fullYearDateFormat(locale);
    m_edit->setPlaceholderText(shortExample);
    m_edit->setToolTip(texts::kFilterDateHint().arg(shortExample, kIsoExample));
    m_edit->setMinimumWidth(m_edit->fontMetrics().averageCharWidth() * kFieldCharacters);
    m_invalidMark = m_edit->addAction(style()->standardIcon(QStyle::SP_MessageBoxWarning),
                                      QLineEdit::TrailingPosition);
    m_invalidMark->setVisible(false);
    m_invalidMark->setToolTip(texts::kFilterDateInvalid().arg(shortExample, kIsoExample));
    m_button->setArrowType(Qt::DownArrow);
    m_button->setToolTip(texts::kFilterCalendar());
    m_button->setAccessibleName(texts::kFilterCalendar());
    connect(m_edit, &QLineEdit::textChanged, this, &DateField::readText);
    connect(m_button, &QToolButton::clicked, this, &DateField::openCalendar);
}

QString DateField::text() const
{
    return m_edit->text();
}

void DateField::setText(const QString& text)
{
    m_edit->setText(text);
}

void DateField::readText()
{
    const auto span = parseDateField(m_edit->text(), QLocale());
    // An empty field is unfinished, not wrong.
    m_invalidMark->setVisible(!span && !m_edit->text().trimmed().isEmpty());
    if (span == m_span)
        return;
    m_span = span;
    emit spanChanged();
}

void DateField::openCalendar()
{
    if (m_calendar == nullptr) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setWindowFlags(Qt::Popup);
        m_calendar->setGridVisible(true);
        connect(m_calendar, &QCalendarWidget::clicked, this, [this](QDate date) {
            m_calendar->hide();
            m_edit->setText(QLocale().toString(date, fullYearDateFormat(QLocale())));
            m_edit->setFocus();
        });
    }
    if (m_span) {
        const QDate shown =
            QDateTime::fromMSecsSinceEpoch(m_span->first / 1'000'000, Qt::LocalTime).date();
        m_calendar->setSelectedDate(shown);
    }
    m_calendar->adjustSize();
    m_calendar->move(mapToGlobal(QPoint(0, height())));
    m_calendar->show();
    m_calendar->setFocus();
}

} // namespace quillfen
