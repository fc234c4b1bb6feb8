#pragma once

// Layer table: the text table, its order and the writers that turn it into bytes; uses base,
// Qt Core, libxlsxwriter and ICU.

#include <QByteArray>
#include <QByteArrayView>

namespace quillfen {

// Fields of records for other programs: CSV (RFC 4180), TSV and JSON strings. Each takes
// bytes as the file system gives them, UTF-8 or not, and appends to `out`.

// A CSV field: as it is, or in double quotes, with its quotes doubled, when it holds a comma,
// a quote, a CR or an LF.
void appendCsvField(QByteArrayView field, QByteArray& out);

// A TSV field as PostgreSQL's text format and other TSV readers take it: a TAB, LF, CR or
// backslash is written as \t, \n, \r or \\, and every byte that is not part of valid UTF-8 as
// \xHH (two lower-case hex digits), so the output is UTF-8 and undoing the escapes gives the
// original bytes back.
void appendTsvField(QByteArrayView field, QByteArray& out);

// A JSON string, quotes included. Valid UTF-8 is kept as it is (with ", \ and control
// characters escaped); every byte that is not part of valid UTF-8 becomes the lone surrogate
// U+DC80 to U+DCFF standing for it ("\udcff" for 0xFF), the convention of Python's
// surrogateescape, so os.fsencode() of the decoded string gives the original bytes back.
void appendJsonString(QByteArrayView bytes, QByteArray& out);

} // namespace quillfen
