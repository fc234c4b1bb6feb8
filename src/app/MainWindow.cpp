#include "app/MainWindow.h"

#include "app/ResultsView.h"
#include "app/StartUp.h"
#include "app/WindowMemory.h"
#include "base/BuildSettings.h"
#include "base/Paths.h"
#include "base/Settings.h"
#include "base/Texts.h"
#include "commands/ClipboardCommand.h"
#include "commands/ErrorReport.h"
#include "commands/FileListCommands.h"
#include "commands/FolderCommands.h"
#include "commands/ResultsCommands.h"
#include "commands/SampleFiles.h"
#include "commands/SnapshotSave.h"
#include "commands/SpreadsheetExportCommand.h"
#include "commands/TextReportCommand.h"
#include "desktop/ReorderGesture.h"
#include "desktop/ResultsColumns.h"
#include "desktop/Twips.h"
#include "desktop/WindowStyle.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSplitter>

#include <functional>

namespace quillfen {

namespace {

constexpr int kCountsRefreshMs = 250;

} // namespace

MainWindow::MainWindow(Platform platform, QWidget* parent)
    : QMainWindow(parent)
    , m_platform(std::move(platform))
    , m_appTitle(texts::kProductTitle)
    , m_controls(WindowControls::create(new QWidget))
    , m_actions(WindowActions::create(*this))
    , m_messages(*m_platform.messages, m_appTitle)
    , m_runner(*this, *m_controls.statusBar, [this] { refreshCounts(); })
    , m_work{m_controls.fileList->rows(),
             m_controls.resultsList->rows(),
             *this,
             *m_controls.progressBar,
             *this,
             m_messages}
{
    setCentralWidget(m_controls.client);
    setPalette(style::lightPalette());
    setFont(style::windowFont());
    centralWidget()->setAutoFillBackground(true);
    centralWidget()->setMouseTracking(true);
    m_controls.fileList->setToolTip(texts::kFileListHint());
    m_controls.fileList->setAcceptsFileDrops(true);
    m_controls.fileList->allowSeveralSelected();
    m_controls.resultsList->setToolTip(texts::kResultsHint());
    m_controls.resultsList->allowSeveralSelected();
    m_controls.resultsList->allowHeaderSorting();
    m_controls.progressBar->setCaption(texts::kProgressAtRest());
    m_gesture = std::make_unique<ReorderGesture>(
        *m_controls.fileList, joinPath(m_platform.programFilesFolder, texts::kDragPointerFile));
    m_columns = std::make_unique<ResultsColumns>(
        *m_controls.resultsList, [this](int id, const QString& header) {
            const ListControl& list = *m_controls.resultsList;
            return id == kChangeColumnId
                ? columnWidthFor(list, header, m_view->comparison().changeWords())
                : dateColumnWidth(list, header);
        });
    m_view = std::make_unique<ResultsView>(m_controls, m_actions, m_work.results,
                                           [this] { refreshCounts(); });
    m_memory = std::make_unique<WindowMemory>(*m_platform.settings, *this, *m_controls.splitter,
                                              *m_columns);
    connectButtons();
    connectLists();
    storeDateBoxChanges(*this);
    setKeyboardOrder(m_controls);
    describeControls(m_controls, m_actions);
    runStartUp(*this);
    const QSize client(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    m_memory->restoreOrFit(client + QSize(0, menuBar()->sizeHint().height()));
}

MainWindow::~MainWindow()
{
    // Focus moves while the controls go, after this object is no main window any more.
    disconnect(m_focusWatch);
}

void MainWindow::connectButtons()
{
    Platform& p = m_platform;
    // Each command as a button and a menu entry; the long ones can be stopped.
    const struct {
        QPushButton* button;
        QAction* action;
        std::function<void()> command;
        bool stoppable;
    } commands[] = {
        {m_controls.saveTextButton, m_actions.saveText,
         [this, &p] { saveResultsAsText(m_work, *p.fileDialogs); }, true},
        {m_controls.copyButton, m_actions.copyResults,
         [this, &p] { copyResultsToClipboard(m_work, *p.clipboard); }, true},
        {m_controls.startButton, m_actions.startExtracting, [this] { extract(); }, true},
        {m_controls.addFolderButton, m_actions.addFolder,
         [this, &p] {
             addFolder(m_work, {*p.input, *p.folderBrowser, *p.settings});
         },
         true},
        {m_controls.clearResultsButton, m_actions.clearResults, [this] { clearResults(m_work); },
         false},
        {m_controls.addFilesButton, m_actions.addFiles,
         [this, &p] { addFiles(m_work, *p.fileDialogs); }, false},
        {m_controls.clearListButton, m_actions.clearList, [this] { clearList(m_work); }, false},
        {m_controls.samplesButton, m_actions.loadSamples,
         [this, &p] {
             loadSampleFiles(m_work, {*p.settings, *p.shell, p.programFilesFolder});
         },
         false},
        {m_controls.saveWorkbookButton, m_actions.saveWorkbook,
         [this, &p] { exportResultsToSpreadsheet(m_work, p.spreadsheet.get()); }, true},
        {nullptr, m_actions.saveSnapshot, [this, &p] { saveSnapshot(m_work, *p.fileDialogs); },
         true},
        {nullptr, m_actions.compareSnapshot,
         [this, &p] { m_view->compareWithSnapshot(m_work, *p.fileDialogs); }, true}};
    for (const auto& [button, action, command, stoppable] : commands) {
        const auto run = [this, command = command, stoppable = stoppable] {
            if (stoppable)
                m_runner.runStoppable(command);
            else
                m_runner.run(command);
            refreshCounts();
        };
        connect(action, &QAction::triggered, this, run);
        if (button != nullptr) {
            connect(button, &QPushButton::clicked, this, run);
            button->installEventFilter(this); // the hover pointer
        }
    }
    const std::pair<QAction*, std::function<void()>> edits[] = {
        {m_actions.selectAll, [this] { selectAll(); }},
        {m_actions.tick, [this] { tickSelected(true); }},
        {m_actions.untick, [this] { tickSelected(false); }},
        {m_actions.remove, [this] { removeSelected(editedList()); }},
        {m_actions.quit, [this] { close(); }},
        {m_actions.manual, [this] { m_platform.help->showManual(); }},
        {m_actions.about, [this] {
             m_platform.help->showAbout(
                 texts::kAboutTitle(),
                 texts::kAboutText().arg(QLatin1String(build::kVersion),
                                         QLatin1String(build::kSupportAddress)));
         }}};
    for (const auto& [action, edit] : edits) {
        connect(action, &QAction::triggered, this, [this, edit = edit] {
            m_runner.run(edit);
            refreshCounts();
        });
    }
    // Rows reach the lists in blocks while commands yield; the counts follow a few times a
    // second rather than per row.
    m_countsTimer.setInterval(kCountsRefreshMs);
    connect(&m_countsTimer, &QTimer::timeout, this, &MainWindow::refreshCounts);
    m_countsTimer.start();
}

void MainWindow::connectLists()
{
    ListControl* files = m_controls.fileList;
    ListControl* results = m_controls.resultsList;
    connect(files, &ListControl::doubleClickedRow, this, &MainWindow::removeCurrentFile);
    // The drop is taken at once and walked from the event loop, so the program the drag came
    // from does not wait for the scan; the paths are read now, while the dragged data lives.
    connect(files, &ListControl::dropped, this,
            [this](const QMimeData* dropped) { openPaths(droppedPaths(*dropped)); });
    connect(results, &ListControl::keyDown, this, &MainWindow::resultsKeyPressed);
    connect(files, &ListControl::keyDown, this, [this](int key, Qt::KeyboardModifiers) {
        if (key == Qt::Key_Delete)
            removeSelected(*m_controls.fileList);
    });
    connect(results, &ListControl::headerClicked, this,
            [this](int column) { m_runner.runStoppable([&] { sortResults(m_work, column); }); });
    createResultsMenu();
    connect(results, &ListControl::customContextMenuRequested, this, [this](QPoint at) {
        if (m_work.results.rows() > 0)
            m_resultsMenu->popup(m_controls.resultsList->viewport()->mapToGlobal(at));
    });
    connect(files, &ListControl::moved, this, [this] { hoverPointer(WindowPointer::Default); });
    connect(results, &ListControl::moved, this, [this] { hoverPointer(WindowPointer::Default); });
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (ListControl* list : {m_controls.fileList, m_controls.resultsList}) {
            if (now == list)
                m_lastFocusedList = list;
        }
    });
    m_controls.optionFrame->installEventFilter(this);
    centralWidget()->installEventFilter(this);
}

