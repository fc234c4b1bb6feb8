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
inline const QString kCopied = QStringLiteral(
    "Results have been copied to the clipboard.\r\rClick a text area where you normally type and "
    "press Ctrl+V to paste the clipboard.");

// Spreadsheet
inline const QString kNoSpreadsheetApp = QStringLiteral(
    "Excel is not installed on this computer. You need to have it installed to use this "
    "software without error.");
inline const QString kNoSpreadsheetForFeature = QStringLiteral(
    "Excel is not installed on this computer. You need to have it installed to use this "
    "feature.");

// Samples
inline const QString kOpenSamplesQuestion = QStringLiteral(
    "Would you like this software to open the folder where these sample files are stored (so "
    "that you can view them before working with them)?");

} // namespace quillfen::texts
