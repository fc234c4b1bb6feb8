// The snapshot reader (SnapshotReader) and the comparison over what it reads. A snapshot may
// come from anyone, so whatever the bytes, reading either gives records or one fault that
// names the file and a line, and:
//
// - the bytes read in pieces (one at a time, or a few) give the same as read whole;
// - the records written back as the command line writes a snapshot (JSON strings escaped by
//   appendJsonString, stamps by IsoDateText in UTC with nanoseconds) read back the same, so a
//   name comes back byte for byte and a stamp as the same instant;
// - compared with itself, row by row, every record is unchanged and none is removed.

#include "FuzzSupport.h"

#include "base/Failure.h"
#include "dates/IsoDateText.h"
#include "snapshot/SnapshotComparison.h"
#include "snapshot/SnapshotReader.h"
#include "table/RecordText.h"

#include <QCoreApplication>

#include <algorithm>

using namespace quillfen;
using namespace quillfen::fuzz;

namespace {

struct Outcome {
    bool read = false;
    QString fault;
    Snapshot snapshot;
};

Outcome readInPieces(QByteArrayView bytes, qsizetype piece)
{
    Outcome outcome;
    try {
        SnapshotReader reader(QStringLiteral("fuzz"));
        for (qsizetype at = 0; at < bytes.size(); at += piece)
            reader.feed(bytes.sliced(at, std::min(piece, bytes.size() - at)));
        outcome.snapshot = reader.finish();
        outcome.read = true;
    } catch (const Failure& failure) {
        outcome.fault = failure.description();
    }
    return outcome;
}

QString shownStamp(const std::optional<timespec>& stamp)
{
    return stamp ? QString::number(stamp->tv_sec) + u'.' + QString::number(stamp->tv_nsec)
                 : QStringLiteral("none");
}

QString shownValues(const FileValues& values)
{
    QString out = values.size ? QString::number(*values.size) : QStringLiteral("none");
    for (const std::optional<timespec>& stamp : values.stamps)
        out += u' ' + shownStamp(stamp);
    return out;
}

void checkSame(const Snapshot& a, const Snapshot& b, const char* what)
{
    check(a.columns() == b.columns(), what, QStringLiteral("columns"));
    check(a.count() == b.count(), what, QStringLiteral("record count"));
    for (qsizetype r = 0; r < a.count(); ++r) {
        check(a.path(r) == b.path(r), what,
              QString::fromLatin1(a.path(r).toByteArray().toHex(' ')) + QStringLiteral(" / ")
                  + QString::fromLatin1(b.path(r).toByteArray().toHex(' ')));
        const QString va = shownValues(a.values(r));
        const QString vb = shownValues(b.values(r));
        check(va == vb, what, va + QStringLiteral(" / ") + vb);
    }
}

QByteArray asSnapshot(const Snapshot& snapshot)
{
    IsoDateText iso(IsoDateText::Zone::Utc, true);
    QByteArray out;
    for (qsizetype r = 0; r < snapshot.count(); ++r) {
        const FileValues values = snapshot.values(r);
        out += "{\"path\":";
        appendJsonString(snapshot.path(r), out);
        for (const SnapshotColumn column : kSnapshotColumns) {
            if (!snapshot.has(column))
                continue;
            out += ",\"" + QByteArray(snapshotKey(column)) + "\":";
            if (column == SnapshotColumn::Size) {
                out += values.size ? QByteArray::number(*values.size) : QByteArray("null");
            } else if (const std::optional<timespec>& stamp = values.stamp(column)) {
                out += '"';
                iso.append(*stamp, out);
                out += '"';
            } else {
                out += "null";
            }
        }
        out += "}\n";
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const Outcome whole = readInPieces(bytes, std::max<qsizetype>(1, bytes.size()));
    for (const qsizetype piece : {qsizetype(1), qsizetype(1 + size % 13)}) {
        const Outcome pieces = readInPieces(bytes, piece);
        check(pieces.read == whole.read && pieces.fault == whole.fault,
              "read in pieces, the same fault", whole.fault + QStringLiteral(" / ") + pieces.fault);
        if (whole.read)
            checkSame(whole.snapshot, pieces.snapshot, "read in pieces, the same records");
    }
    if (!whole.read) {
        check(whole.fault.startsWith(QStringLiteral("fuzz, line ")), "a fault names file and line",
              whole.fault);
        return 0;
    }

    const Snapshot& snapshot = whole.snapshot;
    if (snapshot.count() > 0) {
        const QByteArray written = asSnapshot(snapshot);
        const Outcome again = readInPieces(written, std::max<qsizetype>(1, written.size()));
        check(again.read, "what the command line writes reads back", again.fault);
        checkSame(snapshot, again.snapshot, "written and read back, the same records");
    }

    SnapshotComparison comparison(snapshot, columnsToCompare(snapshot, QStringLiteral("fuzz")));
    for (qsizetype r = 0; r < snapshot.count(); ++r) {
        const ComparedRow row = comparison.compare(snapshot.path(r), snapshot.values(r));
        check(row.change == Change::Unchanged, "a snapshot is the same as itself",
              QString::fromLatin1(row.word.toByteArray()));
    }
    check(!comparison.differs() && comparison.removed() == 0,
          "compared with itself, nothing differs");
    return 0;
}
