#pragma once

// Layer snapshot: listings kept to compare with later; uses files, dates, table, base and Qt
// Core.

#include "snapshot/Snapshot.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace quillfen {

// Reads a snapshot: the command line's jsonl (one object per line: "path", and any of "size",
// "modified", "created", "accessed", "changed", each at most once, the same on every line) or
// its csv (RFC 4180, an optional byte order mark, a header row with "Filename" and any of
// "Size", "Date Modified", "Date Created", "Date Accessed", "Date Changed"). They are told
// apart by the first byte: "{" begins jsonl. An empty file is a snapshot of no files.
//
// Paths come back as the bytes they stand for: in jsonl a lone surrogate \udc80 to \udcff is
// the byte 0x80 to 0xff (Python's surrogateescape), csv holds the bytes themselves. A size is
// a whole number, a date ISO 8601 with a fraction of up to nine digits and an offset or Z, as
// `--time iso` and `--time utc` write them; none is null in jsonl and empty in csv. The
// locale's date texts (`--time local`) are refused: they carry no offset and read differently
// in each locale, so no instant could be told from them reliably.
//
// Anything else is a Failure naming the file and the line ("snap.jsonl, line 12: ..."), the
// first fault only; then no snapshot is given at all.
class SnapshotReader {
public:
    // `shownName` names the snapshot in messages: the file as the user gave it.
    explicit SnapshotReader(QString shownName);
    ~SnapshotReader();

    // The next bytes of the snapshot, in any pieces.
    void feed(QByteArrayView bytes);
    // The end of the snapshot: reads a last line that has no line end and hands the records
    // over.
    Snapshot finish();

private:
    enum class Format { Unknown, JsonLines, Csv };

    bool decideFormat(bool atEnd);
    // Where the line (csv: the record) that `p` continues ends, or null when not before `end`.
    const char* lineEnd(const char* p, const char* end);
    void readPiece(QByteArrayView bytes);
    // One line without its line end; `ended` is false for a last line that had none.
    void readLine(QByteArrayView line, bool ended);
    void readJsonLine(QByteArrayView line);
    void readCsvRecord(QByteArrayView line);
    void readCsvHeader(qsizetype count);
    void readStamp(SnapshotColumn column, QByteArrayView text);
    void readSizeText(QByteArrayView text);
    void appendRecord(QByteArrayView path);
    // `mayBeCut`: a fault that a line cut short shows, said as that when the line is the last
    // and has no line end.
    [[noreturn]] void fail(const QString& fault, bool mayBeCut = false) const;

    QString m_shownName;
    Snapshot m_snapshot;
    Format m_format = Format::Unknown;
    bool m_markChecked = false; // whether a byte order mark was looked for
    QByteArray m_pending;       // bytes after the last whole line
    qsizetype m_scanned = 0;    // how far m_pending was searched for the line's end
    bool m_inQuotes = false;    // csv: whether m_scanned is inside a quoted field
    qint64 m_lineNumber = 1;    // of the line (csv: the record) read next
    qint64 m_linesInRecord = 1; // csv: lines the record spans
    bool m_lineEnded = true;
    bool m_haveColumns = false;
    std::array<int, 5> m_fewestDigits{9, 9, 9, 9, 9};
    // csv: what each field of a row is: -1 the path, else a SnapshotColumn.
    std::vector<int> m_fieldColumns;
    std::vector<QByteArray> m_fields;
    // The record being read.
    QByteArray m_path;    // a path that had escapes
    QByteArray m_scratch; // a string being unescaped
    FileValues m_values;
};

// Reads the snapshot file at `path` whole, naming it `path` in messages; a Failure when it
// cannot be read or is not a snapshot.
Snapshot readSnapshot(const QString& path);

} // namespace quillfen
