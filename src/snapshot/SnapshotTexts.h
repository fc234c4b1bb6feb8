#pragma once

// Layer snapshot: listings kept to compare with later; uses files, dates, table, base and Qt
// Core.

#include "base/Texts.h"

// The texts of reading and comparing snapshots, each in one place. A fault in a snapshot is
// said as kSnapshotFault with the file, the line and one of the faults below.
namespace quillfen::texts {

inline constexpr UiText kSnapshotFault{QT_TRANSLATE_NOOP("Quillfen", "%1, line %2: %3")};
inline constexpr UiText kSnapshotUnreadable{
    QT_TRANSLATE_NOOP("Quillfen", "Cannot read the snapshot %1: %2")};

// What a line holds that Quillfen does not write.
inline constexpr UiText kNotAListing{QT_TRANSLATE_NOOP(
    "Quillfen",
    "this is neither a snapshot (JSON Lines) nor a csv listing with a \"Filename\" column")};
inline constexpr UiText kNotJsonObject{
    QT_TRANSLATE_NOOP("Quillfen", "this line is not a JSON object of a snapshot")};
inline constexpr UiText kCutShort{
    QT_TRANSLATE_NOOP("Quillfen", "the file ends in the middle of this line; it was cut short")};
inline constexpr UiText kUnknownKey{
    QT_TRANSLATE_NOOP("Quillfen", "\"%1\" is not a column Quillfen writes")};
inline constexpr UiText kRepeatedKey{QT_TRANSLATE_NOOP("Quillfen", "\"%1\" is there twice")};
inline constexpr UiText kNoPathKey{QT_TRANSLATE_NOOP("Quillfen", "there is no \"path\"")};
inline constexpr UiText kOtherKeys{
    QT_TRANSLATE_NOOP("Quillfen", "its columns are not those of the first line")};
inline constexpr UiText kNotAPath{
    QT_TRANSLATE_NOOP("Quillfen", "the path is not a text that a file name can hold")};
inline constexpr UiText kPathTooLong{
    QT_TRANSLATE_NOOP("Quillfen", "the path is longer than any file's")};
inline constexpr UiText kNotASize{QT_TRANSLATE_NOOP("Quillfen", "\"%1\" is not a size in bytes")};
inline constexpr UiText kNotADate{QT_TRANSLATE_NOOP(
    "Quillfen",
    "\"%1\" is not an ISO 8601 date and time with its offset or Z (a listing to compare with "
    "is written with --time iso or --time utc)")};
inline constexpr UiText kFieldCount{
    QT_TRANSLATE_NOOP("Quillfen", "the number of fields is %1 where the header has %2")};
inline constexpr UiText kOpenQuote{
    QT_TRANSLATE_NOOP("Quillfen", "a quoted field is not closed where the line ends")};
inline constexpr UiText kStrayQuote{
    QT_TRANSLATE_NOOP("Quillfen", "a field holds a quote but is not quoted")};
inline constexpr UiText kTooManyRows{
    QT_TRANSLATE_NOOP("Quillfen", "the snapshot has more rows than can be compared")};

// A comparison's own columns: what changed, and each compared column before and after.
inline constexpr UiText kChangeHeader{QT_TRANSLATE_NOOP("Quillfen", "Change")};
inline constexpr UiText kBeforeHeader{QT_TRANSLATE_NOOP("Quillfen", "Old %1")};
inline constexpr UiText kAfterHeader{QT_TRANSLATE_NOOP("Quillfen", "New %1")};
inline constexpr UiText kNotInSnapshot{
    QT_TRANSLATE_NOOP("Quillfen", "The snapshot %1 has no \"%2\" column to compare")};

} // namespace quillfen::texts