void MainWindow::openPaths(const QStringList& paths)
{
    QMetaObject::invokeMethod(
        this,
        [this, paths] {
            m_runner.runStoppable([&] {
                try {
                    dropPaths(m_work, paths);
                } catch (const std::exception&) {
                    // The drop has no report of its own; what was appended stays.
                }
            });
        },
        Qt::QueuedConnection);
}

void MainWindow::createResultsMenu()
{
    m_resultsMenu = new QMenu(this);
    ListControl& list = *m_controls.resultsList;
    const std::pair<const UiText&, std::function<void()>> actions[] = {
        {texts::kOpenContainingFolder,
         [this, &list] { openContainingFolder(m_work, *m_platform.shell, list.selectedRow()); }},
        {texts::kCopyPath,
         [this, &list] { copyResultPaths(m_work, *m_platform.clipboard, list.selectedRows()); }},
        {texts::kTick, [this] { tickSelected(true); }},
        {texts::kUntick, [this] { tickSelected(false); }},
        {texts::kRemove, [this, &list] { removeSelected(list); }}};
    for (const auto& [caption, action] : actions) {
        connect(m_resultsMenu->addAction(caption()), &QAction::triggered, this,
                [this, action = action] {
                    m_runner.run(action);
                    refreshCounts();
                });
    }
}

