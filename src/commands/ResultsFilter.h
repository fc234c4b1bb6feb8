#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include "desktop/FilterConditions.h"
#include "desktop/RowModel.h"

#include <QObject>
#include <QTimer>

#include <vector>

namespace quillfen {

// The test of one row that the filter bar's conditions make, at `now` (nanoseconds since
// 1970) for "in the last ...": both conditions must hold, and a row without the date tested
// fails. Null when the conditions let every row pass.
RowModel::RowTest rowTestFor(const FilterConditions& conditions, qint64 now);

// Shows the results that pass the filter bar's conditions. A million rows are tested in
// slices from the event loop, so the window keeps answering, and the rows shown change once,
// when all are tested; new conditions, or rows that move or go meanwhile, start it again.
// Rows appended later are tested as they reach the list.
class ResultsFilter final : public QObject {
    Q_OBJECT

public:
    explicit ResultsFilter(RowModel& results, QObject* parent = nullptr);

    // Starts showing the rows that pass; every row at once when every row passes.
    void apply(const FilterConditions& conditions);
    // Shows every row again, at once.
    void clear();
    bool isTesting() const { return m_slices.isActive(); }
    // Tests every row now rather than in slices (a command that needs the rows shown).
    void finish();

signals:
    // The rows shown changed.
    void shownChanged();

private:
    void testSlice();
    void restart();

    RowModel& m_results;
    RowModel::RowTest m_test;
    std::vector<int> m_passing;
    int m_examined = 0;
    quint64 m_revision = 0; // the table's, when testing began
    QTimer m_slices;
};

} // namespace quillfen
