#pragma once

// Layer cli: the command-line program; uses files, dates, table and base (Qt Core only).

#include "base/Texts.h"

// What quillfen-cli says to people: its help, its usage errors and its warnings. Each is
// translated once per run; "%1" and "%2" stand for what is filled in.
namespace quillfen::cli::texts {

using quillfen::UiText;

// Usage errors, each followed by kTryHelp.
inline constexpr UiText kTryHelp{
    QT_TRANSLATE_NOOP("Quillfen", "Try 'quillfen-cli --help' for more information.")};
inline constexpr UiText kNeedsValue{QT_TRANSLATE_NOOP("Quillfen", "%1 needs a value")};
inline constexpr UiText kUnknownOption{QT_TRANSLATE_NOOP("Quillfen", "unknown option '%1'")};
inline constexpr UiText kBadDates{
    QT_TRANSLATE_NOOP("Quillfen",
                      "--dates takes modified, created and accessed, separated by "
                      "commas, not '%1'")};
inline constexpr UiText kBadColumns{
    QT_TRANSLATE_NOOP("Quillfen",
                      "--columns takes path, size, modified, created, accessed and "
                      "changed, separated by commas, not '%1'")};
inline constexpr UiText kColumnsAndDates{
    QT_TRANSLATE_NOOP("Quillfen", "give --columns or --dates, not both")};
inline constexpr UiText kUnknownFormat{
    QT_TRANSLATE_NOOP("Quillfen",
                      "unknown format '%1': use tsv, csv, jsonl, text, clipboard or "
                      "xlsx")};
inline constexpr UiText kUnknownTime{
    QT_TRANSLATE_NOOP("Quillfen", "unknown time style '%1': use local, iso or utc")};
inline constexpr UiText kNoPath{
    QT_TRANSLATE_NOOP("Quillfen", "no PATH to report on, and no --files-from")};
inline constexpr UiText kFormatOfFile{
    QT_TRANSLATE_NOOP("Quillfen", "cannot tell the format from the name '%1': give --format")};
inline constexpr UiText kXlsxNeedsOutput{
    QT_TRANSLATE_NOOP("Quillfen", "the xlsx format needs an output file: -o FILE")};
inline constexpr UiText kNsNeedsIso{
    QT_TRANSLATE_NOOP("Quillfen", "--ns needs --time iso or --time utc")};
inline constexpr UiText kBomIsForCsv{
    QT_TRANSLATE_NOOP("Quillfen", "--bom is for the csv format only")};
inline constexpr UiText kBadWhen{
    QT_TRANSLATE_NOOP("Quillfen",
                      "%1 takes a date (2024-03-31), a date and time (2024-03-31T14:30, "
                      "local unless it ends in Z or an offset such as +01:00) or a span back "
                      "from now (90m, 36h, 7d, 2w, 6mo, 1y), not '%2'")};
inline constexpr UiText kBadName{
    QT_TRANSLATE_NOOP("Quillfen", "--name takes a pattern in UTF-8, not '%1'")};
inline constexpr UiText kAllNeedsCompare{
    QT_TRANSLATE_NOOP("Quillfen", "--all is for --compare only")};
inline constexpr UiText kNulInList{
    QT_TRANSLATE_NOOP("Quillfen",
                      "a path read from '%1' holds a NUL byte: if its paths end in "
                      "NUL bytes (find -print0), give -0")};

// Warnings on standard error, after "quillfen-cli: ".
inline constexpr UiText kCannotReadEntry{QT_TRANSLATE_NOOP("Quillfen", "cannot read '%1': %2")};
inline constexpr UiText kCannotReadFolder{
    QT_TRANSLATE_NOOP("Quillfen", "cannot read folder '%1': %2")};
inline constexpr UiText kCannotReadList{QT_TRANSLATE_NOOP("Quillfen", "cannot read '%1'")};
inline constexpr UiText kNameNotUtf8{
    QT_TRANSLATE_NOOP("Quillfen",
                      "the name '%1' is not UTF-8: this format shows the bytes that "
                      "are not as U+FFFD (csv, tsv and jsonl keep them)")};
inline constexpr UiText kCannotWrite{QT_TRANSLATE_NOOP("Quillfen", "cannot write '%1': %2")};
inline constexpr UiText kCannotWriteOutput{
    QT_TRANSLATE_NOOP("Quillfen", "cannot write to standard output")};
inline constexpr UiText kRowsLeftOut{
    QT_TRANSLATE_NOOP("Quillfen",
                      "only %1 rows fit into the sheet; %2 more are not in the "
                      "workbook")};
inline constexpr UiText kProgress{
    QT_TRANSLATE_NOOP("Quillfen", "%1 folders, %2 files walked; %3 rows written, %4 rows/s")};

// --help
inline constexpr UiText kUsage{
    QT_TRANSLATE_NOOP("Quillfen", R"(Usage: quillfen-cli [OPTION]... PATH...
       quillfen-cli [OPTION]... --files-from FILE [PATH]...

Report the dates and sizes of files, one row per file: by default its path and its date
modified, created and accessed.

A PATH that is a folder is walked with all its sub-folders, breadth first, as the window's
"Add All File(s) In Folder" walks it: names beginning with "~" and hidden plain files are left
out, folders whose names hold control characters are not entered, and links to folders are
followed, each real folder once. Names that are not UTF-8 are listed too. Any other PATH is
listed as given. PATHs are taken in order, then those read from --files-from.

Input:
  --ext EXT           in folders, only files whose names end in ".EXT" (default *, every
                      file); "*.txt" and ".txt" mean txt, several extensions separated by
                      ";", "," or blanks are each kept, * and ? are wildcards, and letters
                      match in any case
  --files-from FILE   read further PATHs from FILE, one per line; "-" is standard input
  -0, --null          the PATHs read from --files-from end in NUL bytes, not line ends
                      (find -print0); without it, a NUL byte there is a usage error

Filters (a file is listed when it passes every one given):
  --modified-after WHEN, --modified-before WHEN
                      only files modified after, or before, WHEN (strictly, as find
                      -newermt); the same for --created-after, --created-before,
                      --accessed-after, --accessed-before, --changed-after and
                      --changed-before. A file without that date (created, where the file
                      system keeps no birth time; an entry that cannot be read) fails it.
                      WHEN is a date, 2024-03-31 (local midnight at its start), a date and
                      time, 2024-03-31T14:30 or "2024-03-31 14:30:15.5" (local time unless
                      it ends in Z or an offset such as +01:00 or +0100), or a span back from
                      now: 90m, 36h, 7d, 2w (exact, a day is 24 hours), 6mo, 1y (on the
                      calendar: the same time of day, the day cut to the month's end). A
                      local time a clock change skips is taken as that long after the change,
                      one it repeats as the first of the two
  --name PATTERN      only files whose path holds PATTERN, letters in any case; a PATTERN
                      with * or ? must match the whole file name instead, or with a "/" in
                      it the whole path ("*.txt", "*/2024/*")

Comparing:
  --compare OLD       compare the files now with OLD, a snapshot (what --format jsonl --ns
                      --columns path,size,modified,created,accessed,changed writes) or a csv
                      listing of quillfen-cli in --time iso or utc: one row per path added,
                      removed, or changed in a column both have (or in the --columns or
                      --dates named). Each row has a Change column first (added, removed, or
                      changed: and the changed columns, as changed:size,modified), the path,
                      then the old and the new value of each compared column (Old Size, New
                      Size...; old_size, new_size in jsonl). Rows follow the walk, the removed
                      paths come after them in OLD's order; renames show as removed and added.
                      Times are compared as instants, whatever zone OLD was written in, at the
                      precision both have. Paths are compared as given: list the folder the
                      way OLD listed it. The filters choose among the rows, by the new values
                      or, for a removed path, OLD's
  --all               with --compare, also write the paths that are the same ("unchanged")

Output:
  --columns LIST      the columns, in the order given, separated by commas, from: path,
                      size (in bytes), modified, created (the birth time, where the file
                      system keeps one), accessed and changed (the last change to the
                      entry's contents or status: owner, permissions, links; its ctime);
                      default path,modified,created,accessed. Their headers: Filename,
                      Size, Date Modified, Date Created, Date Accessed, Date Changed
  --dates LIST        any of modified,created,accessed: the path and those dates, always in
                      that order whatever the order given; not with --columns
  --format FORMAT     tsv        a header row, then one line per file ending in LF, fields
                                 separated by one TAB; a TAB, LF, CR or backslash in a field
                                 is written \t, \n, \r, \\ and a byte that is not UTF-8 \xHH
                                 (as PostgreSQL's text format)
                      csv        RFC 4180 with a header row; names as their bytes
                      jsonl      one JSON object per file, a member per column named by its
                                 word; the size is a number, a missing value null
                      text       the window's text report: cells padded to their column
                      clipboard  the window's clipboard text: TAB-separated, padded, no
                                 header, CR LF
                      xlsx       the window's workbook, the size as a number; needs -o
                      By default the -o file's extension decides (.tsv .csv .jsonl .txt
                      .xlsx); on standard output, tsv.
  --time STYLE        local  the locale's short date and long time (default for text,
                             clipboard and xlsx)
                      iso    ISO 8601 local time with its UTC offset (default for tsv, csv
                             and jsonl): 2021-07-15T14:34:56+02:00
                      utc    ISO 8601 in UTC: 2021-07-15T12:34:56Z
  --ns                add the nanoseconds the file system keeps (iso and utc only)
  --bom               begin csv with the byte order mark spreadsheets use to recognise UTF-8
  -o, --output FILE   write to FILE, which replaces an earlier file only once complete;
                      default standard output

  -h, --help          show this help and exit
  --version           show the version and exit

Every stamp is converted with the time-zone rules of its own date. A value the file system
does not keep (created, on some) is an empty cell, null in jsonl. An entry that is missing or
cannot be read gets empty cells and one line on standard error. Every value of a row comes
from one look-up of the entry itself: a link is not followed, and its size is that of the
name it points to.

tsv, csv and jsonl write each row as soon as it is read and keep nothing per file, and xlsx
keeps its rows in a temporary file. text and clipboard need every column's width first, so
they keep every row in memory (its path and values, compactly: about 130 bytes a file) until
the end.

A name that is not UTF-8 keeps its bytes: as they are in csv; as \xHH in tsv; in jsonl, each
byte that is not part of valid UTF-8 as the escape \udc80 to \udcff (Python's
surrogateescape), so os.fsencode() of the decoded path gives the name's bytes back. text,
clipboard and xlsx show such a byte as U+FFFD, as the window would, and name the file on
standard error.

While it runs, a line on standard error shows the progress when that is a terminal.

The filters apply to the values read for the row, so a folder walk reads each file once;
text and clipboard fit their columns to the rows that pass.

Exit status: 0 when every entry was read and written, 1 when some could not be read (or did
not fit into the xlsx sheet, or had a name the format shows as U+FFFD), 2 for a usage error
or an output that cannot be written. With --compare, as diff: 0 when no row written differs,
1 when one does (or an entry cannot be read now), 2 for trouble, a snapshot that cannot be
read among it (then nothing is written).
)")};

} // namespace quillfen::cli::texts
