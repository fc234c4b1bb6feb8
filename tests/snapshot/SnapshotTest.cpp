#include "snapshot/SnapshotComparison.h"
#include "snapshot/SnapshotReader.h"
#include "snapshot/SnapshotWriter.h"

#include "base/Failure.h"
#include "dates/IsoDateText.h"
#include "table/RecordText.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quillfen;

namespace {

// Reads `text` fed in pieces of `piece` bytes, as a file arrives in reads.
Snapshot readText(QByteArrayView text, qsizetype piece = 1 << 20)
{
    SnapshotReader reader(QStringLiteral("snap.jsonl"));
    for (qsizetype at = 0; at < text.size(); at += piece)
        reader.feed(text.sliced(at, std::min(piece, text.size() - at)));
    return reader.finish();
}

QString faultOf(QByteArrayView text, qsizetype piece = 1 << 20)
{
    try {
        readText(text, piece);
    } catch (const Failure& failure) {
        return failure.description();
    }
    return QStringLiteral("(no fault)");
}

timespec at(time_t seconds, long nanoseconds = 0)
{
    return timespec{seconds, nanoseconds};
}

std::string shown(const std::optional<timespec>& stamp)
{
    return stamp ? std::to_string(stamp->tv_sec) + "." + std::to_string(stamp->tv_nsec) : "none";
}

FileValues values(std::optional<quint64> size, std::optional<timespec> modified,
                  std::optional<timespec> created = {}, std::optional<timespec> accessed = {},
                  std::optional<timespec> changed = {})
{
    FileValues v;
    v.size = size;
    v.stamps = {modified, created, accessed, changed};
    return v;
}

constexpr time_t kJuly = 1626352496; // 2021-07-15T12:34:56Z, 14:34:56 in Berlin

} // namespace

TEST(SnapshotComparison, SaysWhatIsAddedChangedAndRemovedInWalkOrderThenSnapshotOrder)
{
    const Snapshot before = readText(
        "{\"path\":\"/t/same\",\"size\":10,\"modified\":\"2021-07-15T14:34:56.000000000+02:00\","
        "\"created\":null}\n"
        "{\"path\":\"/t/gone-1\",\"size\":1,\"modified\":null,\"created\":null}\n"
        "{\"path\":\"/t/grown\",\"size\":10,\"modified\":\"2021-07-15T12:34:56.000000000Z\","
        "\"created\":null}\n"
        "{\"path\":\"/t/twice\",\"size\":2,\"modified\":null,\"created\":null}\n"
        "{\"path\":\"/t/gone-2\",\"size\":1,\"modified\":null,\"created\":null}\n"
        "{\"path\":\"/t/born\",\"size\":3,\"modified\":null,\"created\":null}\n");
    const std::vector<SnapshotColumn> compared =
        columnsToCompare(before, QStringLiteral("snap.jsonl"));
    ASSERT_EQ(
        compared,
        (std::vector{SnapshotColumn::Size, SnapshotColumn::Modified, SnapshotColumn::Created}));

    SnapshotComparison comparison(before, compared);
    const struct {
        QByteArray path;
        FileValues now;
        const char* word;
    } rows[] = {
        {"/t/new", values(5, at(kJuly)), "added"},
        {"/t/grown", values(11, at(kJuly, 1)), "changed:size,modified"},
        {"/t/same", values(10, at(kJuly)), "unchanged"},
        {"/t/born", values(3, {}, at(kJuly)), "changed:created"},
        {"/t/twice", values(2, {}), "unchanged"},
        {"/t/twice", values(2, {}), "added"}, // the snapshot had it once
    };
    for (const auto& row : rows) {
        const ComparedRow result = comparison.compare(row.path, row.now);
        EXPECT_EQ(result.word, row.word) << row.path.toStdString();
        EXPECT_EQ(result.path, row.path);
    }

    std::vector<QByteArray> removed;
    comparison.forEachRemoved([&](const ComparedRow& row) {
        EXPECT_EQ(row.word, "removed");
        EXPECT_EQ(row.before.size, 1u);
        removed.emplace_back(row.path.toByteArray());
    });
    EXPECT_EQ(removed, (std::vector<QByteArray>{"/t/gone-1", "/t/gone-2"}));
    EXPECT_EQ(comparison.added(), 2u);
    EXPECT_EQ(comparison.changed(), 2u);
    EXPECT_EQ(comparison.unchanged(), 2u);
    EXPECT_EQ(comparison.removed(), 2u);
    EXPECT_TRUE(comparison.differs());

    // The columns named, in the order named; one the snapshot lacks is a fault.
    EXPECT_EQ(SnapshotComparison(before, {SnapshotColumn::Modified, SnapshotColumn::Size})
                  .compare("/t/grown", values(11, at(kJuly, 1)))
                  .word,
              "changed:modified,size");
    EXPECT_EQ(SnapshotComparison(before, {SnapshotColumn::Created})
                  .compare("/t/grown", values(11, at(kJuly, 1)))
                  .word,
              "unchanged");
    try {
        columnsToCompare(before, QStringLiteral("snap.jsonl"), {SnapshotColumn::Changed});
        ADD_FAILURE() << "a column the snapshot lacks was compared";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.description(),
                  QStringLiteral("The snapshot snap.jsonl has no \"changed\" column to compare"));
    }
}

