#pragma once

// Layer dates: local time and date texts; uses base and Qt Core.

#include "dates/DateFormatCompiler.h"
#include "dates/LocalTime.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace quillfen {

// Renders local times as the locale's short date with a four-digit year, one space and the
// locale's long time without a time-zone part. Midnight gives the date alone, the zero date
// the time alone. Build one per run: it reads the formats once.
//
// The formats are compiled once into fields and literals, since going through QLocale for
// every stamp cost more than reading the stamp; a format with a field the compiler does not
// know is left to QLocale. The date part of the last stamp is kept, as neighbouring files
// often share a day.
class DateTextFormat {
public:
    explicit DateTextFormat(const QLocale& locale = QLocale());

    QString text(const LocalDateTime& local) const;
    QString text(const timespec& stamp) const { return text(toLocalDateTime(stamp)); }
    // The same text appended as UTF-8, the form the lists store.
    void appendUtf8(const LocalDateTime& local, QByteArray& out) const;

private:
    using Tokens = std::vector<DateFormatToken>;

    // Writes the fields at `out`, which has room for mostBytes(tokens); returns the end.
    char* render(const Tokens& tokens, const LocalDateTime& local, char* out) const;
    qsizetype mostBytes(const Tokens& tokens) const;

    QLocale m_locale;
    QString m_dateFormat;
    QString m_timeFormat;
    // Empty when the format could not be compiled.
    Tokens m_dateTokens;
    Tokens m_timeTokens;
    bool m_compiled = false;
    // Names read once from the locale, as UTF-8.
    QByteArrayList m_dayNames, m_longDayNames, m_monthNames, m_longMonthNames;
    std::array<QByteArray, 6> m_amPm;
    qsizetype m_mostDateBytes = 0;
    qsizetype m_mostBytes = 0; // date, space and time
    mutable LocalDateTime m_lastDay{0, 0, 0};
    mutable QByteArray m_lastDate;
};

// Date texts among which is the widest this format writes, for a column that must show every
// date whole: each month, on a day with two digits, at a morning and an evening hour with two
// digits and the widest digits. The caller measures them in its font.
QStringList widestDateCandidates(const DateTextFormat& format);

} // namespace quillfen
