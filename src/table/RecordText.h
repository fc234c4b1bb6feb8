#pragma once

// Layer table: the text table, its order and the writers that turn it into bytes; uses base,
// Qt Core, libxlsxwriter and ICU.

#include <QByteArray>
#include <QByteArrayView>

namespace quillfen {

// Fields of records for other programs: CSV (RFC 4180) and JSON strings. Both take bytes as
// the file system gives them, UTF-8 or not, and append to `out`.

// A CSV field: as it is, or in double quotes, with its quotes doubled, when it holds a comma,
// a quote, a CR or an LF.
void appendCsvField(QByteArrayView field, QByteArray& out);

// A JSON string, quotes included. Valid UTF-8 is kept as it is (with ", \ and control
// characters escaped); every byte that is not part of valid UTF-8 becomes the lone surrogate
// U+DC80 to U+DCFF standing for it ("\udcff" for 0xFF), the convention of Python's
// surrogateescape, so os.fsencode() of the decoded string gives the original bytes back.
void appendJsonString(QByteArrayView bytes, QByteArray& out);

} // namespace quillfen
