#pragma once

// Layer app: the main window and start-up; uses commands and the layers below.

#include "files/FileTimes.h"

#include <array>

class QComboBox;
class QGroupBox;
class QPushButton;
class QSplitter;
class QWidget;

namespace quillfen {

class DateBox;
class FilterBar;
class ListControl;
class ProgressBar;
class StatusBar;
class TimelineChart;

// The controls of the main window, laid out in the client area. At the default size each
// stands where the window's layout table puts it (positions in twips, 15 to a pixel at
// 96 dpi); a larger window widens the full-width controls and both halves of each pair and
// gives the extra height to the two lists, which share it through a splitter the user can
// drag; a smaller one takes it from the lists, down to a few rows each. The controls belong to
// the widget they are made in.
struct WindowControls {
    QWidget* client; // the widget they are made in
    ListControl* fileList;
    QPushButton* addFilesButton;
    QPushButton* addFolderButton;
    QPushButton* clearListButton;
    QPushButton* samplesButton;
    QGroupBox* optionFrame;
    std::array<DateBox*, 3> dateBoxes; // by StampKind
    QPushButton* startButton;
    QSplitter* splitter;  // between the file list's half and the results' half
    FilterBar* filterBar; // over the results, hidden until asked for
    ListControl* resultsList;
    QWidget* timelinePanel; // under the results, hidden until asked for: the chooser and chart
    QComboBox* timelineColumn;
    TimelineChart* timeline;
    QPushButton* saveTextButton;
    QPushButton* saveWorkbookButton;
    QPushButton* copyButton;
    QPushButton* clearResultsButton;
    ProgressBar* progressBar;
    StatusBar* statusBar;

    // Makes the controls in `client` and lays them out.
    static WindowControls create(QWidget* client);

    DateBox* dateBox(StampKind kind) const { return dateBoxes[static_cast<std::size_t>(kind)]; }
};

struct WindowActions;

// Tab goes through the window as it reads: top to bottom, left to right.
void setKeyboardOrder(const WindowControls& controls);
// Tooltips that say what each control does and name its shortcut, and names for assistive
// technology.
void describeControls(const WindowControls& controls, const WindowActions& actions);

// The client area's size at the default arrangement, in pixels.
inline constexpr int kClientWidthTwips = 8040;
inline constexpr int kClientHeightTwips = 9870; // the table's 9270 and the status bar

} // namespace quillfen
