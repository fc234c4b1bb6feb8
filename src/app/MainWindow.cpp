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
#include "desktop/Twips.h"
#include "files/ExistenceTests.h"

#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QIcon>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <functional>
#include <utility>

namespace quillfen {

namespace {

// Where the error report says a failure happened.
const QString kStartUpLocation = QStringLiteral("in Tessary2021/08/31.Form1.Form_Load ");

// Client area of the window at its default size, in twips.
constexpr int kClientWidth = 8040;
constexpr int kClientHeight = 9270;
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
        *m_fileList, joinPath(m_platform.programFolder, texts::kDragPointerFile));
    connectHandlers();
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    // The table's arrangement is the default size and the smallest; a larger window gives
    // the two lists the room (see resizeEvent).
    setMinimumSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    resize(minimumSize());
    setFont(arialBold(9));
    paintWhite(this);
    setMouseTracking(true);

    // Declared in the window's order, which is also the tab order.
    m_fileList = new ListControl(false, this);
    placeControl(m_fileList, kLeft, 120, kFullWidth, kListHeight);
    m_fileList->setToolTip(texts::kFileListHint);
    m_fileList->setAcceptsFileDrops(true);

    m_optionFrame = new QGroupBox(texts::kOptionFrame, this);
    placeControl(m_optionFrame, kLeft, 3720, kFullWidth, 735);
    paintWhite(m_optionFrame);
    m_optionFrame->setMouseTracking(true);
    // Right to left, as the frame declares them; left 240, 1920 and 3600 within the frame.
    const struct {
        StampKind kind;
        const QString& caption;
        int left;
    } boxes[] = {{StampKind::Accessed, texts::kAccessed, 3600},
                 {StampKind::Created, texts::kCreated, 1920},
                 {StampKind::Modified, texts::kModified, 240}};
    for (const auto& [kind, caption, left] : boxes) {
        auto* box = new DateBox(caption, m_optionFrame);
        place(box, left, 300, 1695, 225);
        paintWhite(box);
        box->setAttribute(Qt::WA_NoSystemBackground); // show the frame's white, not a panel
        box->setAutoFillBackground(false);
        m_dateBoxes[static_cast<size_t>(kind)] = box;
    }

    m_resultsList = new ListControl(true, this);
    placeControl(m_resultsList, kLeft, 5085, kFullWidth, kListHeight);
    m_resultsList->setToolTip(texts::kResultsHint);

    m_saveTextButton = makeButton(texts::kSaveTextButton, kLeft, 7710, kHalfWidth);
    m_saveWorkbookButton = makeButton(texts::kSaveExcelButton, kRight, 7710, kHalfWidth);
    m_progressBar = new ProgressBar(this);
    placeControl(m_progressBar, kLeft, 8740, kFullWidth, kButtonHeight);
    m_progressBar->setCaption(texts::kProgressAtRest);
    m_addFilesButton = makeButton(texts::kAddFilesButton, kLeft, 2750, kHalfWidth);
    m_addFolderButton = makeButton(texts::kAddFolderButton, kRight, 2750, kHalfWidth);
    m_startButton = makeButton(texts::kStartButton, kLeft, 4575, kFullWidth);
    m_clearResultsButton = makeButton(texts::kClearResultsButton, kRight, 8220, kHalfWidth);
    m_copyButton = makeButton(texts::kCopyButton, kLeft, 8220, kHalfWidth);
    m_clearListButton = makeButton(texts::kClearListButton, kLeft, 3260, kHalfWidth);
    m_samplesButton = makeButton(texts::kSamplesButton, kRight, 3260, kHalfWidth);
}

QPushButton* MainWindow::makeButton(const QString& caption, int left, int top, int width)
{
    auto* button = new QPushButton(caption, this);
    placeControl(button, left, top, width, kButtonHeight);
    button->setFont(arialBold(11.25));
    button->setMouseTracking(true);
    button->installEventFilter(this);
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
    const int extraWidth = std::max(0, width() - minimumWidth());
    const int extraHeight = std::max(0, height() - minimumHeight());
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
    const std::pair<QPushButton*, std::function<void()>> commands[] = {
        {m_saveTextButton, [this] { saveResultsAsText(*this); }},
        {m_copyButton, [this] { copyResultsToClipboard(*this); }},
        {m_startButton, [this] { m_extraction->run(*this); }},
        {m_addFolderButton, [this] { addFolder(*this); }},
        {m_clearResultsButton, [this] { clearResults(*this); }},
        {m_addFilesButton, [this] { addFiles(*this); }},
        {m_clearListButton, [this] { clearList(*this); }},
        {m_samplesButton, [this] { loadSampleFiles(*this); }},
        {m_saveWorkbookButton, [this] { exportResultsToSpreadsheet(*this); }}};
    for (const auto& [button, command] : commands)
        connect(button, &QPushButton::clicked, this,
                [this, command = command] { handle(command); });

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
            [this, paths = droppedPaths(*dropped)] { handle([&] { dropOnFileList(paths); }); },
            Qt::QueuedConnection);
    });
    connect(m_resultsList, &ListControl::keyDown, this,
            [this](int key, Qt::KeyboardModifiers modifiers) {
                handle([&] { deleteCurrentResult(*this, key, modifiers); });
            });
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
    m_optionFrame->installEventFilter(this);
    installEventFilter(this);
}

template <class Handler> void MainWindow::handle(Handler&& handler)
{
    try {
        handler();
    } catch (const ApplicationClosing&) {
        // The window was closed in the middle of the command; nothing more is shown.
    }
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

    const QString handFile = joinPath(m_platform.programFolder, texts::kHandPointerFile);
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
    load.step(128, [&] { m_fileList->addColumn(texts::kFileListHeader, kFileColumnTwips); });

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
    m_platform.yield->yield();
    if (m_closed)
        throw ApplicationClosing{};
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
