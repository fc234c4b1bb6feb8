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

inline constexpr UiText kInvalidPicture{QT_TRANSLATE_NOOP("Quillfen", "Invalid picture: %1")};
// The error report: the description, CR LF, the location, these, the step's number, CR CR, the
// request and the support address.
inline constexpr UiText kAtLine{QT_TRANSLATE_NOOP("Quillfen", "at line ")};
inline constexpr UiText kPleaseEmailScreenshot{
    QT_TRANSLATE_NOOP("Quillfen", "Please email screenshot of this message to ")};
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
inline constexpr UiText kBufferTooSmall{QT_TRANSLATE_NOOP("Quillfen", "Buffer too small")};
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

inline constexpr UiText kClipboardBusy{QT_TRANSLATE_NOOP(
    "Quillfen", "The clipboard is in use by another program; the results were not copied.")};

// Spreadsheet
inline constexpr UiText kNoSpreadsheetApp{QT_TRANSLATE_NOOP(
    "Quillfen",
    "Excel is not installed on this computer. You need to have it installed to use this "
    "software without error.")};
inline constexpr UiText kNoSpreadsheetForFeature{QT_TRANSLATE_NOOP(
    "Quillfen",
    "Excel is not installed on this computer. You need to have it installed to use this "
    "feature.")};

inline constexpr UiText kNoSpreadsheetOnDesktop{
    QT_TRANSLATE_NOOP("Quillfen", "This desktop offers no spreadsheet application")};
inline constexpr UiText kRowsLeftOut{
    QT_TRANSLATE_NOOP("Quillfen",
                      "Only the first %1 results rows fit into the sheet, whose first "
                      "row holds the headers. Ticked rows after them that are not in "
                      "the workbook: %2.")};

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
// Paths of a drop or of the command line that do not exist, the first few of them.
inline constexpr UiText kNotFoundPaths{QT_TRANSLATE_NOOP("Quillfen", "; not found: %1")};
inline constexpr UiText kListSeparator{QT_TRANSLATE_NOOP("Quillfen", ", ")};
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
inline constexpr UiText kHiddenByFilter{
    QT_TRANSLATE_NOOP("Quillfen", "; left out %1 hidden by the filter")};
inline constexpr UiText kClearedList{QT_TRANSLATE_NOOP("Quillfen", "Cleared the file list")};
inline constexpr UiText kClearedResults{QT_TRANSLATE_NOOP("Quillfen", "Cleared the results")};
inline constexpr UiText kSortedBy{QT_TRANSLATE_NOOP("Quillfen", "Sorted by %1, %2")};
inline constexpr UiText kAToZ{QT_TRANSLATE_NOOP("Quillfen", "A to Z")};
inline constexpr UiText kZToA{QT_TRANSLATE_NOOP("Quillfen", "Z to A")};
inline constexpr UiText kOldestFirst{QT_TRANSLATE_NOOP("Quillfen", "oldest first")};
inline constexpr UiText kNewestFirst{QT_TRANSLATE_NOOP("Quillfen", "newest first")};
inline constexpr UiText kStoppedSorting{
    QT_TRANSLATE_NOOP("Quillfen", "Stopped; the rows keep their order")};

// The menu bar
inline constexpr UiText kFileMenu{QT_TRANSLATE_NOOP("Quillfen", "&File")};
inline constexpr UiText kAddFilesEntry{QT_TRANSLATE_NOOP("Quillfen", "Add &Files…")};
inline constexpr UiText kAddFolderEntry{QT_TRANSLATE_NOOP("Quillfen", "Add All Files in F&older…")};
inline constexpr UiText kLoadSamplesEntry{QT_TRANSLATE_NOOP("Quillfen", "Load &Sample Files")};
inline constexpr UiText kStartEntry{QT_TRANSLATE_NOOP("Quillfen", "Start &Extracting")};
inline constexpr UiText kSaveTextEntry{
    QT_TRANSLATE_NOOP("Quillfen", "Save Results as &Text File…")};
inline constexpr UiText kSaveWorkbookEntry{
    QT_TRANSLATE_NOOP("Quillfen", "Open Results in a &Workbook")};