TEST(SnapshotComparison, ComparesInstantsAtThePrecisionBothSidesHave)
{
    const struct {
        const char* modified; // as the snapshot has it
        timespec now;
        bool same;
    } cases[] = {
        {"2021-07-15T14:34:56+02:00", at(kJuly, 999999999), true}, // whole seconds: cut
        {"2021-07-15T14:34:56+02:00", at(kJuly + 1), false},
        {"2021-07-15T14:34:56.000000001+02:00", at(kJuly, 2), false},
        {"2021-07-15T14:34:56.000000001+02:00", at(kJuly, 1), true},
        {"2021-07-15T12:34:56.000000001Z", at(kJuly, 1), true},
        {"2021-07-15T17:34:56.000000001+05:00", at(kJuly, 1), true}, // written elsewhere
        {"2021-07-15T08:04:56.000000001-04:30", at(kJuly, 1), true},
        {"2021-07-15T14:34:56.123+02:00", at(kJuly, 123999999), true}, // milliseconds
        {"1969-12-31T23:59:59Z", at(-1, 500000000), true},
        {"1893-03-31T23:59:59+00:53:28", at(-2422054408 - 1), true}, // Berlin's mean time
        // Past the years an instant key holds exactly.
        {"+10000-01-01T00:00:00.000000000Z", at(253402300800), true},
        {"+10000-01-01T00:00:00.000000000Z", at(253402300801), false},
        {"-0001-12-31T23:59:59Z", at(-62167219201), true},
    };
    for (const auto& c : cases) {
        const QByteArray line =
            QByteArray("{\"path\":\"/a\",\"modified\":\"") + c.modified + "\"}\n";
        const Snapshot before = readText(line);
        SnapshotComparison comparison(before, {SnapshotColumn::Modified});
        const ComparedRow row = comparison.compare("/a", values({}, c.now));
        EXPECT_EQ(row.change == Change::Unchanged, c.same)
            << c.modified << " against " << shown(c.now) << ", read as "
            << shown(before.values(0).stamp(SnapshotColumn::Modified));
    }
}

