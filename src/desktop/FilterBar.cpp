#include "desktop/FilterBar.h"

#include "base/Texts.h"
#include "desktop/DateField.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>

namespace quillfen {

namespace {

using DateTest = FilterConditions::DateTest;
using Unit = FilterConditions::Unit;
using ChangeTest = FilterConditions::ChangeTest;

constexpr int kMostUnits = 9999;

} // namespace

FilterBar::FilterBar(QWidget* parent)
    : QWidget(parent)
    , m_path(new QLineEdit(this))
    , m_column(new QComboBox(this))
    , m_test(new QComboBox(this))
    , m_count(new QSpinBox(this))
    , m_unit(new QComboBox(this))
    , m_first(new DateField(this))
    , m_and(new QLabel(texts::kFilterAnd(), this))
    , m_second(new DateField(this))
    , m_change(new QComboBox(this))
    , m_close(new QToolButton(this))
{
    m_path->setPlaceholderText(texts::kFilterPathPlaceholder());
    m_path->setToolTip(texts::kFilterPathHint());
    m_path->setAccessibleName(texts::kFilterPathName());
    m_path->setClearButtonEnabled(true);
    m_column->setToolTip(texts::kFilterColumnHint());
    m_column->setAccessibleName(texts::kFilterColumnHint());
    for (const auto& [test, text] : {std::pair{DateTest::Any, &texts::kFilterAnyDate},
                                     {DateTest::InTheLast, &texts::kFilterInTheLast},
                                     {DateTest::Before, &texts::kFilterBefore},
                                     {DateTest::After, &texts::kFilterAfter},
                                     {DateTest::Between, &texts::kFilterBetween}})
        m_test->addItem((*text)(), static_cast<int>(test));
    m_test->setToolTip(texts::kFilterTestHint());
    m_count->setRange(1, kMostUnits);
    m_count->setValue(FilterConditions().count);
    for (const auto& [unit, text] : {std::pair{Unit::Minutes, &texts::kMinutes},
                                     {Unit::Hours, &texts::kHours},
                                     {Unit::Days, &texts::kDays},
                                     {Unit::Weeks, &texts::kWeeks},
                                     {Unit::Months, &texts::kMonths}})
        m_unit->addItem((*text)(), static_cast<int>(unit));
    m_unit->setCurrentIndex(m_unit->findData(static_cast<int>(FilterConditions().unit)));
    for (const auto& [test, text] : {std::pair{ChangeTest::Any, &texts::kFilterEveryRow},
                                     {ChangeTest::Differing, &texts::kFilterDiffering},
                                     {ChangeTest::Added, &texts::kFilterAdded},
                                     {ChangeTest::Removed, &texts::kFilterRemoved},
                                     {ChangeTest::Changed, &texts::kFilterChanged},
                                     {ChangeTest::Unchanged, &texts::kFilterUnchanged}})
        m_change->addItem((*text)(), static_cast<int>(test));
    m_change->setToolTip(texts::kFilterChangeHint());
    m_change->setAccessibleName(texts::kFilterChangeHint());
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_close->setAutoRaise(true);
    m_close->setToolTip(texts::kCloseFilter());
    m_close->setAccessibleName(texts::kCloseFilter());

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_path, 1);
    for (QWidget* field : std::initializer_list<QWidget*>{
             m_column, m_test, m_count, m_unit, m_first, m_and, m_second, m_change, m_close})
        row->addWidget(field);

    connect(m_path, &QLineEdit::textChanged, this, &FilterBar::changed);
    connect(m_column, &QComboBox::currentIndexChanged, this, &FilterBar::changed);
    connect(m_test, &QComboBox::currentIndexChanged, this, [this] {
        showTestFields();
        changed();
    });
    connect(m_count, &QSpinBox::valueChanged, this, &FilterBar::changed);
    connect(m_unit, &QComboBox::currentIndexChanged, this, &FilterBar::changed);
    connect(m_first, &DateField::spanChanged, this, &FilterBar::changed);
    connect(m_second, &DateField::spanChanged, this, &FilterBar::changed);
    connect(m_change, &QComboBox::currentIndexChanged, this, &FilterBar::changed);
    connect(m_close, &QToolButton::clicked, this, &FilterBar::closeRequested);
    setDateColumns({});
    setChangeShown(false);
    showTestFields();
}

FilterConditions FilterBar::conditions() const
{
    FilterConditions c;
    c.pathText = m_path->text();
    c.dateColumnId = m_column->count() > 0 ? m_column->currentData().toInt() : -1;
    c.dateTest = static_cast<DateTest>(m_test->currentData().toInt());
    c.count = m_count->value();
    c.unit = static_cast<Unit>(m_unit->currentData().toInt());
    c.firstDate = m_first->span();
    c.secondDate = m_second->span();
    if (!m_change->isHidden())
        c.change = static_cast<ChangeTest>(m_change->currentData().toInt());
    return c;
}

void FilterBar::setDateColumns(const std::vector<std::pair<int, QString>>& columns)
{
    const int chosen = m_column->count() > 0 ? m_column->currentData().toInt() : -1;
    {
        const QSignalBlocker quiet(m_column);
        m_column->clear();
        for (const auto& [id, header] : columns)
            m_column->addItem(header, id);
        const int again = m_column->findData(chosen);
        m_column->setCurrentIndex(again >= 0 ? again : 0);
    }
    // Without a date column there is no date to test.
    const bool dated = !columns.empty();
    for (QWidget* field : std::initializer_list<QWidget*>{m_column, m_test, m_count, m_unit,
                                                          m_first, m_and, m_second})
        field->setEnabled(dated);
    changed();
}

void FilterBar::setChangeShown(bool shown)
{
    if (!shown) {
        const QSignalBlocker quiet(m_change);
        m_change->setCurrentIndex(0);
    }
    m_change->setHidden(!shown);
    changed();
}

void FilterBar::setBetween(int columnId, qint64 first, qint64 last)
{
    const int column = m_column->findData(columnId);
    if (column < 0)
        return;
    const QSignalBlocker quietColumn(m_column);
    const QSignalBlocker quietTest(m_test);
    const QSignalBlocker quietFirst(m_first);
    const QSignalBlocker quietSecond(m_second);
    m_column->setCurrentIndex(column);
    m_test->setCurrentIndex(m_test->findData(static_cast<int>(DateTest::Between)));
    const DateFieldTexts texts = dateFieldTexts(first, last, QLocale());
    m_first->setText(texts.first);
    m_second->setText(texts.last);
    showTestFields();
    changed();
}

void FilterBar::focusPathText()
{
    m_path->setFocus(Qt::ShortcutFocusReason);
    m_path->selectAll();
}

void FilterBar::keyPressEvent(QKeyEvent* event)
{
    // The fields leave Escape to their parent.
    if (event->key() == Qt::Key_Escape) {
        emit closeRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FilterBar::showTestFields()
{
    const auto test = static_cast<DateTest>(m_test->currentData().toInt());
    m_count->setVisible(test == DateTest::InTheLast);
    m_unit->setVisible(test == DateTest::InTheLast);
    m_first->setVisible(test == DateTest::Before || test == DateTest::After
                        || test == DateTest::Between);
    m_and->setVisible(test == DateTest::Between);
    m_second->setVisible(test == DateTest::Between);
}

void FilterBar::changed()
{
    // Several fields change at once when the timeline sets a period: one notice.
    const FilterConditions now = conditions();
    if (now == m_last)
        return;
    m_last = now;
    emit conditionsChanged();
}

} // namespace quillfen
