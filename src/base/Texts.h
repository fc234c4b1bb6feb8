#pragma once

// Layer base: shared by every layer; uses Qt Core only.

#include <QString>

// The program's own texts, each in one place.
namespace quillfen::texts {

inline const QString kProductTitle = QStringLiteral("Quillfen");
inline const QString kErrorCaption = QStringLiteral("Application Error");

// Window
inline const QString kFileListHeader = QStringLiteral("File(s)");
inline const QString kFileListHint = QStringLiteral(
    "Drag and drop files here. Double-click item to remove it. Move | line to right and out of "
    "window to reveal full names.");
inline const QString kResultsHint =
    QStringLiteral("Move | line to right and out of window to reveal full names.");
inline const QString kOptionFrame = QStringLiteral("Option");
inline const QString kModified = QStringLiteral("Modified");
inline const QString kCreated = QStringLiteral("Created");
inline const QString kAccessed = QStringLiteral("Accessed");
inline const QString kProgressAtRest = QStringLiteral("Progress Bar");

inline const QString kSaveTextButton = QStringLiteral("Save Results As Text File");
inline const QString kSaveExcelButton = QStringLiteral("Save Results As Excel File");
inline const QString kAddFilesButton = QStringLiteral("Add File(s)");
inline const QString kAddFolderButton = QStringLiteral("Add All File(s) In Folder");
inline const QString kStartButton = QStringLiteral("Start Extracting");
inline const QString kClearResultsButton = QStringLiteral("Clear Results");
inline const QString kCopyButton = QStringLiteral("Copy Results To Clipboard");
inline const QString kClearListButton = QStringLiteral("Clear List");
inline const QString kSamplesButton = QStringLiteral("Load Sample/Example Files");

// Files beside the executable
inline const QString kHandPointerFile = QStringLiteral("HAND-M.CUR");
inline const QString kDragPointerFile = QStringLiteral("drag.ico");
inline const QString kSamplesFolder = QStringLiteral("Samples");

// Results list columns
inline const QString kFilenameColumn = QStringLiteral("Filename");
inline const QString kDateModifiedColumn = QStringLiteral("Date Modified");
inline const QString kDateCreatedColumn = QStringLiteral("Date Created");
inline const QString kDateAccessedColumn = QStringLiteral("Date Accessed");

// Adding files
inline const QString kAddFilesTitle =
    QStringLiteral("Add File(s) - Hold Ctrl to select multiple files");
inline const QString kAllFilesFilter = QStringLiteral("All Files (*.*)|*.*|");
inline const QString kTooManyFiles = QStringLiteral(
    "You've selected too many files to add.\r\rPlease try adding via the \"Add All\" button.");

// Folder scan
inline const QString kExtensionPrompt = QStringLiteral(
    "Enter file extension to load:\r\r(* for all files, txt for all txt files, doc for all doc "
    "files, etc.)");
inline const QString kFolderPrompt = QStringLiteral("Please select folder:");

// Extraction run
inline const QString kProcessing = QStringLiteral("Processing: ");
inline const QString kDone = QStringLiteral("Done.");
inline const QString kNoFilesAdded = QStringLiteral("No files added.");

// Text report
inline const QString kSaveTitle = QStringLiteral("Save");
inline const QString kSaveFilter = QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|");
inline const QString kWritingFile = QStringLiteral("Writing file: ");
inline const QString kResultsChangedWhileSaving =
    QStringLiteral("The results changed while they were being saved, so the file was not written.");

// Clipboard
inline const QString kCopiedMessage = QStringLiteral(
    "Results have been copied to the clipboard.\r\rClick a text area where you normally type and "
    "press Ctrl+V to paste the clipboard.");

// Spreadsheet
inline const QString kNoSpreadsheetApp = QStringLiteral(
    "Excel is not installed on this computer. You need to have it installed to use this "
    "software without error.");
inline const QString kNoSpreadsheetForFeature = QStringLiteral(
    "Excel is not installed on this computer. You need to have it installed to use this "
    "feature.");

// Status bar: the counts, and one line of what the last command did. Counted words come as
// their one and many forms.
inline const QString kStatusCounts = QStringLiteral("%1 files listed, %2 result rows, %3 ticked");
inline const QString kStopButton = QStringLiteral("Stop");
inline const QString kStopHint = QStringLiteral("Stop the running command (Esc)");
inline const QString kFileOne = QStringLiteral("file");
inline const QString kFileMany = QStringLiteral("files");
inline const QString kFolderOne = QStringLiteral("folder");
inline const QString kFolderMany = QStringLiteral("folders");
inline const QString kRowOne = QStringLiteral("row");
inline const QString kRowMany = QStringLiteral("rows");
inline const QString kAddedFiles = QStringLiteral("Added %1");
inline const QString kAddedFilesFromFolders = QStringLiteral("Added %1 from %2");
inline const QString kHiddenFileOne = QStringLiteral("hidden file");
inline const QString kHiddenFileMany = QStringLiteral("hidden files");
inline const QString kUnreadableFolderOne = QStringLiteral("folder that could not be read");
inline const QString kUnreadableFolderMany = QStringLiteral("folders that could not be read");
inline const QString kSkipped = QStringLiteral("; skipped %1");
inline const QString kAnd = QStringLiteral(" and ");
inline const QString kStoppedAdding = QStringLiteral("Stopped; added %1 so far");
inline const QString kExtracted = QStringLiteral("Extracted %1");
inline const QString kNotFoundOne = QStringLiteral("; 1 file was not found or could not be read");
inline const QString kNotFoundMany =
    QStringLiteral("; %1 files were not found or could not be read");
inline const QString kStoppedExtracting = QStringLiteral("Stopped after %1 of %2");
inline const QString kSaved = QStringLiteral("Saved %1 to %2");
inline const QString kNotSaved = QStringLiteral("%1 was not saved");
inline const QString kStoppedSaving = QStringLiteral("Stopped; %1 was not written");
inline const QString kCopiedRows = QStringLiteral("Copied %1 to the clipboard");
inline const QString kStoppedCopying = QStringLiteral("Stopped; nothing was copied");
inline const QString kOpenedWorkbook = QStringLiteral("Opened %1 in a new workbook");
inline const QString kStoppedExporting = QStringLiteral("Stopped; no workbook was opened");
inline const QString kClearedList = QStringLiteral("Cleared the file list");
inline const QString kClearedResults = QStringLiteral("Cleared the results");
inline const QString kSortedBy = QStringLiteral("Sorted by %1, %2");
inline const QString kAToZ = QStringLiteral("A to Z");
inline const QString kZToA = QStringLiteral("Z to A");
inline const QString kOldestFirst = QStringLiteral("oldest first");
inline const QString kNewestFirst = QStringLiteral("newest first");

// A button's tooltip: its caption and its shortcut.
inline const QString kShortcutHint = QStringLiteral("%1 (%2)");

// The results list's context menu
inline const QString kOpenContainingFolder = QStringLiteral("Open Containing Folder");
inline const QString kCopyPath = QStringLiteral("Copy Path");
inline const QString kTick = QStringLiteral("Tick");
inline const QString kUntick = QStringLiteral("Untick");
inline const QString kRemove = QStringLiteral("Remove");

// Samples
inline const QString kOpenSamplesQuestion = QStringLiteral(
    "Would you like this software to open the folder where these sample files are stored (so "
    "that you can view them before working with them)?");

} // namespace quillfen::texts
