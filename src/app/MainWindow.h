#pragma once

// Layer app: the main window and start-up; uses commands and the layers below.

#include "commands/WindowContext.h"
#include "desktop/DateBox.h"
#include "desktop/StatusBar.h"

#include <QCursor>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QGroupBox;
class QPushButton;
class QMimeData;
class QMenu;
class QShortcut;

namespace quillfen {

class ExtractionRun;
class ReorderGesture;

// The main window. It lays out the controls, runs start-up, owns the pointer and busy state,
// and connects each control event to the command that lives in the commands layer, which
// works on the window through WindowContext.
class MainWindow final : public QWidget, public WindowContext {
    Q_OBJECT

public:
    // Runs start-up before it returns; show() the window afterwards.
    explicit MainWindow(Platform platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // WindowContext
    ListControl& fileList() override { return *m_fileList; }
    ListControl& resultsList() override { return *m_resultsList; }
    ProgressBar& progressBar() override { return *m_progressBar; }
    int dateBoxValue(StampKind kind) const override { return dateBox(kind)->value(); }
    WindowPointer pointer() const override { return m_pointer; }
    void setPointer(WindowPointer pointer) override;
    Platform& platform() override { return m_platform; }
    QString appTitle() const override { return m_appTitle; }
    void yield() override;
    void showSummary(const QString& line) override;

    bool hasCustomPointerImage() const { return m_customCursor.has_value(); }

    // The controls, for whatever drives the window as a user would (tests, the benchmark).
    DateBox* dateBox(StampKind kind) const { return m_dateBoxes[static_cast<size_t>(kind)]; }
    QGroupBox* optionFrame() const { return m_optionFrame; }
    QPushButton* addFilesButton() const { return m_addFilesButton; }
    QPushButton* addFolderButton() const { return m_addFolderButton; }
    QPushButton* clearListButton() const { return m_clearListButton; }
    QPushButton* samplesButton() const { return m_samplesButton; }
    QPushButton* startButton() const { return m_startButton; }
    QPushButton* saveTextButton() const { return m_saveTextButton; }
    QPushButton* saveWorkbookButton() const { return m_saveWorkbookButton; }
    QPushButton* copyButton() const { return m_copyButton; }
    QPushButton* clearResultsButton() const { return m_clearResultsButton; }
    StatusBar* statusBar() const { return m_statusBar; }
    QMenu* resultsMenu() const { return m_resultsMenu; }
    // What the Stop button and Escape do: the running long command ends at its next yield.
    void requestStop();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    // The steps that run once before the window is first shown, each reported on its own.
    void startUp();
    QPushButton* makeButton(const QString& caption, int left, int top, int width);
    // Places a control of the window at its default position, given in twips.
    void placeControl(QWidget* widget, int left, int top, int width, int height);
    // Runs a handler; a closed window unwinds out of it and ends here.
    template <class Handler> void handle(Handler&& handler);
    // The same for a long command, which the Stop button and Escape can end meanwhile.
    template <class Command> void handleStoppable(Command&& command);
    void refreshCounts();
    void createResultsMenu();
    // The Tab order and the shortcuts of the buttons.
    void setKeyboardOrder();
    // The first size: the arrangement's, within the screen, which may take height from the
    // lists.
    void fitToScreen();
    void storeDateBox(StampKind kind);
    // The hover rule: over a button the hand, elsewhere the arrow, never while busy.
    void hoverPointer(WindowPointer pointer);
    void dropOnFileList(const QStringList& paths);

    // In the window's order, which is also the tab order.
    ListControl* m_fileList = nullptr;
    QGroupBox* m_optionFrame = nullptr;
    std::array<DateBox*, 3> m_dateBoxes{}; // by StampKind
    ListControl* m_resultsList = nullptr;
    QPushButton* m_saveTextButton = nullptr;
    QPushButton* m_saveWorkbookButton = nullptr;
    ProgressBar* m_progressBar = nullptr;
    QPushButton* m_addFilesButton = nullptr;
    QPushButton* m_addFolderButton = nullptr;
    QPushButton* m_startButton = nullptr;
    QPushButton* m_clearResultsButton = nullptr;
    QPushButton* m_copyButton = nullptr;
    QPushButton* m_clearListButton = nullptr;
    QPushButton* m_samplesButton = nullptr;
    StatusBar* m_statusBar = nullptr;
    QShortcut* m_escape = nullptr;
    QMenu* m_resultsMenu = nullptr;
    QTimer m_countsTimer;

    struct Placed {
        QWidget* widget;
        QRect defaultGeometry; // in pixels, at the window's default size
    };
    std::vector<Placed> m_layout;

    Platform m_platform;
    QString m_appTitle;
    WindowPointer m_pointer = WindowPointer::Default;
    std::optional<QCursor> m_customCursor;
    bool m_closed = false;
    int m_stoppable = 0; // long commands running, nested
    bool m_stopRequested = false;
    std::unique_ptr<ExtractionRun> m_extraction;
    std::unique_ptr<ReorderGesture> m_gesture;
};

} // namespace quillfen