TEST(SnapshotReader, ReadsBackEveryStampTheCommandLineWrites)
{
    const timespec stamps[] = {
        at(kJuly, 123456789),
        at(1610640005),             // summer and winter in Berlin
        at(1635643800, 5),          // 2021-10-31 02:30 CEST, before the clock
        at(1635647400, 5),          // and the same hour again, CET
        at(-2422054409, 999999999), // local mean time, offset with seconds
        at(-1, 1),
        at(0), // around 1970
        at(253402300799, 7),
        at(253402300800, 7), // the last second of 9999, and 10000
        at(-62135596801),    // the year 0
        at(-62198755200),    // the year -1
        at(9223372036),      // just past the instant keys
    };
    for (const IsoDateText::Zone zone : {IsoDateText::Zone::Local, IsoDateText::Zone::Utc}) {
        for (const bool nanoseconds : {true, false}) {
            IsoDateText iso(zone, nanoseconds);
            QByteArray jsonl;
            QByteArray csv = "\xEF\xBB\xBF"
                             "Filename,Date Changed\r\n";
            for (const timespec& stamp : stamps) {
                QByteArray text;
                iso.append(stamp, text);
                jsonl += "{\"path\":\"/f\",\"changed\":\"" + text + "\"}\n";
                csv += "/f," + text + "\r\n";
            }
            for (const QByteArray& snapshot : {jsonl, csv}) {
                const Snapshot read = readText(snapshot);
                ASSERT_EQ(read.count(), std::ssize(stamps)) << snapshot.toStdString();
                EXPECT_EQ(read.fractionDigits(SnapshotColumn::Changed), nanoseconds ? 9 : 0);
                for (qsizetype i = 0; i < read.count(); ++i) {
                    timespec expected = stamps[i];
                    if (!nanoseconds)
                        expected.tv_nsec = 0;
                    const std::optional<timespec> got =
                        read.values(i).stamp(SnapshotColumn::Changed);
                    EXPECT_EQ(shown(got), shown(expected)) << snapshot.toStdString();
                }
            }
        }
    }
}

TEST(SnapshotReader, KeepsEveryNameByteForByteWhateverPiecesItArrivesIn)
{
    const QByteArray names[] = {
        "/plain/name.txt",
        "/not utf-8 \xff\xfe here",
        "/cut \xC3",
        "/quote \" backslash \\ tab \t newline \n return \r",
        "/a,b \"quoted\", twice",
        "/日本語 ü \xF0\x9F\x98\x80",
        "",
    };
    QByteArray jsonl;
    QByteArray csv = "Filename,Size\r\n";
    for (const QByteArray& name : names) {
        jsonl += "{\"path\":";
        appendJsonString(name, jsonl);
        jsonl += ",\"size\":12}\n";
        appendCsvField(name, csv);
        csv += ",12\r\n";
    }
    // What other writers may write for the same names: \u escapes, pairs, spaces.
    jsonl += "{ \"size\" : 0 , \"path\" : \"/\\u00fc\\ud83d\\ude00\\/\\udcff\" }\r\n";
    const QByteArray escaped = "/ü\xF0\x9F\x98\x80/\xff";

    for (const qsizetype piece : {qsizetype(1), qsizetype(7), qsizetype(1) << 20}) {
        const Snapshot fromJsonl = readText(jsonl, piece);
        const Snapshot fromCsv = readText(csv, piece);
        ASSERT_EQ(fromJsonl.count(), std::ssize(names) + 1);
        ASSERT_EQ(fromCsv.count(), std::ssize(names));
        for (std::size_t i = 0; i < std::size(names); ++i) {
            EXPECT_EQ(fromJsonl.path(qsizetype(i)), names[i]) << "piece " << piece;
            EXPECT_EQ(fromCsv.path(qsizetype(i)), names[i]) << "piece " << piece;
            EXPECT_EQ(fromCsv.values(qsizetype(i)).size, 12u);
        }
        EXPECT_EQ(fromJsonl.path(std::ssize(names)), escaped);
    }
}

