#include "app/MainWindow.h"

#include "app/HomePage.h"
#include "base/AppTitle.h"
#include "base/BuildSettings.h"
#include "base/Paths.h"
#include "base/Settings.h"
#include "base/Texts.h"
#include "commands/ClipboardCommand.h"
#include "commands/ErrorReport.h"
#include "commands/ExtractionRun.h"
#include "commands/FileListCommands.h"
#include "commands/FolderCommands.h"
#include "commands/ReorderGesture.h"
#include "commands/ResultsCommands.h"
#include "commands/SampleFiles.h"
#include "commands/SpreadsheetExportCommand.h"
#include "commands/TextReportCommand.h"
#include "desktop/StatusBar.h"
#include "desktop/Twips.h"
#include "files/ExistenceTests.h"

#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <functional>
#include <utility>

namespace quillfen {

namespace {

// Where the error report says a failure happened.
const QString kStartUpLocation = QStringLiteral("in Tessary2021/08/31.Form1.Form_Load ");

// Client area of the window at its default size, in twips.
constexpr int kClientWidth = 8040;
constexpr int kStatusTop = 9210;
constexpr int kStatusHeight = 600;
constexpr int kClientHeight = 9270 + kStatusHeight; // the arrangement and the status bar
// How small each list may get when the window is made smaller than its arrangement: its
// header and a few rows.
constexpr int kListRowsAtLeast = 3;
constexpr int kCountsRefreshMs = 250;
constexpr int kFullWidth = 7800;
constexpr int kHalfWidth = 3840;
constexpr int kLeft = 120;
constexpr int kRight = 4080;
constexpr int kButtonHeight = 405;
constexpr int kListHeight = 2535;
constexpr int kFileColumnTwips = 7000;

void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

// Where each date box keeps its state in the settings.
const QString& dateBoxKey(StampKind kind)
{
    static const QString* const kKeys[] = {&settings::kModifiedKey, &settings::kCreatedKey,
                                           &settings::kAccessedKey};
    return *kKeys[static_cast<size_t>(kind)];
}

QFont arialBold(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void paintWhite(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Where the pointer's tip is in a .cur file (the image reader drops it); the top-left corner
// when the file says nothing usable.
QPoint cursorHotspot(const QString& file)
{
    QFile cursor(file);
    if (!cursor.open(QIODevice::ReadOnly))
        return {};
    const QByteArray header = cursor.read(14);
    if (header.size() < 14 || header[2] != 2) // resource type 2: a cursor
        return {};
    const auto word = [&](int at) {
        return static_cast<int>(static_cast<unsigned char>(header[at]))
            | static_cast<int>(static_cast<unsigned char>(header[at + 1])) << 8;
    };
    return {word(10), word(12)};
}

} // namespace

MainWindow::MainWindow(Platform platform, QWidget* parent)
    : QWidget(parent)
    , m_platform(std::move(platform))
    , m_appTitle(texts::kProductTitle)
    , m_extraction(std::make_unique<ExtractionRun>())
{
    createControls();
    m_gesture = std::make_unique<ReorderGesture>(
        *m_fileList, joinPath(m_platform.programFilesFolder, texts::kDragPointerFile));
    connectHandlers();
    startUp();
    fitToScreen();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    // The table's arrangement is the default size; a larger window gives the two lists the
    // room, a smaller one takes it from them (see resizeEvent and fitToScreen).
    resize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    setFont(arialBold(9));
    paintWhite(this);
    setMouseTracking(true);

    // Declared in the window's order, which is also the tab order.
    m_fileList = new ListControl(false, this);
    placeControl(m_fileList, kLeft, 120, kFullWidth, kListHeight);
    m_fileList->setToolTip(texts::kFileListHint());
    m_fileList->setAcceptsFileDrops(true);
    m_fileList->allowSeveralSelected();

    m_optionFrame = new QGroupBox(texts::kOptionFrame(), this);
    placeControl(m_optionFrame, kLeft, 3720, kFullWidth, 735);
    paintWhite(m_optionFrame);
    m_optionFrame->setMouseTracking(true);
    // Right to left, as the frame declares them; left 240, 1920 and 3600 within the frame.
    const struct {
        StampKind kind;
        const UiText& caption;
        int left;
    } boxes[] = {{StampKind::Accessed, texts::kAccessed, 3600},
                 {StampKind::Created, texts::kCreated, 1920},
                 {StampKind::Modified, texts::kModified, 240}};
    for (const auto& [kind, caption, left] : boxes) {
        auto* box = new DateBox(caption(), m_optionFrame);
        place(box, left, 300, 1695, 225);
        paintWhite(box);
        box->setAttribute(Qt::WA_NoSystemBackground); // show the frame's white, not a panel
        box->setAutoFillBackground(false);
        m_dateBoxes[static_cast<size_t>(kind)] = box;
    }

    m_resultsList = new ListControl(true, this);
    placeControl(m_resultsList, kLeft, 5085, kFullWidth, kListHeight);
    m_resultsList->setToolTip(texts::kResultsHint());
    m_resultsList->allowSeveralSelected();
    m_resultsList->allowHeaderSorting();
    m_resultsList->horizontalHeader()->setStretchLastSection(true); // the spare width

    m_saveTextButton = makeButton(texts::kSaveTextButton(), kLeft, 7710, kHalfWidth);
    m_saveWorkbookButton = makeButton(texts::kSaveExcelButton(), kRight, 7710, kHalfWidth);
    m_progressBar = new ProgressBar(this);
    placeControl(m_progressBar, kLeft, 8740, kFullWidth, kButtonHeight);
    m_progressBar->setCaption(texts::kProgressAtRest());
    m_addFilesButton = makeButton(texts::kAddFilesButton(), kLeft, 2750, kHalfWidth);
    m_addFolderButton = makeButton(texts::kAddFolderButton(), kRight, 2750, kHalfWidth);
    m_startButton = makeButton(texts::kStartButton(), kLeft, 4575, kFullWidth);
    m_clearResultsButton = makeButton(texts::kClearResultsButton(), kRight, 8220, kHalfWidth);
    m_copyButton = makeButton(texts::kCopyButton(), kLeft, 8220, kHalfWidth);
    m_clearListButton = makeButton(texts::kClearListButton(), kLeft, 3260, kHalfWidth);
    m_samplesButton = makeButton(texts::kSamplesButton(), kRight, 3260, kHalfWidth);
    m_statusBar = new StatusBar(this);
    placeControl(m_statusBar, kLeft, kStatusTop, kFullWidth, kStatusHeight);
}

QPushButton* MainWindow::makeButton(const QString& caption, int left, int top, int width)
{
    auto* button = new QPushButton(caption, this);
    placeControl(button, left, top, width, kButtonHeight);
    button->setFont(arialBold(11.25));
    button->setMouseTracking(true);
    button->installEventFilter(this);
    button->setAutoDefault(true); // Enter and Return press the focused button
    return button;
}

void MainWindow::placeControl(QWidget* widget, int left, int top, int width, int height)
{
    m_layout.push_back({widget,
                        QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                              twipsToPixels(height))});
    widget->setGeometry(m_layout.back().defaultGeometry);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_layout.empty())
        return;
    // Extra width widens full-width controls and is shared by the two halves of a pair;
    // extra height is shared by the lists, and what stands below a list moves down with it.
    const int extraWidth = width() - twipsToPixels(kClientWidth);
    const int extraHeight = height() - twipsToPixels(kClientHeight);
    const int upperExtra = extraHeight / 2;
    const QRect upperList = m_layout.front().defaultGeometry; // the file list comes first
    const auto lowerList = std::find_if(m_layout.begin(), m_layout.end(), [&](const Placed& p) {
                               return p.widget == m_resultsList;
                           })->defaultGeometry;
    for (const Placed& placed : m_layout) {
        QRect r = placed.defaultGeometry;
        if (r.width() == upperList.width()) {
            r.setWidth(r.width() + extraWidth);
        } else if (r.left() == upperList.left()) {
            r.setWidth(r.width() + extraWidth / 2);
        } else {
            r.translate(extraWidth / 2, 0);
            r.setWidth(r.width() + extraWidth - extraWidth / 2);
        }
        if (placed.widget == m_fileList) {
            r.setHeight(r.height() + upperExtra);
        } else if (placed.widget == m_resultsList) {
            r.translate(0, upperExtra);
            r.setHeight(r.height() + extraHeight - upperExtra);
        } else if (r.top() > lowerList.bottom()) {
            r.translate(0, extraHeight);
        } else if (r.top() > upperList.bottom()) {
            r.translate(0, upperExtra);
        }
        placed.widget->setGeometry(r);
    }
}

void MainWindow::connectHandlers()
{
    // The long commands can be stopped; the others end before anything could stop them.
    const struct {
        QPushButton* button;
        std::function<void()> command;
        bool stoppable;
    } commands[] = {{m_saveTextButton, [this] { saveResultsAsText(*this); }, true},
                    {m_copyButton, [this] { copyResultsToClipboard(*this); }, true},
                    {m_startButton, [this] { m_extraction->run(*this); }, true},
                    {m_addFolderButton, [this] { addFolder(*this); }, true},
                    {m_clearResultsButton, [this] { clearResults(*this); }, false},
                    {m_addFilesButton, [this] { addFiles(*this); }, false},
                    {m_clearListButton, [this] { clearList(*this); }, false},
                    {m_samplesButton, [this] { loadSampleFiles(*this); }, false},
                    {m_saveWorkbookButton, [this] { exportResultsToSpreadsheet(*this); }, true}};
    for (const auto& [button, command, stoppable] : commands) {
        connect(button, &QPushButton::clicked, this,
                [this, command = command, stoppable = stoppable] {
                    if (stoppable)
                        handleStoppable(command);
                    else
                        handle(command);
                    refreshCounts();
                });
    }

    // A change made by start-up runs the handler inside DateBox::setValue, where start-up's
    // report catches its failures. A user's click has no report of its own, but a setting
    // that could not be stored is still said, not lost silently.
    for (const StampKind kind : kStampKinds) {
        DateBox* box = dateBox(kind);
        box->setChangeHandler([this, kind] { storeDateBox(kind); });
        connect(box, &DateBox::userChanged, this, [this, kind] {
            try {
                storeDateBox(kind);
            } catch (const std::exception& error) {
                m_platform.messages->show(describe(error), m_appTitle, MessageButtons::Ok,
                                          MessageIcon::Warning);
            }
        });
    }

    connect(m_fileList, &ListControl::doubleClickedRow, this,
            [this] { handle([&] { removeSelectedFile(*this); }); });
    // The drop is taken at once and walked from the event loop, so the program the drag came
    // from does not wait for the scan; the paths are read now, while the dragged data lives.
    connect(m_fileList, &ListControl::dropped, this, [this](const QMimeData* dropped) {
        QMetaObject::invokeMethod(
            this,
            [this, paths = droppedPaths(*dropped)] {
                handleStoppable([&] { dropOnFileList(paths); });
            },
            Qt::QueuedConnection);
    });
    connect(m_resultsList, &ListControl::keyDown, this,
            [this](int key, Qt::KeyboardModifiers modifiers) {
                handle([&] { resultsKeyPressed(*this, key, modifiers); });
            });
    connect(m_fileList, &ListControl::keyDown, this, [this](int key, Qt::KeyboardModifiers) {
        handle([&] { fileListKeyPressed(*this, key); });
    });
    connect(m_resultsList, &ListControl::headerClicked, this,
            [this](int column) { handle([&] { sortResults(*this, column); }); });
    createResultsMenu();
    connect(m_resultsList, &ListControl::customContextMenuRequested, this, [this](QPoint at) {
        if (m_resultsList->rows().rows() > 0)
            m_resultsMenu->popup(m_resultsList->viewport()->mapToGlobal(at));
    });
    setKeyboardOrder();
    connect(m_fileList, &ListControl::pressed, this, [this] { m_gesture->press(); });
    connect(m_fileList, &ListControl::itemClicked, this,
            [this](int row) { m_gesture->itemClick(row); });
    connect(m_fileList, &ListControl::moved, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint pos) {
                hoverPointer(WindowPointer::Default);
                m_gesture->move(pos);
            });
    connect(m_fileList, &ListControl::released, this, [this] { m_gesture->release(); });
    connect(m_resultsList, &ListControl::moved, this,
            [this] { hoverPointer(WindowPointer::Default); });
    connect(m_statusBar, &StatusBar::stopClicked, this, &MainWindow::requestStop);
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_escape->setEnabled(false); // only while a command can be stopped
    connect(m_escape, &QShortcut::activated, this, &MainWindow::requestStop);
    // Rows reach the lists in blocks while commands yield; the counts follow a few times a
    // second rather than per row.
    m_countsTimer.setInterval(kCountsRefreshMs);
    connect(&m_countsTimer, &QTimer::timeout, this, &MainWindow::refreshCounts);
    m_countsTimer.start();
    m_optionFrame->installEventFilter(this);
    installEventFilter(this);
}

