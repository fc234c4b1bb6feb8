#pragma once

// Layer desktop: widgets and desktop services behind interfaces; uses dates, table, base
// and Qt Widgets.

#include "dates/DateFieldText.h"

#include <QString>

#include <optional>

namespace quillfen {

// What the results' filter bar asks of a row, as the user gave it: a path text, a date
// condition on one date column and, after a comparison with a snapshot, the kind of change.
// Plain data; the commands turn it into a test of rows.
struct FilterConditions {
    enum class DateTest { Any, InTheLast, Before, After, Between };
    // Differing: added, removed or changed.
    enum class ChangeTest { Any, Differing, Added, Removed, Changed, Unchanged };
    enum class Unit { Minutes, Hours, Days, Weeks, Months };

    QString pathText;
    int dateColumnId = -1; // the id of the date column tested (a StampKind), -1 for none
    DateTest dateTest = DateTest::Any;
    int count = 7; // "in the last count units"
    Unit unit = Unit::Days;
    // The fields' spans, where they name one; a condition whose field does not is not applied.
    std::optional<InstantSpan> firstDate;
    std::optional<InstantSpan> secondDate;
    ChangeTest change = ChangeTest::Any;

    bool operator==(const FilterConditions&) const = default;

    bool testsDates() const { return dateColumnId >= 0 && dateTest != DateTest::Any; }
    bool isEmpty() const
    {
        return pathText.isEmpty() && !testsDates() && change == ChangeTest::Any;
    }
};

} // namespace quillfen