void MainWindow::extract()
{
    m_extraction.run(m_work, *this);
    m_view->columnsChanged();
    // The sort the results had when the program last ended is taken by the first extraction
    // after it starts.
    const auto remembered = m_memory->sort();
    if (remembered && !m_sortRestored && m_work.results.rows() > 0) {
        m_sortRestored = true;
        const int column = m_work.results.columnWithId(remembered->columnId);
        if (column >= 0)
            sortResults(m_work, column, remembered->order);
    }
}

void MainWindow::setPointer(WindowPointer pointer)
{
    // Long operations set the hourglass once per row; the desktop needs telling only once.
    if (pointer == m_pointer && testAttribute(Qt::WA_SetCursor))
        return;
    m_pointer = pointer;
    switch (pointer) {
    case WindowPointer::Default:
        setCursor(Qt::ArrowCursor);
        break;
    case WindowPointer::Hourglass:
        setCursor(Qt::WaitCursor);
        break;
    case WindowPointer::Custom:
        // Without the hand image the custom pointer is the arrow.
        setCursor(m_customCursor.value_or(QCursor(Qt::ArrowCursor)));
        break;
    }
}

void MainWindow::hoverPointer(WindowPointer pointer)
{
    if (!isBusy())
        setPointer(pointer);
}

void MainWindow::yield()
{
    m_runner.beforeYield();
    m_platform.yield->yield();
    m_runner.afterYield();
}

void MainWindow::showSummary(const QString& line)
{
    m_controls.statusBar->setSummary(line);
    refreshCounts();
}

Qt::CheckState MainWindow::dateChoice(StampKind kind) const
{
    return dateBox(kind)->checkState();
}

void MainWindow::refreshCounts()
{
    const RowModel& results = m_work.results;
    m_controls.statusBar->setCounts(m_work.files.rows(), results.rows(),
                                    results.table().checkedRows(),
                                    results.isFiltered() ? results.shownCount() : -1);
    if (m_view)
        m_view->rowsChanged();
}

void MainWindow::requestStop()
{
    m_runner.requestStop();
}

void MainWindow::removeCurrentFile()
{
    const int current = m_controls.fileList->selectedRow();
    if (current >= 0)
        m_runner.run([&] { removeFiles(m_work, {current}); });
}

void MainWindow::resultsKeyPressed(int key, Qt::KeyboardModifiers /*modifiers*/)
{
    // Delete with any modifiers.
    if (key == Qt::Key_Delete) {
        removeSelected(*m_controls.resultsList);
    } else if (key == Qt::Key_Space) {
        const int current = m_controls.resultsList->selectedRow();
        tickSelected(current < 0 || !m_work.results.isChecked(current));
    }
    refreshCounts();
}

ListControl& MainWindow::editedList()
{
    return m_lastFocusedList != nullptr ? *m_lastFocusedList : *m_controls.resultsList;
}

void MainWindow::removeSelected(ListControl& list)
{
    const std::vector<int> rows = list.selectedRows();
    m_runner.run([&] {
        if (&list == m_controls.fileList)
            removeFiles(m_work, rows);
        else
            removeResults(m_work, rows);
    });
}

void MainWindow::selectAll()
{
    ListControl& list = editedList();
    list.rows().publishPending();
    list.selectAll();
}

void MainWindow::tickSelected(bool ticked)
{
    const std::vector<int> rows = m_controls.resultsList->selectedRows();
    m_runner.run([&] { tickResults(m_work, rows, ticked); });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing cannot be refused; a running command learns of it at its next yield.
    m_runner.close();
    m_memory->save(m_work.results);
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        // A move that a child ignores travels on to its parent, so the background and the
        // frame only count moves that are over themselves.
        const auto overItself = [&](QWidget* widget) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            return watched == widget && widget->childAt(at) == nullptr;
        };
        if (qobject_cast<QPushButton*>(watched) != nullptr)
            hoverPointer(WindowPointer::Custom);
        else if (overItself(centralWidget()) || overItself(m_controls.optionFrame))
            hoverPointer(WindowPointer::Default);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace quillfen