void MainWindow::createResultsMenu()
{
    m_resultsMenu = new QMenu(this);
    const std::pair<const UiText&, std::function<void()>> actions[] = {
        {texts::kOpenContainingFolder, [this] { openContainingFolder(*this); }},
        {texts::kCopyPath, [this] { copySelectedPaths(*this); }},
        {texts::kTick, [this] { tickSelectedResults(*this, true); }},
        {texts::kUntick, [this] { tickSelectedResults(*this, false); }},
        {texts::kRemove, [this] { removeSelectedResults(*this); }}};
    for (const auto& [caption, action] : actions) {
        connect(m_resultsMenu->addAction(caption()), &QAction::triggered, this,
                [this, action = action] {
                    handle(action);
                    refreshCounts();
                });
    }
}

void MainWindow::setKeyboardOrder()
{
    // Tab goes through the window as it reads: top to bottom, left to right.
    QWidget* const order[] = {m_fileList,
                              m_addFilesButton,
                              m_addFolderButton,
                              m_clearListButton,
                              m_samplesButton,
                              dateBox(StampKind::Modified),
                              dateBox(StampKind::Created),
                              dateBox(StampKind::Accessed),
                              m_startButton,
                              m_resultsList,
                              m_saveTextButton,
                              m_saveWorkbookButton,
                              m_copyButton,
                              m_clearResultsButton,
                              m_statusBar->stopButton()};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // Shortcuts for the common commands, named in the buttons' tooltips.
    const std::pair<QPushButton*, QKeySequence> shortcuts[] = {
        {m_addFilesButton, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {m_addFolderButton, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
        {m_startButton, QKeySequence(Qt::Key_F5)},
        {m_saveTextButton, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {m_copyButton, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}};
    for (const auto& [button, keys] : shortcuts) {
        button->setShortcut(keys);
        button->setToolTip(
            texts::kShortcutHint().arg(button->text(), keys.toString(QKeySequence::NativeText)));
    }
}

template <class Handler> void MainWindow::handle(Handler&& handler)
{
    try {
        handler();
    } catch (const ApplicationClosing&) {
        // The window was closed in the middle of the command; nothing more is shown.
    } catch (const CommandStopped&) {
        // A command that keeps nothing special of its own ends where it was.
    }
}

template <class Command> void MainWindow::handleStoppable(Command&& command)
{
    // Nested commands (one started while another yields) share the button; a stop ends the
    // innermost, the one yielding when it is asked for.
    if (m_stoppable++ == 0) {
        m_stopRequested = false;
        m_escape->setEnabled(true);
    }
    struct Done {
        MainWindow& window;
        ~Done()
        {
            if (--window.m_stoppable == 0) {
                window.m_stopRequested = false;
                window.m_statusBar->setStopShown(false);
                window.m_escape->setEnabled(false);
            }
            window.refreshCounts();
        }
    } done{*this};
    handle(std::forward<Command>(command));
}

void MainWindow::startUp()
{
    ReportingProcedure load(*m_platform.messages, kStartUpLocation);
    // No skin engine exists on this platform, so the skin file counts as absent and the
    // window keeps its white background.
    load.step(100, [] {});
    load.step(104, [&] { setWindowTitle(texts::kProductTitle); });
    load.step(104, [&] { setWindowIcon(QIcon(QStringLiteral(":/quillfen.png"))); });
    load.step(104, [&] { m_appTitle = shortAppTitle(texts::kProductTitle); });

    const QString handFile = joinPath(m_platform.programFilesFolder, texts::kHandPointerFile);
    if (load.test(106, [&] { return isExistingPath(handFile); })) {
        load.step(108, [&] {
            const QPixmap image(handFile);
            if (image.isNull())
                throw Failure(QStringLiteral("Invalid picture: %1").arg(handFile));
            const QPoint tip = cursorHotspot(handFile);
            m_customCursor = QCursor(image, tip.x(), tip.y());
        });
    }
    load.step(110, [&] {
        visitHomePageByChance(m_platform.random, *m_platform.shell,
                              QString::fromUtf8(build::kHomePage));
    });
    if (load.test(110, [&] {
            return m_platform.settings
                ->get(settings::kApplication, settings::kSection, settings::kSampleListKey,
                      QString())
                .isEmpty();
        }))
        load.step(110, [&] { recordSampleFiles(m_platform); });
    load.step(128, [&] { m_fileList->addColumn(texts::kFileListHeader(), kFileColumnTwips); });

    int marker = 132;
    for (const StampKind kind : kStampKinds) {
        load.step(marker, [&] {
            const QString stored = m_platform.settings->get(
                settings::kApplication, settings::kSection, dateBoxKey(kind), QStringLiteral("1"));
            dateBox(kind)->setValue(settings::toWholeNumber(stored));
        });
        marker += 2;
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
    // A long command shows Stop once it is at work, not while it still asks its questions.
    if (m_stoppable > 0)
        m_statusBar->setStopShown(true);
    m_platform.yield->yield();
    if (m_closed)
        throw ApplicationClosing{};
    if (m_stopRequested) {
        m_stopRequested = false;
        throw CommandStopped{};
    }
}

void MainWindow::showSummary(const QString& line)
{
    m_statusBar->setSummary(line);
    refreshCounts();
}

void MainWindow::refreshCounts()
{
    const TextTable& results = m_resultsList->rows().table();
    m_statusBar->setCounts(m_fileList->rows().rows(), results.rows(), results.checkedRows());
}

void MainWindow::requestStop()
{
    if (m_stoppable > 0)
        m_stopRequested = true;
}

void MainWindow::fitToScreen()
{
    // The lists give up their height first, down to a few rows each; the width only goes
    // below the arrangement's on a screen narrower than that.
    const int rowHeight = m_fileList->verticalHeader()->defaultSectionSize();
    const int listAtLeast = m_fileList->horizontalHeader()->sizeHint().height()
        + kListRowsAtLeast * rowHeight + 2 * m_fileList->frameWidth();
    const QSize arrangement(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    const int spareHeight = 2 * std::max(0, twipsToPixels(kListHeight) - listAtLeast);
    const QScreen* screen = this->screen();
    const QSize available = screen != nullptr ? screen->availableGeometry().size() : arrangement;
    setMinimumSize(std::min(arrangement.width(), available.width()),
                   arrangement.height() - spareHeight);
    resize(arrangement.boundedTo(available).expandedTo(minimumSize()));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing cannot be refused; a running command learns of it at its next yield.
    m_closed = true;
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
        else if (overItself(this) || overItself(m_optionFrame))
            hoverPointer(WindowPointer::Default);
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::storeDateBox(StampKind kind)
{
    m_platform.settings->save(settings::kApplication, settings::kSection, dateBoxKey(kind),
                              QString::number(dateBoxValue(kind)));
}

void MainWindow::dropOnFileList(const QStringList& paths)
{
    try {
        dropPaths(*this, paths);
    } catch (const std::exception&) {
        // The drop has no report of its own; what was appended before the failure stays.
    }
}

} // namespace quillfen
