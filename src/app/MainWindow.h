#pragma once

// Layer app: the main window and start-up; uses commands and the layers below.

#include "app/CommandRunner.h"
#include "app/WindowActions.h"
#include "app/WindowControls.h"
#include "commands/CommandContext.h"
#include "commands/ExtractionRun.h"
#include "desktop/DateBox.h"
#include "desktop/ListControl.h"
#include "desktop/Platform.h"
#include "desktop/ProgressBar.h"
#include "desktop/StatusBar.h"

#include <QCursor>
#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>

class QGroupBox;
class QMenu;
class QMimeData;
class QPushButton;
class QShortcut;

namespace quillfen {

class ReorderGesture;
class ResultsColumns;
class ResultsView;
class WindowMemory;

// The main window. It lays out the controls and the menus, runs start-up, owns the pointer,
// the busy state and the long commands' Stop, and connects each control and menu entry to its
// command in the commands layer, which sees only the window's models (the Workspace), the
// desktop services it uses, and the window as a CommandSession, StatusSink and DateChoice.
class MainWindow final : public QMainWindow,
                         public CommandSession,
                         public StatusSink,
                         public DateChoice {
    Q_OBJECT

public:
    // Runs start-up before it returns; show() the window afterwards.
    explicit MainWindow(Platform platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // CommandSession
    void yield() override;
    quint64 eventRounds() const override { return m_platform.yield->rounds(); }
    WindowPointer pointer() const override { return m_pointer; }
    void setPointer(WindowPointer pointer) override;
    // StatusSink
    void showSummary(const QString& line) override;
    // DateChoice
    Qt::CheckState dateChoice(StampKind kind) const override;

    Workspace& workspace() { return m_work; }
    Platform& platform() { return m_platform; }
    // The caption of boxes that name none of their own.
    QString appTitle() const { return m_appTitle; }
    bool hasCustomPointerImage() const { return m_customCursor.has_value(); }
    // For start-up: the short title, and the image of the custom pointer.
    void setAppTitle(const QString& title) { m_appTitle = title; }
    void setCustomPointerImage(const QCursor& cursor) { m_customCursor = cursor; }

    // The controls, for whatever drives the window as a user would (tests, the benchmark).
    ListControl& fileList() { return *m_controls.fileList; }
    ListControl& resultsList() { return *m_controls.resultsList; }
    ProgressBar& progressBar() { return *m_controls.progressBar; }
    DateBox* dateBox(StampKind kind) const { return m_controls.dateBox(kind); }
    QGroupBox* optionFrame() const { return m_controls.optionFrame; }
    QPushButton* addFilesButton() const { return m_controls.addFilesButton; }
    QPushButton* addFolderButton() const { return m_controls.addFolderButton; }
    QPushButton* clearListButton() const { return m_controls.clearListButton; }
    QPushButton* samplesButton() const { return m_controls.samplesButton; }
    QPushButton* startButton() const { return m_controls.startButton; }
    QPushButton* saveTextButton() const { return m_controls.saveTextButton; }
    QPushButton* saveWorkbookButton() const { return m_controls.saveWorkbookButton; }
    QPushButton* copyButton() const { return m_controls.copyButton; }
    QPushButton* clearResultsButton() const { return m_controls.clearResultsButton; }
    StatusBar* statusBar() const { return m_controls.statusBar; }
    QSplitter* splitter() const { return m_controls.splitter; }
    const WindowActions& actions() const { return m_actions; }
    QMenu* resultsMenu() const { return m_resultsMenu; }
    FilterBar* filterBar() const { return m_controls.filterBar; }
    TimelineChart* timeline() const { return m_controls.timeline; }
    ResultsView& resultsView() { return *m_view; }

    // Adds `paths` as a drop of them on the file list does (quillfen PATH...): a file as it is,
    // a folder with all its files. Taken from the event loop, after what is queued before.
    void openPaths(const QStringList& paths);

    // What the Stop button and Escape do: the running long command ends at its next yield.
    void requestStop();
    // The file list's double-click: removes the current entry.
    void removeCurrentFile();
    // The keys of the results list: Delete removes the selected rows, Space ticks them (or
    // unticks them when the current row is ticked).
    void resultsKeyPressed(int key, Qt::KeyboardModifiers modifiers);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectButtons();
    void connectLists();
    void createResultsMenu();
    void refreshCounts();
    // The hover rule: over a button the hand, elsewhere the arrow, never while busy.
    void hoverPointer(WindowPointer pointer);
    void extract();
    // The list the Edit menu works on: the one last focused, the results when neither was.
    ListControl& editedList();
    void removeSelected(ListControl& list);
    void selectAll();
    void tickSelected(bool ticked);

    Platform m_platform;
    QString m_appTitle;
    WindowControls m_controls;
    WindowActions m_actions;
    Messages m_messages;
    CommandRunner m_runner;
    Workspace m_work;
    QMenu* m_resultsMenu = nullptr;
    QTimer m_countsTimer;
    WindowPointer m_pointer = WindowPointer::Default;
    std::optional<QCursor> m_customCursor;
    bool m_sortRestored = false; // the remembered sort was given to an extraction
    ListControl* m_lastFocusedList = nullptr;
    QMetaObject::Connection m_focusWatch;
    ExtractionRun m_extraction;
    std::unique_ptr<ReorderGesture> m_gesture;
    std::unique_ptr<ResultsColumns> m_columns;
    std::unique_ptr<WindowMemory> m_memory;
    std::unique_ptr<ResultsView> m_view;
};

} // namespace quillfen
