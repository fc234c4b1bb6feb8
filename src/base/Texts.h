#pragma once

// Layer base: shared by every layer; uses Qt Core only.

#include <QCoreApplication>
#include <QString>

namespace quillfen {

// One of the program's own texts. It is written here in English, marked for Qt's translation
// tools (QT_TRANSLATE_NOOP, all in the context "Quillfen"), and translated where it is shown,
// so the translation installed at start-up applies and the English text stands where there is
// none. What programs read (csv headers, json keys) takes the English text instead.
class UiText {
public:
    constexpr explicit UiText(const char* english)
        : m_english(english)
    {
    }

    // In the user's language.
    QString operator()() const { return QCoreApplication::translate("Quillfen", m_english); }
    QString english() const { return QString::fromUtf8(m_english); }
    const char* source() const { return m_english; }

private:
    const char* m_english;
};

} // namespace quillfen

// The program's own texts, each in one place.
namespace quillfen::texts {

// Names, never translated: the product and the files that come with the program.
inline const QString kProductTitle = QStringLiteral("Quillfen");
inline const QString kHandPointerFile = QStringLiteral("HAND-M.CUR");
inline const QString kDragPointerFile = QStringLiteral("drag.ico");
inline const QString kSamplesFolder = QStringLiteral("Samples");

inline constexpr UiText kErrorCaption{QT_TRANSLATE_NOOP("Quillfen", "Application Error")};

// Window
inline constexpr UiText kFileListHeader{QT_TRANSLATE_NOOP("Quillfen", "File(s)")};
inline constexpr UiText kFileListHint{QT_TRANSLATE_NOOP(
    "Quillfen",
    "Drag and drop files here. Double-click item to remove it. Move | line to right and out of "
    "window to reveal full names.")};
inline constexpr UiText kResultsHint{
    QT_TRANSLATE_NOOP("Quillfen", "Move | line to right and out of window to reveal full names.")};
inline constexpr UiText kOptionFrame{QT_TRANSLATE_NOOP("Quillfen", "Option")};
inline constexpr UiText kModified{QT_TRANSLATE_NOOP("Quillfen", "Modified")};
inline constexpr UiText kCreated{QT_TRANSLATE_NOOP("Quillfen", "Created")};
inline constexpr UiText kAccessed{QT_TRANSLATE_NOOP("Quillfen", "Accessed")};
inline constexpr UiText kProgressAtRest{QT_TRANSLATE_NOOP("Quillfen", "Progress Bar")};

inline constexpr UiText kSaveTextButton{QT_TRANSLATE_NOOP("Quillfen", "Save Results As Text File")};
inline constexpr UiText kSaveExcelButton{
    QT_TRANSLATE_NOOP("Quillfen", "Save Results As Excel File")};
inline constexpr UiText kAddFilesButton{QT_TRANSLATE_NOOP("Quillfen", "Add File(s)")};
inline constexpr UiText kAddFolderButton{
    QT_TRANSLATE_NOOP("Quillfen", "Add All File(s) In Folder")};
inline constexpr UiText kStartButton{QT_TRANSLATE_NOOP("Quillfen", "Start Extracting")};
inline constexpr UiText kClearResultsButton{QT_TRANSLATE_NOOP("Quillfen", "Clear Results")};
inline constexpr UiText kCopyButton{QT_TRANSLATE_NOOP("Quillfen", "Copy Results To Clipboard")};
inline constexpr UiText kClearListButton{QT_TRANSLATE_NOOP("Quillfen", "Clear List")};
inline constexpr UiText kSamplesButton{QT_TRANSLATE_NOOP("Quillfen", "Load Sample/Example Files")};

// Results list columns
inline constexpr UiText kFilenameColumn{QT_TRANSLATE_NOOP("Quillfen", "Filename")};
inline constexpr UiText kDateModifiedColumn{QT_TRANSLATE_NOOP("Quillfen", "Date Modified")};
inline constexpr UiText kDateCreatedColumn{QT_TRANSLATE_NOOP("Quillfen", "Date Created")};
inline constexpr UiText kDateAccessedColumn{QT_TRANSLATE_NOOP("Quillfen", "Date Accessed")};
// Shown by the command line only, so far.
inline constexpr UiText kSizeColumn{QT_TRANSLATE_NOOP("Quillfen", "Size")};
inline constexpr UiText kDateChangedColumn{QT_TRANSLATE_NOOP("Quillfen", "Date Changed")};

// Adding files
inline constexpr UiText kAddFilesTitle{
    QT_TRANSLATE_NOOP("Quillfen", "Add File(s) - Hold Ctrl to select multiple files")};
inline constexpr UiText kAllFilesFilter{QT_TRANSLATE_NOOP("Quillfen", "All Files (*.*)|*.*|")};
inline constexpr UiText kTooManyFiles{QT_TRANSLATE_NOOP(
    "Quillfen",
    "You've selected too many files to add.\r\rPlease try adding via the \"Add All\" button.")};

// Folder scan
inline constexpr UiText kExtensionPrompt{QT_TRANSLATE_NOOP(
    "Quillfen",
    "Enter file extension to load:\r\r(* for all files, txt for all txt files, doc for all doc "
    "files, etc.)")};
inline constexpr UiText kFolderPrompt{QT_TRANSLATE_NOOP("Quillfen", "Please select folder:")};

// Extraction run
inline constexpr UiText kProcessing{QT_TRANSLATE_NOOP("Quillfen", "Processing: ")};
inline constexpr UiText kDone{QT_TRANSLATE_NOOP("Quillfen", "Done.")};
inline constexpr UiText kNoFilesAdded{QT_TRANSLATE_NOOP("Quillfen", "No files added.")};

// Text report
inline constexpr UiText kSaveTitle{QT_TRANSLATE_NOOP("Quillfen", "Save")};
inline constexpr UiText kSaveFilter{
    QT_TRANSLATE_NOOP("Quillfen", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|")};
inline constexpr UiText kWritingFile{QT_TRANSLATE_NOOP("Quillfen", "Writing file: ")};
inline constexpr UiText kResultsChangedWhileSaving{QT_TRANSLATE_NOOP(
    "Quillfen", "The results changed while they were being saved, so the file was not written.")};

// Clipboard
inline constexpr UiText kCopiedMessage{QT_TRANSLATE_NOOP(
    "Quillfen",
    "Results have been copied to the clipboard.\r\rClick a text area where you normally type and "
    "press Ctrl+V to paste the clipboard.")};

// Spreadsheet
inline constexpr UiText kNoSpreadsheetApp{QT_TRANSLATE_NOOP(
    "Quillfen",
    "Excel is not installed on this computer. You need to have it installed to use this "
    "software without error.")};
inline constexpr UiText kNoSpreadsheetForFeature{QT_TRANSLATE_NOOP(
    "Quillfen",
    "Excel is not installed on this computer. You need to have it installed to use this "
    "feature.")};

// Status bar: the counts, and one line of what the last command did. Counted words come as
// their one and many forms.
inline constexpr UiText kStatusCounts{
    QT_TRANSLATE_NOOP("Quillfen", "%1 files listed, %2 result rows, %3 ticked")};
inline constexpr UiText kStopButton{QT_TRANSLATE_NOOP("Quillfen", "Stop")};
inline constexpr UiText kStopHint{QT_TRANSLATE_NOOP("Quillfen", "Stop the running command (Esc)")};
inline constexpr UiText kFileOne{QT_TRANSLATE_NOOP("Quillfen", "file")};
inline constexpr UiText kFileMany{QT_TRANSLATE_NOOP("Quillfen", "files")};
inline constexpr UiText kFolderOne{QT_TRANSLATE_NOOP("Quillfen", "folder")};
inline constexpr UiText kFolderMany{QT_TRANSLATE_NOOP("Quillfen", "folders")};
inline constexpr UiText kRowOne{QT_TRANSLATE_NOOP("Quillfen", "row")};
inline constexpr UiText kRowMany{QT_TRANSLATE_NOOP("Quillfen", "rows")};
inline constexpr UiText kAddedFiles{QT_TRANSLATE_NOOP("Quillfen", "Added %1")};
inline constexpr UiText kAddedFilesFromFolders{QT_TRANSLATE_NOOP("Quillfen", "Added %1 from %2")};
inline constexpr UiText kHiddenFileOne{QT_TRANSLATE_NOOP("Quillfen", "hidden file")};
inline constexpr UiText kHiddenFileMany{QT_TRANSLATE_NOOP("Quillfen", "hidden files")};
inline constexpr UiText kUnreadableFolderOne{
    QT_TRANSLATE_NOOP("Quillfen", "folder that could not be read")};
inline constexpr UiText kUnreadableFolderMany{
    QT_TRANSLATE_NOOP("Quillfen", "folders that could not be read")};
inline constexpr UiText kSkipped{QT_TRANSLATE_NOOP("Quillfen", "; skipped %1")};
inline constexpr UiText kAnd{QT_TRANSLATE_NOOP("Quillfen", " and ")};
inline constexpr UiText kStoppedAdding{QT_TRANSLATE_NOOP("Quillfen", "Stopped; added %1 so far")};
inline constexpr UiText kExtracted{QT_TRANSLATE_NOOP("Quillfen", "Extracted %1")};
inline constexpr UiText kNotFoundOne{
    QT_TRANSLATE_NOOP("Quillfen", "; 1 file was not found or could not be read")};
inline constexpr UiText kNotFoundMany{
    QT_TRANSLATE_NOOP("Quillfen", "; %1 files were not found or could not be read")};
inline constexpr UiText kStoppedExtracting{QT_TRANSLATE_NOOP("Quillfen", "Stopped after %1 of %2")};
inline constexpr UiText kSaved{QT_TRANSLATE_NOOP("Quillfen", "Saved %1 to %2")};
inline constexpr UiText kNotSaved{QT_TRANSLATE_NOOP("Quillfen", "%1 was not saved")};
inline constexpr UiText kStoppedSaving{
    QT_TRANSLATE_NOOP("Quillfen", "Stopped; %1 was not written")};
inline constexpr UiText kCopiedRows{QT_TRANSLATE_NOOP("Quillfen", "Copied %1 to the clipboard")};
inline constexpr UiText kStoppedCopying{
    QT_TRANSLATE_NOOP("Quillfen", "Stopped; nothing was copied")};
inline constexpr UiText kOpenedWorkbook{
    QT_TRANSLATE_NOOP("Quillfen", "Opened %1 in a new workbook")};
inline constexpr UiText kStoppedExporting{
    QT_TRANSLATE_NOOP("Quillfen", "Stopped; no workbook was opened")};
inline constexpr UiText kClearedList{QT_TRANSLATE_NOOP("Quillfen", "Cleared the file list")};
inline constexpr UiText kClearedResults{QT_TRANSLATE_NOOP("Quillfen", "Cleared the results")};
inline constexpr UiText kSortedBy{QT_TRANSLATE_NOOP("Quillfen", "Sorted by %1, %2")};
inline constexpr UiText kAToZ{QT_TRANSLATE_NOOP("Quillfen", "A to Z")};
inline constexpr UiText kZToA{QT_TRANSLATE_NOOP("Quillfen", "Z to A")};
inline constexpr UiText kOldestFirst{QT_TRANSLATE_NOOP("Quillfen", "oldest first")};
inline constexpr UiText kNewestFirst{QT_TRANSLATE_NOOP("Quillfen", "newest first")};

// A button's tooltip: its caption and its shortcut.
inline constexpr UiText kShortcutHint{QT_TRANSLATE_NOOP("Quillfen", "%1 (%2)")};

// The results list's context menu
inline constexpr UiText kOpenContainingFolder{
    QT_TRANSLATE_NOOP("Quillfen", "Open Containing Folder")};
inline constexpr UiText kCopyPath{QT_TRANSLATE_NOOP("Quillfen", "Copy Path")};
inline constexpr UiText kTick{QT_TRANSLATE_NOOP("Quillfen", "Tick")};
inline constexpr UiText kUntick{QT_TRANSLATE_NOOP("Quillfen", "Untick")};
inline constexpr UiText kRemove{QT_TRANSLATE_NOOP("Quillfen", "Remove")};

// Samples
inline constexpr UiText kOpenSamplesQuestion{QT_TRANSLATE_NOOP(
    "Quillfen",
    "Would you like this software to open the folder where these sample files are stored (so "
    "that you can view them before working with them)?")};

} // namespace quillfen::texts
