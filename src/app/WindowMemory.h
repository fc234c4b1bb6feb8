#pragma once

// Layer app: the main window and start-up; uses commands and the layers below.

#include "desktop/RowModel.h"

#include <QMap>
#include <QSize>
#include <QString>

#include <optional>

class QMainWindow;
class QSplitter;

namespace quillfen {

class ResultsColumns;
class SettingsStore;

// What the window remembers of itself from one run to the next: its size and place (where
// the desktop lets a program place its window), the split between the two lists, the widths
// the user gave the results' columns and the results' sort. It lives in a section of its own
// in the settings file, beside the program's other settings, and is written when the window
// closes; a value that cannot be read is passed over, and one that cannot be written is lost
// without a word, as it is only a convenience.
class WindowMemory {
public:
    // The sort, by column id, that the next extraction's results take.
    struct Sort {
        int columnId;
        Qt::SortOrder order;
    };

    WindowMemory(SettingsStore& store, QMainWindow& window, QSplitter& splitter,
                 ResultsColumns& columns);

    // Whether a size was remembered; the window then takes it, else its default.
    bool restore();
    // The window's first size: the one it had last time, or else `arrangement`; within the
    // screen, and never smaller than its layouts need.
    void restoreOrFit(QSize arrangement);
    // Writes what the window is now, with the results' sort when they are sorted.
    void save(const RowModel& results);
    std::optional<Sort> sort() const { return m_sort; }

private:
    QString get(const QString& key) const;
    void set(const QString& key, const QString& value);

    SettingsStore& m_store;
    QMainWindow& m_window;
    QSplitter& m_splitter;
    ResultsColumns& m_columns;
    std::optional<Sort> m_sort;
};

// The remembered widths as "id:width,id:width", and back; a part that does not read is left out.
QString widthsText(const QMap<int, int>& widths);
QMap<int, int> widthsFromText(const QString& text);

} // namespace quillfen
