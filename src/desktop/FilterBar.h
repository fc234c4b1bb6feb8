#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include "desktop/FilterConditions.h"

#include <QWidget>

#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace quillfen {

class DateField;

// The bar over the results that narrows the rows shown: a path text and a date condition on
// one of the date columns the list shows. It holds what the user typed and says when that
// changes; which rows pass is decided elsewhere, from conditions(). Escape or its close
// button ask for it to be closed.
class FilterBar final : public QWidget {
    Q_OBJECT

public:
    explicit FilterBar(QWidget* parent = nullptr);

    FilterConditions conditions() const;
    // The date columns the results show now, as (id, header); a condition on a column that
    // went away moves to the first one left, or is set aside while there is none.
    void setDateColumns(const std::vector<std::pair<int, QString>>& columns);
    // Whether the results have a change column, after a comparison: the kind of change can be
    // chosen only then, and is set back to any without one.
    void setChangeShown(bool shown);
    // Sets the date condition to the instants from `first` to `last` of column `columnId`.
    void setBetween(int columnId, qint64 first, qint64 last);
    // Puts the focus in the path text, selected, as find bars do when they open.
    void focusPathText();

    QLineEdit* pathEdit() const { return m_path; }
    QComboBox* columnChooser() const { return m_column; }
    QComboBox* testChooser() const { return m_test; }
    QSpinBox* countBox() const { return m_count; }
    QComboBox* unitChooser() const { return m_unit; }
    DateField* firstDateField() const { return m_first; }
    DateField* secondDateField() const { return m_second; }
    QComboBox* changeChooser() const { return m_change; }
    QToolButton* closeButton() const { return m_close; }

signals:
    void conditionsChanged();
    void closeRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Shows the fields the chosen date test needs.
    void showTestFields();
    void changed();

    QLineEdit* m_path;
    QComboBox* m_column;
    QComboBox* m_test;
    QSpinBox* m_count;
    QComboBox* m_unit;
    DateField* m_first;
    QLabel* m_and;
    DateField* m_second;
    QComboBox* m_change;
    QToolButton* m_close;
    FilterConditions m_last; // what was last said to have changed
};

} // namespace quillfen
