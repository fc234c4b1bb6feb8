#include "snapshot/SnapshotReader.h"

#include "base/Failure.h"
#include "base/Utf8.h"
#include "dates/LocalTime.h"
#include "snapshot/SnapshotTexts.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace quillfen {

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr int kPathField = -1;
constexpr unsigned kPathBit = 1u << 5; // beside the columns' bits, in a line's keys

// A value as a message shows it: short enough to read.
QString shownValue(QByteArrayView bytes)
{
    constexpr qsizetype kLongest = 60;
    const QString text = QString::fromUtf8(bytes);
    return text.size() <= kLongest ? text : text.left(kLongest) + QChar(0x2026);
}

// ---- Dates and sizes, as the command line writes them

bool digitsAt(QByteArrayView s, qsizetype at, int count, int& value)
{
    if (at + count > s.size())
        return false;
    value = 0;
    for (int i = 0; i < count; ++i) {
        const char c = s[at + i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

bool isLeapYear(long long year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

unsigned daysInMonth(long long year, int month)
{
    constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// "2021-07-15T14:34:56.123456789+02:00", "+10000-01-01T00:00:00Z": a year of four digits (or a
// sign and four to eleven), a fraction of up to nine digits, and Z or an offset, which may
// have seconds. Every field in its range.
bool readIsoStamp(QByteArrayView s, timespec& stamp, int& fractionDigits)
{
    qsizetype at = 0;
    bool negativeYear = false;
    int yearDigits = 0;
    long long year = 0;
    if (!s.isEmpty() && (s[0] == '+' || s[0] == '-')) {
        negativeYear = s[0] == '-';
        at = 1;
    }
    while (at < s.size() && s[at] >= '0' && s[at] <= '9' && yearDigits < 12) {
        year = year * 10 + (s[at] - '0');
        ++yearDigits;
        ++at;
    }
    if (at == yearDigits ? yearDigits != 4 : yearDigits < 4 || yearDigits > 11)
        return false;
    if (negativeYear)
        year = -year;

    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!(at + 15 <= s.size() && s[at] == '-' && digitsAt(s, at + 1, 2, month) && s[at + 3] == '-'
          && digitsAt(s, at + 4, 2, day) && s[at + 6] == 'T' && digitsAt(s, at + 7, 2, hour)
          && s[at + 9] == ':' && digitsAt(s, at + 10, 2, minute) && s[at + 12] == ':'
          && digitsAt(s, at + 13, 2, second)))
        return false;
    at += 15;
    if (month < 1 || month > 12 || day < 1 || static_cast<unsigned>(day) > daysInMonth(year, month)
        || hour > 23 || minute > 59 || second > 59)
        return false;

    long nanoseconds = 0;
    fractionDigits = 0;
    if (at < s.size() && s[at] == '.') {
        ++at;
        while (at < s.size() && s[at] >= '0' && s[at] <= '9') {
            if (++fractionDigits > 9)
                return false;
            nanoseconds = nanoseconds * 10 + (s[at] - '0');
            ++at;
        }
        if (fractionDigits == 0)
            return false;
        for (int d = fractionDigits; d < 9; ++d)
            nanoseconds *= 10;
    }

    int offset = 0;
    if (at < s.size() && s[at] == 'Z') {
        ++at;
    } else if (at < s.size() && (s[at] == '+' || s[at] == '-')) {
        const int sign = s[at] == '-' ? -1 : 1;
        int hours = 0;
        int minutes = 0;
        int seconds = 0;
        if (!(digitsAt(s, at + 1, 2, hours) && at + 3 < s.size() && s[at + 3] == ':'
              && digitsAt(s, at + 4, 2, minutes)))
            return false;
        at += 6;
        if (at < s.size() && s[at] == ':') {
            if (!digitsAt(s, at + 1, 2, seconds))
                return false;
            at += 3;
        }
        if (hours > 23 || minutes > 59 || seconds > 59)
            return false;
        offset = sign * (hours * 3600 + minutes * 60 + seconds);
    } else {
        return false; // a time without an offset is no instant
    }
    if (at != s.size())
        return false;

    const long long days =
        daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    const long long seconds = days * 86400 + hour * 3600 + minute * 60 + second - offset;
    // Within the years that have at most eleven digits in UTC too, so that any stamp read can
    // be written and read again.
    static const long long kFirst = daysFromCivil(-99999999999, 1, 1) * 86400;
    static const long long kLast = daysFromCivil(99999999999, 12, 31) * 86400 + 86399;
    if (seconds < kFirst || seconds > kLast)
        return false;
    stamp.tv_sec = static_cast<time_t>(seconds);
    stamp.tv_nsec = nanoseconds;
    return true;
}

// A size: a whole number of bytes, as a file can have (below 2^63).
bool readSize(QByteArrayView s, quint64& size)
{
    if (s.isEmpty() || s.size() > 19)
        return false;
    size = 0;
    for (const char c : s) {
        if (c < '0' || c > '9')
            return false;
        size = size * 10 + static_cast<quint64>(c - '0');
    }
    return size <= static_cast<quint64>(std::numeric_limits<qint64>::max());
}

// ---- JSON: the one object of a snapshot line

void appendUtf8(char32_t c, QByteArray& out)
{
    if (c < 0x80) {
        out.append(static_cast<char>(c));
    } else if (c < 0x800) {
        out.append(static_cast<char>(0xC0 | (c >> 6)));
        out.append(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.append(static_cast<char>(0xE0 | (c >> 12)));
        out.append(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.append(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.append(static_cast<char>(0xF0 | (c >> 18)));
        out.append(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.append(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.append(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Whether the eight bytes at `p` are ASCII without a control character, quote or backslash:
// most of a line is, so it is passed eight bytes at a time.
bool isPlainAscii8(const char* p)
{
    constexpr quint64 kOnes = 0x0101010101010101;
    constexpr quint64 kHighs = 0x8080808080808080;
    quint64 w = 0;
    std::memcpy(&w, p, 8);
    auto hasZero = [](quint64 v) { return (v - kOnes) & ~v & kHighs; };
    const quint64 below32 = (w - kOnes * 0x20) & ~w & kHighs;
    return ((w & kHighs) | below32 | hasZero(w ^ (kOnes * '"')) | hasZero(w ^ (kOnes * '\\'))) == 0;
}

struct JsonValue {
    enum Kind { Bad, String, Number, Null, Boolean } kind = Bad;
    QByteArrayView text;    // a string's bytes, a number's or a boolean's text
    bool badEscape = false; // a string escaped a lone surrogate no byte stands for
};

class JsonCursor {
public:
    JsonCursor(QByteArrayView line, QByteArray& scratch)
        : m_p(line.data())
        , m_end(line.data() + line.size())
        , m_scratch(scratch)
    {
    }

    bool atEnd()
    {
        skipSpace();
        return m_p == m_end;
    }

    bool take(char c)
    {
        skipSpace();
        if (m_p == m_end || *m_p != c)
            return false;
        ++m_p;
        return true;
    }

    JsonValue value()
    {
        skipSpace();
        JsonValue v;
        if (m_p == m_end)
            return v;
        const char* const start = m_p;
        if (*m_p == '"') {
            ++m_p;
            if (readString(v))
                v.kind = JsonValue::String;
        } else if (*m_p == '-' || (*m_p >= '0' && *m_p <= '9')) {
            if (readNumber(v))
                v.kind = JsonValue::Number;
        } else if (word("null")) {
            v.kind = JsonValue::Null;
        } else if (word("true") || word("false")) {
            v.kind = JsonValue::Boolean;
            v.text = QByteArrayView(start, m_p);
        }
        return v;
    }

private:
    void skipSpace()
    {
        while (m_p != m_end && (*m_p == ' ' || *m_p == '\t' || *m_p == '\r' || *m_p == '\n'))
            ++m_p;
    }

    bool word(const char* w)
    {
        const auto n = static_cast<qsizetype>(std::strlen(w));
        if (m_end - m_p < n || std::memcmp(m_p, w, static_cast<size_t>(n)) != 0)
            return false;
        m_p += n;
        return true;
    }

    bool hex4(char32_t& unit)
    {
        if (m_end - m_p < 4)
            return false;
        unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = *m_p++;
            unit <<= 4;
            if (c >= '0' && c <= '9')
                unit |= static_cast<char32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                unit |= static_cast<char32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                unit |= static_cast<char32_t>(c - 'A' + 10);
            else
                return false;
        }
        return true;
    }

    // After the opening quote. Without escapes the string is its bytes in the line; with
    // them it is decoded into the scratch buffer, a lone low surrogate \udc80 to \udcff
    // becoming the byte it stands for.
    bool readString(JsonValue& v)
    {
        const char* const start = m_p;
        // Plain bytes: valid UTF-8 and no control character, quote or backslash.
        auto plainRun = [this] {
            while (m_p != m_end) {
                if (m_end - m_p >= 8 && isPlainAscii8(m_p)) {
                    m_p += 8;
                    continue;
                }
                const auto b = static_cast<unsigned char>(*m_p);
                if (b == '"' || b == '\\' || b < 0x20)
                    return true;
                if (b < 0x80) {
                    ++m_p;
                } else if (nextCodePoint(m_p, m_end) == kNotUtf8) {
                    return false;
                }
            }
            return true;
        };
        if (!plainRun() || m_p == m_end)
            return false;
        if (*m_p == '"') {
            v.text = QByteArrayView(start, m_p++);
            return true;
        }
        m_scratch.resize(0);
        m_scratch.append(start, m_p - start);
        while (m_p != m_end) {
            const char c = *m_p;
            if (c == '"') {
                ++m_p;
                v.text = m_scratch;
                return true;
            }
            if (c != '\\') {
                const char* const run = m_p;
                if (!plainRun())
                    return false;
                if (m_p == run)
                    return false; // a control character
                m_scratch.append(run, m_p - run);
                continue;
            }
            if (++m_p == m_end)
                return false;
            const char e = *m_p++;
            switch (e) {
            case '"':
            case '\\':
            case '/':
                m_scratch.append(e);
                break;
            case 'b':
                m_scratch.append('\b');
                break;
            case 'f':
                m_scratch.append('\f');
                break;
            case 'n':
                m_scratch.append('\n');
                break;
            case 'r':
                m_scratch.append('\r');
                break;
            case 't':
                m_scratch.append('\t');
                break;
            case 'u': {
                char32_t unit = 0;
                if (!hex4(unit))
                    return false;
                if (unit >= 0xD800 && unit <= 0xDBFF && m_end - m_p >= 6 && m_p[0] == '\\'
                    && m_p[1] == 'u') {
                    const char* const back = m_p;
                    m_p += 2;
                    char32_t low = 0;
                    if (!hex4(low))
                        return false;
                    if (low >= 0xDC00 && low <= 0xDFFF) {
                        appendUtf8(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00), m_scratch);
                        break;
                    }
                    m_p = back; // a lone high surrogate
                }
                if (unit >= 0xDC80 && unit <= 0xDCFF)
                    m_scratch.append(static_cast<char>(unit - 0xDC00));
                else if (unit >= 0xD800 && unit <= 0xDFFF)
                    v.badEscape = true;
                else
                    appendUtf8(unit, m_scratch);
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }

    // A number as JSON has it; its text is kept for the size to read.
    bool readNumber(JsonValue& v)
    {
        const char* const start = m_p;
        auto digits = [this] {
            const char* const first = m_p;
            while (m_p != m_end && *m_p >= '0' && *m_p <= '9')
                ++m_p;
            return m_p != first;
        };
        if (*m_p == '-')
            ++m_p;
        if (m_p != m_end && *m_p == '0')
            ++m_p;
        else if (!digits())
            return false;
        if (m_p != m_end && *m_p == '.') {
            ++m_p;
            if (!digits())
                return false;
        }
        if (m_p != m_end && (*m_p == 'e' || *m_p == 'E')) {
            ++m_p;
            if (m_p != m_end && (*m_p == '+' || *m_p == '-'))
                ++m_p;
            if (!digits())
                return false;
        }
        v.text = QByteArrayView(start, m_p);
        return true;
    }

    const char* m_p;
    const char* m_end;
    QByteArray& m_scratch;
};

// The key's column: kPathField, a SnapshotColumn, or -2 for none.
int columnOfKey(QByteArrayView key)
{
    constexpr QByteArrayView kPath("path");
    if (key == kPath)
        return kPathField;
    static const QByteArrayView kKeys[] = {
        snapshotKey(SnapshotColumn::Size),    snapshotKey(SnapshotColumn::Modified),
        snapshotKey(SnapshotColumn::Created), snapshotKey(SnapshotColumn::Accessed),
        snapshotKey(SnapshotColumn::Changed),
    };
    for (int c = 0; c < 5; ++c) {
        if (key == kKeys[c])
            return c;
    }
    return -2;
}

const QByteArray& csvHeader(int field)
{
    static const QByteArray kHeaders[] = {
        texts::kFilenameColumn.english().toUtf8(),
        snapshotHeader(SnapshotColumn::Size).english().toUtf8(),
        snapshotHeader(SnapshotColumn::Modified).english().toUtf8(),
        snapshotHeader(SnapshotColumn::Created).english().toUtf8(),
        snapshotHeader(SnapshotColumn::Accessed).english().toUtf8(),
        snapshotHeader(SnapshotColumn::Changed).english().toUtf8(),
    };
    return kHeaders[field + 1];
}

} // namespace

SnapshotReader::SnapshotReader(QString shownName)
    : m_shownName(std::move(shownName))
{
}

SnapshotReader::~SnapshotReader() = default;

void SnapshotReader::fail(const QString& fault, bool mayBeCut) const
{
    // The command line ends every line it writes, so a last line without its end that breaks
    // off is the file cut short.
    const bool cut = mayBeCut && !m_lineEnded;
    throw Failure(texts::kSnapshotFault().arg(m_shownName, QString::number(m_lineNumber),
                                              cut ? texts::kCutShort() : fault));
}

void SnapshotReader::feed(QByteArrayView bytes)
{
    if (m_format != Format::Unknown) {
        readPiece(bytes);
        return;
    }
    m_pending.append(bytes);
    if (!decideFormat(false))
        return;
    const QByteArray start = std::exchange(m_pending, {});
    readPiece(start);
}

bool SnapshotReader::decideFormat(bool atEnd)
{
    const auto mark = QByteArrayView(kByteOrderMark);
    if (!m_markChecked) {
        if (m_pending.size() < mark.size() && mark.startsWith(m_pending) && !atEnd)
            return false; // it may yet be a byte order mark
        if (m_pending.startsWith(mark))
            m_pending.remove(0, mark.size());
        m_markChecked = true; // one mark at most
    }
    if (m_pending.isEmpty())
        return false;
    m_format = m_pending.front() == '{' ? Format::JsonLines : Format::Csv;
    return true;
}

const char* SnapshotReader::lineEnd(const char* p, const char* end)
{
    if (m_format == Format::JsonLines)
        return static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
    // A csv record ends at a line end outside quotes; a doubled quote inside a quoted field
    // leaves and enters it again, which comes to the same.
    for (; p != end; ++p) {
        if (*p == '"') {
            m_inQuotes = !m_inQuotes;
        } else if (*p == '\n') {
            if (!m_inQuotes)
                return p;
            ++m_linesInRecord;
        }
    }
    return nullptr;
}

void SnapshotReader::readPiece(QByteArrayView bytes)
{
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    if (!m_pending.isEmpty()) {
        const char* const e = lineEnd(p, end);
        if (e == nullptr) {
            m_pending.append(p, end - p);
            return;
        }
        m_pending.append(p, e - p);
        readLine(m_pending, true);
        m_pending.resize(0);
        p = e + 1;
    }
    while (p != end) {
        const char* const e = lineEnd(p, end);
        if (e == nullptr) {
            m_pending.append(p, end - p);
            return;
        }
        readLine(QByteArrayView(p, e), true);
        p = e + 1;
    }
}

Snapshot SnapshotReader::finish()
{
    if (m_format == Format::Unknown) {
        if (decideFormat(true)) {
            const QByteArray start = std::exchange(m_pending, {});
            readPiece(start);
        }
    }
    if (!m_pending.isEmpty())
        readLine(m_pending, false);
    m_pending.clear();
    for (const SnapshotColumn column : kSnapshotColumns)
        m_snapshot.setFractionDigits(column, m_fewestDigits[static_cast<std::size_t>(column)]);
    return std::move(m_snapshot);
}

void SnapshotReader::readLine(QByteArrayView line, bool ended)
{
    m_lineEnded = ended;
    if (m_format == Format::JsonLines) {
        readJsonLine(line);
    } else {
        if (line.endsWith('\r'))
            line.chop(1);
        readCsvRecord(line);
    }
    m_lineNumber += m_linesInRecord;
    m_linesInRecord = 1;
    m_inQuotes = false;
}

void SnapshotReader::readStamp(SnapshotColumn column, QByteArrayView text)
{
    timespec stamp{};
    int digits = 0;
    if (!readIsoStamp(text, stamp, digits))
        fail(texts::kNotADate().arg(shownValue(text)), true);
    int& fewest = m_fewestDigits[static_cast<std::size_t>(column)];
    fewest = std::min(fewest, digits);
    m_values.stamp(column) = stamp;
}

void SnapshotReader::readSizeText(QByteArrayView text)
{
    quint64 size = 0;
    if (!readSize(text, size))
        fail(texts::kNotASize().arg(shownValue(text)), true);
    m_values.size = size;
}

void SnapshotReader::readJsonLine(QByteArrayView line)
{
    JsonCursor json(line, m_scratch);
    if (!json.take('{'))
        fail(texts::kNotJsonObject(), true);
    m_values = FileValues();
    unsigned keys = 0;
    QByteArrayView path;
    if (!json.take('}')) {
        do {
            const JsonValue key = json.value();
            if (key.kind != JsonValue::String || !json.take(':'))
                fail(texts::kNotJsonObject(), true);
            const int column = columnOfKey(key.text);
            if (column == -2)
                fail(texts::kUnknownKey().arg(shownValue(key.text)));
            const unsigned bit = column == kPathField ? kPathBit : 1u << column;
            if ((keys & bit) != 0)
                fail(texts::kRepeatedKey().arg(shownValue(key.text)));
            keys |= bit;
            // The path may sit in the scratch buffer, which the next string reuses.
            const JsonValue value = json.value();
            if (value.kind == JsonValue::Bad)
                fail(texts::kNotJsonObject(), true);
            if (column == kPathField) {
                if (value.kind != JsonValue::String || value.badEscape)
                    fail(texts::kNotAPath());
                if (value.text.data() == m_scratch.constData()) {
                    m_path = m_scratch;
                    path = m_path;
                } else {
                    path = value.text;
                }
            } else if (value.kind != JsonValue::Null) {
                const auto c = static_cast<SnapshotColumn>(column);
                if (c == SnapshotColumn::Size && value.kind == JsonValue::Number)
                    readSizeText(value.text);
                else if (c == SnapshotColumn::Size)
                    fail(texts::kNotASize().arg(shownValue(value.text)), true);
                else if (value.kind == JsonValue::String && !value.badEscape)
                    readStamp(c, value.text);
                else
                    fail(texts::kNotADate().arg(shownValue(value.text)), true);
            }
        } while (json.take(','));
        if (!json.take('}'))
            fail(texts::kNotJsonObject(), true);
    }
    if (!json.atEnd())
        fail(texts::kNotJsonObject(), true);
    if ((keys & kPathBit) == 0)
        fail(texts::kNoPathKey());
    const auto columns = static_cast<ColumnSet>(keys & ~kPathBit);
    if (!m_haveColumns) {
        m_snapshot.setColumns(columns);
        m_haveColumns = true;
    } else if (columns != m_snapshot.columns()) {
        fail(texts::kOtherKeys());
    }
    appendRecord(path);
}

void SnapshotReader::readCsvRecord(QByteArrayView line)
{
    // The fields, each unquoted into m_fields.
    qsizetype count = 0;
    qsizetype at = 0;
    const qsizetype n = line.size();
    while (true) {
        if (count == static_cast<qsizetype>(m_fields.size()))
            m_fields.emplace_back();
        QByteArray& field = m_fields[static_cast<std::size_t>(count++)];
        field.resize(0);
        if (at < n && line[at] == '"') {
            ++at;
            while (true) {
                const qsizetype quote = line.indexOf('"', at);
                if (quote < 0)
                    fail(texts::kOpenQuote(), true);
                field.append(line.sliced(at, quote - at));
                at = quote + 1;
                if (at < n && line[at] == '"') {
                    field.append('"');
                    ++at;
                } else {
                    break;
                }
            }
            if (at < n && line[at] != ',')
                fail(texts::kStrayQuote());
        } else {
            qsizetype comma = line.indexOf(',', at);
            if (comma < 0)
                comma = n;
            const QByteArrayView text = line.sliced(at, comma - at);
            if (text.contains('"'))
                fail(texts::kStrayQuote());
            field.append(text);
            at = comma;
        }
        if (at == n)
            break;
        ++at; // the comma
    }

    if (m_fieldColumns.empty()) {
        readCsvHeader(count);
        return;
    }
    const auto header = static_cast<qsizetype>(m_fieldColumns.size());
    if (count != header)
        fail(texts::kFieldCount().arg(count).arg(header), count < header);
    m_values = FileValues();
    QByteArrayView path;
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArray& field = m_fields[static_cast<std::size_t>(i)];
        const int column = m_fieldColumns[static_cast<std::size_t>(i)];
        if (column == kPathField)
            path = field;
        else if (field.isEmpty())
            continue;
        else if (column == static_cast<int>(SnapshotColumn::Size))
            readSizeText(field);
        else
            readStamp(static_cast<SnapshotColumn>(column), field);
    }
    appendRecord(path);
}

void SnapshotReader::readCsvHeader(qsizetype count)
{
    const auto first = m_fields.cbegin();
    const auto last = first + count;
    if (std::find(first, last, csvHeader(kPathField)) == last)
        fail(texts::kNotAListing());
    unsigned seen = 0;
    for (auto field = first; field != last; ++field) {
        const QByteArray& header = *field;
        int column = -2;
        for (int c = kPathField; c < 5; ++c) {
            if (header == csvHeader(c))
                column = c;
        }
        if (column == -2)
            fail(texts::kUnknownKey().arg(shownValue(header)));
        const unsigned bit = column == kPathField ? kPathBit : 1u << column;
        if ((seen & bit) != 0)
            fail(texts::kRepeatedKey().arg(shownValue(header)));
        seen |= bit;
        m_fieldColumns.push_back(column);
    }
    m_snapshot.setColumns(static_cast<ColumnSet>(seen & ~kPathBit));
    m_haveColumns = true;
}

void SnapshotReader::appendRecord(QByteArrayView path)
{
    if (path.size() > Snapshot::kLongestPath)
        fail(texts::kPathTooLong());
    if (m_snapshot.count() >= std::numeric_limits<qint32>::max())
        fail(texts::kTooManyRows());
    m_snapshot.append(path, m_values);
}

Snapshot readSnapshot(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw Failure(texts::kSnapshotUnreadable().arg(path, file.errorString()));
    SnapshotReader reader(path);
    QByteArray buffer(qsizetype(1) << 20, Qt::Uninitialized);
    while (true) {
        const qint64 got = file.read(buffer.data(), buffer.size());
        if (got < 0)
            throw Failure(texts::kSnapshotUnreadable().arg(path, file.errorString()));
        if (got == 0)
            break;
        reader.feed(QByteArrayView(buffer.constData(), got));
    }
    return reader.finish();
}

} // namespace quillfen