inline constexpr UiText kCopyEntry{QT_TRANSLATE_NOOP("Quillfen", "&Copy Results")};
inline constexpr UiText kQuitEntry{QT_TRANSLATE_NOOP("Quillfen", "&Quit")};
inline constexpr UiText kEditMenu{QT_TRANSLATE_NOOP("Quillfen", "&Edit")};
inline constexpr UiText kSelectAllEntry{QT_TRANSLATE_NOOP("Quillfen", "Select &All")};
inline constexpr UiText kTickEntry{QT_TRANSLATE_NOOP("Quillfen", "&Tick")};
inline constexpr UiText kUntickEntry{QT_TRANSLATE_NOOP("Quillfen", "&Untick")};
inline constexpr UiText kRemoveEntry{QT_TRANSLATE_NOOP("Quillfen", "&Remove")};
inline constexpr UiText kClearListEntry{QT_TRANSLATE_NOOP("Quillfen", "Clear File &List")};
inline constexpr UiText kClearResultsEntry{QT_TRANSLATE_NOOP("Quillfen", "Clear Re&sults")};
inline constexpr UiText kHelpMenu{QT_TRANSLATE_NOOP("Quillfen", "&Help")};
inline constexpr UiText kManualEntry{QT_TRANSLATE_NOOP("Quillfen", "Quillfen &Manual")};
inline constexpr UiText kAboutEntry{QT_TRANSLATE_NOOP("Quillfen", "&About Quillfen")};
// The manual's page among the program's resources: each translation names its own.
inline constexpr UiText kManualPage{QT_TRANSLATE_NOOP("Quillfen", "qrc:/manual.html")};
inline constexpr UiText kManualTitle{QT_TRANSLATE_NOOP("Quillfen", "Quillfen Manual")};
inline constexpr UiText kAboutTitle{QT_TRANSLATE_NOOP("Quillfen", "About Quillfen")};
// The window's own command line, and what it says on the terminal.
inline constexpr UiText kWindowUsage{QT_TRANSLATE_NOOP("Quillfen", R"(Usage: quillfen [PATH]...

Open the Quillfen window, which reports the date modified, created and accessed of many
files at once. Each PATH goes into the file list as a drop of it on the list would: a file as
it is, a folder with every file in it and in its sub-folders. A PATH that does not exist is
named in the status line; the others are still added.

  -h, --help     show this help and exit
  --version      show the version and exit
  --             take every argument after it as a PATH

Qt's own options, such as -platform or -style, are taken as well. For the same report
from the command line, without a window, see quillfen-cli --help.
)")};
inline constexpr UiText kWindowUnknownOption{QT_TRANSLATE_NOOP(
    "Quillfen", "quillfen: unknown option '%1'\nTry 'quillfen --help' for more information.")};
inline constexpr UiText kNoDisplay{QT_TRANSLATE_NOOP(
    "Quillfen",
    "quillfen: no graphical display found (DISPLAY is not set); run it under a virtual one: "
    "xvfb-run -a %1")};
// Version, licence, where the copyright file is, support address.
inline constexpr UiText kAboutText{QT_TRANSLATE_NOOP(
    "Quillfen",
    "Quillfen %1\n\nReports the date modified, created and accessed of many files "
    "at once.\n\nLicence: proprietary; see the copyright file that comes with the "
    "program.\n\nSupport: %2")};

// What each control is for, in its tooltip, with its shortcut where it has one ("%1 (%2)").
inline constexpr UiText kAddFilesHint{QT_TRANSLATE_NOOP("Quillfen", "Add files to the list")};
inline constexpr UiText kAddFolderHint{QT_TRANSLATE_NOOP(
    "Quillfen", "Add every file of one extension in a folder and all its sub-folders")};
inline constexpr UiText kClearListHint{QT_TRANSLATE_NOOP("Quillfen", "Empty the file list")};
inline constexpr UiText kSamplesHint{
    QT_TRANSLATE_NOOP("Quillfen", "Add the sample files that come with Quillfen")};
inline constexpr UiText kModifiedHint{
    QT_TRANSLATE_NOOP("Quillfen", "Report the date each file's contents last changed")};
inline constexpr UiText kCreatedHint{QT_TRANSLATE_NOOP(
    "Quillfen", "Report the date each file was created, where the file system keeps it")};
inline constexpr UiText kAccessedHint{
    QT_TRANSLATE_NOOP("Quillfen", "Report the date each file was last read")};
inline constexpr UiText kStartHint{
    QT_TRANSLATE_NOOP("Quillfen", "Read the ticked dates of every listed file")};
inline constexpr UiText kSaveTextHint{
    QT_TRANSLATE_NOOP("Quillfen", "Save the ticked results as a column-aligned text file")};
inline constexpr UiText kSaveWorkbookHint{QT_TRANSLATE_NOOP(
    "Quillfen", "Open the ticked results in a new workbook of your spreadsheet program")};
inline constexpr UiText kCopyHint{
    QT_TRANSLATE_NOOP("Quillfen", "Copy the ticked results to the clipboard")};
inline constexpr UiText kClearResultsHint{QT_TRANSLATE_NOOP("Quillfen", "Empty the results list")};
inline constexpr UiText kProgressHint{
    QT_TRANSLATE_NOOP("Quillfen", "How far the running command is")};
inline constexpr UiText kFileListName{QT_TRANSLATE_NOOP("Quillfen", "File list")};
inline constexpr UiText kResultsName{QT_TRANSLATE_NOOP("Quillfen", "Results")};
inline constexpr UiText kProgressName{QT_TRANSLATE_NOOP("Quillfen", "Progress")};
inline constexpr UiText kStatusName{QT_TRANSLATE_NOOP("Quillfen", "Status")};

// A control's tooltip: what it does and its shortcut.
inline constexpr UiText kShortcutHint{QT_TRANSLATE_NOOP("Quillfen", "%1 (%2)")};

// The results list's context menu
inline constexpr UiText kOpenContainingFolder{
    QT_TRANSLATE_NOOP("Quillfen", "Open Containing Folder")};
inline constexpr UiText kCopyPath{QT_TRANSLATE_NOOP("Quillfen", "Copy Path")};
inline constexpr UiText kTick{QT_TRANSLATE_NOOP("Quillfen", "Tick")};
inline constexpr UiText kUntick{QT_TRANSLATE_NOOP("Quillfen", "Untick")};
inline constexpr UiText kRemove{QT_TRANSLATE_NOOP("Quillfen", "Remove")};

// The desktop's file manager
inline constexpr UiText kCannotOpenFolder{
    QT_TRANSLATE_NOOP("Quillfen", "The desktop could not open the folder %1.")};

// Samples
inline constexpr UiText kOpenSamplesQuestion{QT_TRANSLATE_NOOP(
    "Quillfen",
    "Would you like this software to open the folder where these sample files are stored (so "
    "that you can view them before working with them)?")};

// The timeline
inline constexpr UiText kTimelineName{QT_TRANSLATE_NOOP("Quillfen", "Timeline")};
inline constexpr UiText kTimelineUndated{QT_TRANSLATE_NOOP("Quillfen", "no date: %1")};
inline constexpr UiText kTimelineEmpty{
    QT_TRANSLATE_NOOP("Quillfen", "No dates to show: extract some files first")};
// A bar's tooltip: its period and how many rows fall in it.
inline constexpr UiText kTimelineBar{QT_TRANSLATE_NOOP("Quillfen", "%1: %2")};

// Failures, as the error report and warnings show them
inline constexpr UiText kCannotCreateTempFile{
    QT_TRANSLATE_NOOP("Quillfen", "Cannot create a temporary file in %1: %2")};
inline constexpr UiText kCannotStartSpreadsheet{QT_TRANSLATE_NOOP(
    "Quillfen", "Cannot start the spreadsheet application %1. The workbook is kept as %2.")};
inline constexpr UiText kSpreadsheetFailed{
    QT_TRANSLATE_NOOP("Quillfen",
                      "The spreadsheet application %1 did not open the workbook (it "
                      "ended with status %2). The workbook is kept as %3.")};
inline constexpr UiText kNoSpreadsheetFound{QT_TRANSLATE_NOOP(
    "Quillfen",
    "No spreadsheet application was found: LibreOffice (soffice or libreoffice) is not on the "
    "PATH, and the desktop names no default application for .xlsx files.")};
inline constexpr UiText kCannotStoreSetting{
    QT_TRANSLATE_NOOP("Quillfen", "Cannot store the setting \"%1\" in %2")};
inline constexpr UiText kDiskFull{QT_TRANSLATE_NOOP("Quillfen", ": the disk is full")};
inline constexpr UiText kInvalidPropertyValue{
    QT_TRANSLATE_NOOP("Quillfen", "Invalid property value")};
inline constexpr UiText kOutOfMemory{QT_TRANSLATE_NOOP("Quillfen", "Out of memory")};
inline constexpr UiText kTypeMismatch{QT_TRANSLATE_NOOP("Quillfen", "Type mismatch")};
inline constexpr UiText kOverflow{QT_TRANSLATE_NOOP("Quillfen", "Overflow")};
inline constexpr UiText kCannotCreateWorkbook{
    QT_TRANSLATE_NOOP("Quillfen", "Cannot create a workbook in %1: %2")};
inline constexpr UiText kCannotAddSheet{QT_TRANSLATE_NOOP(
    "Quillfen", "Cannot add a sheet to the workbook: no temporary file can be made in %1")};
inline constexpr UiText kWorkbookSaved{
    QT_TRANSLATE_NOOP("Quillfen", "The workbook has been saved already")};
inline constexpr UiText kCannotAddDateFormat{
    QT_TRANSLATE_NOOP("Quillfen", "Cannot add a date format to the workbook")};
inline constexpr UiText kCellOutsideSheet{QT_TRANSLATE_NOOP(
    "Quillfen",
    "The cell at row %1, column %2 lies outside the sheet, which holds %3 rows and %4 columns")};
inline constexpr UiText kCellTooHigh{
    QT_TRANSLATE_NOOP("Quillfen",
                      "The cell at row %1, column %2 cannot be set any more: the sheet is filled "
                      "from the top down and row %3 has begun")};
inline constexpr UiText kCellTextTooLong{QT_TRANSLATE_NOOP(
    "Quillfen",
    "The text for the cell at row %1, column %2 is longer than the %3 characters a cell holds")};
inline constexpr UiText kCannotSetCell{
    QT_TRANSLATE_NOOP("Quillfen", "Cannot set the cell at row %1, column %2: %3")};
inline constexpr UiText kCannotWriteWorkbook{
    QT_TRANSLATE_NOOP("Quillfen", "Cannot write the workbook %1: %2")};
inline constexpr UiText kCannotOrderTexts{QT_TRANSLATE_NOOP("Quillfen", "Cannot order texts: %1")};
inline constexpr UiText kTextTooLong{
    QT_TRANSLATE_NOOP("Quillfen", "Text too long for a list cell")};
inline constexpr UiText kIndexOutOfBounds{
    QT_TRANSLATE_NOOP("Quillfen", "Index out of bounds (%1 %2)")};

// The results' filter
inline constexpr UiText kFilterResults{QT_TRANSLATE_NOOP("Quillfen", "&Filter Results")};
inline constexpr UiText kFilterResultsHint{
    QT_TRANSLATE_NOOP("Quillfen", "Show only the results that match a path text or a date")};
inline constexpr UiText kStatusCountsFiltered{
    QT_TRANSLATE_NOOP("Quillfen", "%1 files listed, %2 of %3 rows shown, %4 ticked")};
inline constexpr UiText kFilterPathPlaceholder{
    QT_TRANSLATE_NOOP("Quillfen", "Filter by path: text, or * and ? wildcards")};
inline constexpr UiText kFilterPathHint{QT_TRANSLATE_NOOP(
    "Quillfen",
    "Shows the rows whose path contains this text, in any case. With * (any characters) and "
    "? (one character) the pattern must match the whole file name, or the whole path when it "
    "holds a /.")};
inline constexpr UiText kFilterPathName{QT_TRANSLATE_NOOP("Quillfen", "Path filter")};
inline constexpr UiText kFilterColumnHint{
    QT_TRANSLATE_NOOP("Quillfen", "The date the condition looks at")};
inline constexpr UiText kFilterAnyDate{QT_TRANSLATE_NOOP("Quillfen", "any date")};
inline constexpr UiText kFilterInTheLast{QT_TRANSLATE_NOOP("Quillfen", "in the last")};
inline constexpr UiText kFilterBefore{QT_TRANSLATE_NOOP("Quillfen", "before")};
inline constexpr UiText kFilterAfter{QT_TRANSLATE_NOOP("Quillfen", "after")};
inline constexpr UiText kFilterBetween{QT_TRANSLATE_NOOP("Quillfen", "between")};
inline constexpr UiText kFilterAnd{QT_TRANSLATE_NOOP("Quillfen", "and")};
inline constexpr UiText kFilterTestHint{
    QT_TRANSLATE_NOOP("Quillfen", "A row without this date never passes a date condition")};
inline constexpr UiText kMinutes{QT_TRANSLATE_NOOP("Quillfen", "minutes")};
inline constexpr UiText kHours{QT_TRANSLATE_NOOP("Quillfen", "hours")};
inline constexpr UiText kDays{QT_TRANSLATE_NOOP("Quillfen", "days")};
inline constexpr UiText kWeeks{QT_TRANSLATE_NOOP("Quillfen", "weeks")};
inline constexpr UiText kMonths{QT_TRANSLATE_NOOP("Quillfen", "months")};
inline constexpr UiText kFilterDateHint{QT_TRANSLATE_NOOP(
    "Quillfen", "A date, or a date and time, as %1 or as %2; the arrow opens a calendar")};
inline constexpr UiText kFilterDateInvalid{
    QT_TRANSLATE_NOOP("Quillfen", "Not a date. Type it as %1 or as %2.")};
inline constexpr UiText kFilterCalendar{QT_TRANSLATE_NOOP("Quillfen", "Pick a date")};
inline constexpr UiText kCloseFilter{
    QT_TRANSLATE_NOOP("Quillfen", "Close the filter and show every row (Esc)")};

// The timeline
inline constexpr UiText kViewMenu{QT_TRANSLATE_NOOP("Quillfen", "&View")};
inline constexpr UiText kTimelineEntry{QT_TRANSLATE_NOOP("Quillfen", "&Timeline")};
inline constexpr UiText kTimelineOf{QT_TRANSLATE_NOOP("Quillfen", "Timeline of")};
inline constexpr UiText kTimelineColumnHint{
    QT_TRANSLATE_NOOP("Quillfen", "The date the timeline counts")};
inline constexpr UiText kTimelineHint{QT_TRANSLATE_NOOP(
    "Quillfen",
    "How many rows fall in each period. Click a bar, or drag over several, to show only "
    "their rows.")};

// Snapshots and their comparison in the window
inline constexpr UiText kSaveSnapshot{QT_TRANSLATE_NOOP("Quillfen", "Save S&napshot…")};
inline constexpr UiText kSaveSnapshotHint{QT_TRANSLATE_NOOP(
    "Quillfen", "Save every result row with its dates, to compare the files with later")};
inline constexpr UiText kCompareWithSnapshot{
    QT_TRANSLATE_NOOP("Quillfen", "Co&mpare With Snapshot…")};
inline constexpr UiText kCompareWithSnapshotHint{QT_TRANSLATE_NOOP(
    "Quillfen", "Show which results were added, removed or changed since a snapshot")};
inline constexpr UiText kSnapshotSaveTitle{QT_TRANSLATE_NOOP("Quillfen", "Save Snapshot")};
inline constexpr UiText kSnapshotSaveFilter{
    QT_TRANSLATE_NOOP("Quillfen", "Snapshots (*.jsonl)|*.jsonl|All Files (*.*)|*.*|")};
inline constexpr UiText kSnapshotOpenTitle{QT_TRANSLATE_NOOP("Quillfen", "Compare With Snapshot")};
inline constexpr UiText kSnapshotOpenFilter{QT_TRANSLATE_NOOP(
    "Quillfen", "Snapshots and listings (*.jsonl *.csv)|*.jsonl;*.csv|All Files (*.*)|*.*|")};
inline constexpr UiText kNoResultsToSnapshot{QT_TRANSLATE_NOOP(
    "Quillfen", "There are no results yet. Extract the dates first, then save a snapshot.")};
inline constexpr UiText kNoResultsToCompare{QT_TRANSLATE_NOOP(
    "Quillfen",
    "There are no results yet. Extract the dates first, then compare them with a snapshot.")};
inline constexpr UiText kSnapshotSaved{
    QT_TRANSLATE_NOOP("Quillfen", "Saved a snapshot of %1 to %2")};
inline constexpr UiText kReadingSnapshot{QT_TRANSLATE_NOOP("Quillfen", "Reading snapshot: ")};
inline constexpr UiText kComparedWith{QT_TRANSLATE_NOOP(
    "Quillfen", "Compared with %1: %2 added, %3 removed, %4 changed, %5 unchanged")};
inline constexpr UiText kStoppedComparing{
    QT_TRANSLATE_NOOP("Quillfen", "Stopped; the results were not compared")};
inline constexpr UiText kResultsChangedWhileComparing{QT_TRANSLATE_NOOP(
    "Quillfen", "The results changed while they were being compared; compare them again.")};
inline constexpr UiText kValueBefore{QT_TRANSLATE_NOOP("Quillfen", "In the snapshot: %1")};
inline constexpr UiText kNoValueBefore{QT_TRANSLATE_NOOP("Quillfen", "In the snapshot: no date")};
inline constexpr UiText kFilterEveryRow{QT_TRANSLATE_NOOP("Quillfen", "all rows")};
inline constexpr UiText kFilterDiffering{
    QT_TRANSLATE_NOOP("Quillfen", "added, removed or changed")};
inline constexpr UiText kFilterAdded{QT_TRANSLATE_NOOP("Quillfen", "added")};
inline constexpr UiText kFilterRemoved{QT_TRANSLATE_NOOP("Quillfen", "removed")};
inline constexpr UiText kFilterChanged{QT_TRANSLATE_NOOP("Quillfen", "changed")};
inline constexpr UiText kFilterUnchanged{QT_TRANSLATE_NOOP("Quillfen", "unchanged")};
inline constexpr UiText kFilterChangeHint{
    QT_TRANSLATE_NOOP("Quillfen", "Show only the rows with this change since the snapshot")};

} // namespace quillfen::texts
