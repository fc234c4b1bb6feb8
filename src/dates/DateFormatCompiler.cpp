#include "dates/DateFormatCompiler.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace quillfen {

namespace {

bool isSeparator(QChar c)
{
    return c.isSpace() || c == u',';
}

// The first run of unquoted `letter`s, as [begin, end); begin is -1 when there is none.
std::pair<qsizetype, qsizetype> findField(const QString& format, QChar letter)
{
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format.at(i) == u'\'') {
            quoted = !quoted;
        } else if (!quoted && format.at(i) == letter) {
            qsizetype end = i;
            while (end < format.size() && format.at(end) == letter)
                ++end;
            return {i, end};
        }
    }
    return {-1, -1};
}

} // namespace

QString withPlainSpaces(QString format)
{
    format.replace(QChar(0x202F), u' ');
    format.replace(QChar(0x00A0), u' ');
    return format;
}

QString withFourDigitYear(const QString& format)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u'y') {
            qsizetype run = 1;
            while (i + run < format.size() && format.at(i + run) == u'y')
                ++run;
            result.append(QStringLiteral("yyyy"));
            i += run - 1;
            continue;
        }
        result.append(c);
    }
    return result;
}

QString withoutTimeZone(const QString& format)
{
    static const QString kOpening = QStringLiteral("([{");
    static const QString kClosing = QStringLiteral(")]}");
    QString result = format;
    for (auto [begin, end] = findField(result, u't'); begin >= 0;
         std::tie(begin, end) = findField(result, u't')) {
        // With the brackets that enclose it ("(t)", "[t]") ...
        if (begin > 0 && end < result.size()) {
            const qsizetype bracket = kOpening.indexOf(result.at(begin - 1));
            if (bracket >= 0 && result.at(end) == kClosing.at(bracket)) {
                --begin;
                ++end;
            }
        }
        // ... and the blanks and commas that part it from the time: before it, or after it
        // when it leads the format.
        qsizetype before = begin;
        while (before > 0 && isSeparator(result.at(before - 1)))
            --before;
        if (before > 0) {
            begin = before;
        } else {
            while (end < result.size() && isSeparator(result.at(end)))
                ++end;
        }
        result.remove(begin, end - begin);
    }
    return result.trimmed();
}

namespace {

using Token = DateFormatToken;

void appendLiteral(std::vector<Token>& tokens, const QString& text)
{
    if (!tokens.empty() && tokens.back().kind == Token::Literal)
        tokens.back().literal += text;
    else
        tokens.push_back({Token::Literal, text, {}});
}

// Quoted text starting at `i`, a quote; two quotes stand for one. Returns where it ends.
qsizetype readQuoted(const QString& format, qsizetype i, std::vector<Token>& tokens)
{
    qsizetype end = i + 1;
    QString text;
    while (end < format.size()) {
        if (format.at(end) == u'\'') {
            if (end + 1 < format.size() && format.at(end + 1) == u'\'') {
                text += u'\'';
                end += 2;
                continue;
            }
            break;
        }
        text += format.at(end++);
    }
    appendLiteral(tokens, end == i + 1 && end < format.size() ? QStringLiteral("'") : text);
    return end + 1;
}

// The field of a run of `repeat` letters `c` at `i`: how many letters it takes, or 0 for a
// field the compiler does not know.
qsizetype readField(const QString& format, qsizetype i, QChar c, qsizetype repeat,
                    std::vector<Token>& tokens)
{
    const auto pick = [&](int most, std::initializer_list<Token::Kind> kinds) {
        const int n = static_cast<int>(std::min<qsizetype>(repeat, most));
        tokens.push_back({*(kinds.begin() + (n - 1)), {}, {}});
        return qsizetype{n};
    };
    switch (c.unicode()) {
    case u'd':
        return pick(4, {Token::Day, Token::Day2, Token::DayName, Token::DayLongName});
    case u'M':
        return pick(4, {Token::Month, Token::Month2, Token::MonthName, Token::MonthLongName});
    case u'y':
        if (repeat < 4)
            return 0; // two-digit years are widened before compiling
        tokens.push_back({Token::Year, {}, {}});
        return repeat;
    case u'h':
        return pick(2, {Token::Hour12, Token::Hour12_2});
    case u'H':
        return pick(2, {Token::Hour24, Token::Hour24_2});
    case u'm':
        return pick(2, {Token::Minute, Token::Minute2});
    case u's':
        return pick(2, {Token::Second, Token::Second2});
    case u'a':
    case u'A': {
        const bool pair =
            i + 1 < format.size() && (format.at(i + 1) == u'p' || format.at(i + 1) == u'P');
        const QChar second = pair ? format.at(i + 1) : c;
        Token::Kind kind = Token::AmPm;
        if (c == u'A' && (second == u'P' || !pair))
            kind = Token::AmPmUpper;
        else if (c == u'a' && (second == u'p' || !pair))
            kind = Token::AmPmLower;
        tokens.push_back({kind, {}, {}});
        return pair ? 2 : 1;
    }
    case u'z':
    case u't':
    case u'g':
    case u'x':
        return 0;
    default:
        appendLiteral(tokens, QString(repeat, c));
        return repeat;
    }
}

// Without an AM/PM field, "h" is the hour of the day.
void useDayHoursWithoutAmPm(std::vector<Token>& tokens)
{
    const bool twelveHour = std::any_of(tokens.begin(), tokens.end(), [](const Token& t) {
        return t.kind == Token::AmPmUpper || t.kind == Token::AmPmLower || t.kind == Token::AmPm;
    });
    if (twelveHour)
        return;
    for (Token& t : tokens) {
        if (t.kind == Token::Hour12)
            t.kind = Token::Hour24;
        else if (t.kind == Token::Hour12_2)
            t.kind = Token::Hour24_2;
    }
}

} // namespace

bool compileDateFormat(const QString& format, std::vector<DateFormatToken>& tokens)
{
    tokens.clear();
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            i = readQuoted(format, i, tokens);
            continue;
        }
        qsizetype repeat = 1;
        while (i + repeat < format.size() && format.at(i + repeat) == c)
            ++repeat;
        const qsizetype taken = readField(format, i, c, repeat, tokens);
        if (taken == 0)
            return false;
        i += taken;
    }
    for (Token& t : tokens)
        t.literalUtf8 = t.literal.toUtf8();
    useDayHoursWithoutAmPm(tokens);
    return true;
}

} // namespace quillfen