TEST(SnapshotReader, NamesTheFileAndLineOfTheFirstFault)
{
    const QByteArray good = "{\"path\":\"/a\",\"modified\":\"2021-07-15T12:34:56Z\"}\n";
    const struct {
        QByteArray text;
        const char* fault;
    } cases[] = {
        {good + good + "{\"path\":\"/a\",\"modified\":\"2021-07-",
         "snap.jsonl, line 3: the file ends in the middle of this line; it was cut short"},
        {good + "path,/a\n" + good,
         "snap.jsonl, line 2: this line is not a JSON object of a snapshot"},
        {good + "\n" + good, "snap.jsonl, line 2: this line is not a JSON object of a snapshot"},
        {good + "{\"path\":\"/a\",\"modified\":null} x\n",
         "snap.jsonl, line 2: this line is not a JSON object of a snapshot"},
        {good + "{\"path\":\"/a\"}\n",
         "snap.jsonl, line 2: its columns are not those of the first line"},
        {"{\"path\":\"/a\",\"mtime\":1}\n",
         "snap.jsonl, line 1: \"mtime\" is not a column Quillfen writes"},
        {"{\"path\":\"/a\",\"path\":\"/b\"}\n", "snap.jsonl, line 1: \"path\" is there twice"},
        {"{\"modified\":null}\n", "snap.jsonl, line 1: there is no \"path\""},
        {"{\"path\":\"/\\ud800x\"}\n",
         "snap.jsonl, line 1: the path is not a text that a file name can hold"},
        {"{\"path\":\"/\xff\"}\n",
         "snap.jsonl, line 1: this line is not a JSON object of a snapshot"},
        {"{\"path\":\"/a\",\"size\":-1}\n", "snap.jsonl, line 1: \"-1\" is not a size in bytes"},
        {"{\"path\":\"/a\",\"modified\":\"2021-07-15T12:34:56\"}\n",
         "snap.jsonl, line 1: \"2021-07-15T12:34:56\" is not an ISO 8601 date and time with its "
         "offset or Z (a listing to compare with is written with --time iso or --time utc)"},
        {"{\"path\":\"/a\",\"modified\":\"2021-02-29T12:34:56Z\"}\n",
         "snap.jsonl, line 1: \"2021-02-29T12:34:56Z\" is not an ISO 8601 date and time with its "
         "offset or Z (a listing to compare with is written with --time iso or --time utc)"},
        // csv
        {"Name,Modified\r\n/a,1\r\n",
         "snap.jsonl, line 1: this is neither a snapshot (JSON Lines) nor a csv listing with a "
         "\"Filename\" column"},
        {"\x89PNG\r\n\x1a\n",
         "snap.jsonl, line 1: this is neither a snapshot (JSON Lines) nor a csv listing with a "
         "\"Filename\" column"},
        {"Filename,Date Modified\r\n\"/two\r\nlines\",7/15/2021 2:34:56 PM\r\n",
         "snap.jsonl, line 2: \"7/15/2021 2:34:56 PM\" is not an ISO 8601 date and time with its "
         "offset or Z (a listing to compare with is written with --time iso or --time utc)"},
        {"Filename,Size\r\n\"/two\r\nlines\",1\r\n/b\r\n",
         "snap.jsonl, line 4: the number of fields is 1 where the header has 2"},
        {"Filename,Size\r\n/a\"b,1\r\n",
         "snap.jsonl, line 2: a field holds a quote but is not quoted"},
        {"Filename,Size\r\n\"/a\"b,1\r\n",
         "snap.jsonl, line 2: a field holds a quote but is not quoted"},
        {"Filename,Size\r\n/a,1\r\n\"/b,",
         "snap.jsonl, line 3: the file ends in the middle of this line; it was cut short"},
        {"Filename,Size,Size\r\n", "snap.jsonl, line 1: \"Size\" is there twice"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(faultOf(c.text), QString::fromUtf8(c.fault)) << c.text.toStdString();
        EXPECT_EQ(faultOf(c.text, 3), QString::fromUtf8(c.fault)) << c.text.toStdString();
    }
}

TEST(SnapshotWriter, WritesTheCommandLinesLinesAndReadsBackWhatItWrote)
{
    SnapshotWriter writer(
        {SnapshotColumn::Size, SnapshotColumn::Modified, SnapshotColumn::Created});
    QByteArray lines;
    writer.appendRecord("/f", values(12, at(kJuly, 123456789)), lines);
    EXPECT_EQ(lines,
              "{\"path\":\"/f\",\"size\":12,\"modified\":\"2021-07-15T14:34:56.123456789+02:00\","
              "\"created\":null}\n");
    const QByteArray odd = "/not utf-8 \xff \"quoted\"\n";
    writer.appendRecord(odd, values(std::nullopt, at(-1, 1), at(0)), lines);
    const Snapshot read = readText(lines);
    ASSERT_EQ(read.count(), 2);
    EXPECT_EQ(read.path(1), odd);
    EXPECT_FALSE(read.values(1).size.has_value());
    EXPECT_EQ(shown(read.values(1).stamp(SnapshotColumn::Modified)), shown(at(-1, 1)));
    EXPECT_EQ(shown(read.values(1).stamp(SnapshotColumn::Created)), shown(at(0)));
    EXPECT_EQ(read.fractionDigits(SnapshotColumn::Modified), 9);
}
