#pragma once

// Layer commands: what the window's controls do; uses desktop, files, dates, table and base.

#include <QString>

namespace quillfen {

class SettingsStore;
class Shell;
class TextTable;
struct Workspace;

// The sample files that come with the program, in the "Samples" folder beside it.

// The sample folder of a program whose own files are in `programFilesFolder`, without a
// trailing separator.
QString sampleFolder(const QString& programFilesFolder);

// Records the full paths of the files in the sample folder, in listing order and joined with
// "|", as the setting "Snapshot". An empty or missing folder records an empty list, so the
// next start tries again.
void recordSampleFiles(SettingsStore& settings, const QString& programFilesFolder);

// What loading the samples asks of the desktop.
struct SampleServices {
    SettingsStore& settings;
    Shell& shell;
    QString programFilesFolder;
};

// "Load Sample/Example Files": appendSampleFiles() with its own error report.
void loadSampleFiles(Workspace& work, const SampleServices& services);

// Appends to the file list the recorded sample files that still exist and are not listed yet,
// then asks whether to open the sample folder (every time, also when nothing was added).
void appendSampleFiles(Workspace& work, const SampleServices& services);

// True when some entry of the list has exactly this text (case-sensitive).
bool listContainsText(const TextTable& list, const QString& text);

} // namespace quillfen
