#include "app/Form1.h"

#include "app/AppTitle.h"
#include "app/BuildSettings.h"
#include "app/ErrorReport.h"
#include "app/HomePage.h"
#include "app/Samples.h"
#include "app/Settings.h"
#include "app/Texts.h"
#include "extract/ExtractionRun.h"
#include "extract/ResultsCommands.h"
#include "filelist/ExistenceTests.h"
#include "filelist/FileListCommands.h"
#include "filelist/FolderCommands.h"
#include "filelist/PathUtils.h"
#include "filelist/ReorderGesture.h"
#include "output/ClipboardExport.h"
#include "output/SpreadsheetExport.h"
#include "output/TextReport.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QIcon>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace quillfen {

namespace {

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

Form1::Form1(Platform platform, QWidget* parent)
    : QWidget(parent)
    , m_platform(std::move(platform))
    , m_appTitle(texts::kProductTitle)
    , m_extraction(std::make_unique<ExtractionRun>())
{
    createControls();
    m_gesture = std::make_unique<ReorderGesture>(
        *ListView1, joinPath(m_platform.programFolder, texts::kDragPointerFile));
    connectHandlers();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    // The table's arrangement is the default size and the smallest; a larger window gives
    // the two lists the room (see resizeEvent).
    setMinimumSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    resize(minimumSize());
    setFont(arialBold(9));
    paintWhite(this);
    setMouseTracking(true);

    // Declared in the window's order, which is also the tab order.
    ListView1 = new ListControl(false, this);
    placeControl(ListView1, kLeft, 120, kFullWidth, kListHeight);
    ListView1->setToolTip(texts::kFileListHint);
    ListView1->setAcceptsFileDrops(true);

    Frame1 = new QGroupBox(texts::kOptionFrame, this);
    placeControl(Frame1, kLeft, 3720, kFullWidth, 735);
    paintWhite(Frame1);
    Frame1->setMouseTracking(true);
    Check3 = new DateBox(texts::kAccessed, Frame1);
    place(Check3, 3600, 300, 1695, 225);
    Check2 = new DateBox(texts::kCreated, Frame1);
    place(Check2, 1920, 300, 1695, 225);
    Check1 = new DateBox(texts::kModified, Frame1);
    place(Check1, 240, 300, 1695, 225);
    for (DateBox* box : {Check1, Check2, Check3}) {
        paintWhite(box);
        box->setAttribute(Qt::WA_NoSystemBackground); // show the frame's white, not a panel
        box->setAutoFillBackground(false);
    }

    ListView2 = new ListControl(true, this);
    placeControl(ListView2, kLeft, 5085, kFullWidth, kListHeight);
    ListView2->setToolTip(texts::kResultsHint);

    PushButton1 = makeButton(texts::kSaveTextButton, kLeft, 7710, kHalfWidth);
    PushButton13 = makeButton(texts::kSaveExcelButton, kRight, 7710, kHalfWidth);
    ProgressBar1 = new ProgressBar(this);
    placeControl(ProgressBar1, kLeft, 8740, kFullWidth, kButtonHeight);
    ProgressBar1->setCaption(texts::kProgressAtRest);
    PushButton7 = makeButton(texts::kAddFilesButton, kLeft, 2750, kHalfWidth);
    PushButton4 = makeButton(texts::kAddFolderButton, kRight, 2750, kHalfWidth);
    PushButton3 = makeButton(texts::kStartButton, kLeft, 4575, kFullWidth);
    PushButton5 = makeButton(texts::kClearResultsButton, kRight, 8220, kHalfWidth);
    PushButton2 = makeButton(texts::kCopyButton, kLeft, 8220, kHalfWidth);
    PushButton8 = makeButton(texts::kClearListButton, kLeft, 3260, kHalfWidth);
    PushButton9 = makeButton(texts::kSamplesButton, kRight, 3260, kHalfWidth);
}

QPushButton* Form1::makeButton(const QString& caption, int left, int top, int width)
{
    auto* button = new QPushButton(caption, this);
    placeControl(button, left, top, width, kButtonHeight);
    button->setFont(arialBold(11.25));
    button->setMouseTracking(true);
    button->installEventFilter(this);
    return button;
}

void Form1::placeControl(QWidget* widget, int left, int top, int width, int height)
{
    m_layout.push_back({widget,
                        QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                              twipsToPixels(height))});
    widget->setGeometry(m_layout.back().defaultGeometry);
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_layout.empty())
        return;
    // Extra width widens full-width controls and is shared by the two halves of a pair;
    // extra height is shared by the lists, and what stands below a list moves down with it.
    const int extraWidth = std::max(0, width() - minimumWidth());
    const int extraHeight = std::max(0, height() - minimumHeight());
    const int upperExtra = extraHeight / 2;
    const QRect upperList = m_layout.front().defaultGeometry; // ListView1 comes first
    const auto lowerList = std::find_if(m_layout.begin(), m_layout.end(), [&](const Placed& p) {
                               return p.widget == ListView2;
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
        if (placed.widget == ListView1) {
            r.setHeight(r.height() + upperExtra);
        } else if (placed.widget == ListView2) {
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

void Form1::connectHandlers()
{
    using Handler = void (Form1::*)();
    const std::pair<QPushButton*, Handler> buttons[] = {
        {PushButton1, &Form1::PushButton1_Click},  {PushButton2, &Form1::PushButton2_Click},
        {PushButton3, &Form1::PushButton3_Click},  {PushButton4, &Form1::PushButton4_Click},
        {PushButton5, &Form1::PushButton5_Click},  {PushButton7, &Form1::PushButton7_Click},
        {PushButton8, &Form1::PushButton8_Click},  {PushButton9, &Form1::PushButton9_Click},
        {PushButton13, &Form1::PushButton13_Click}};
    for (const auto& [button, handler] : buttons) {
        connect(button, &QPushButton::clicked, this,
                [this, handler = handler] { handle([&] { (this->*handler)(); }); });
    }

    // A change made by start-up runs the handler inside DateBox::setValue, where start-up's
    // report catches its failures. A user's click has no report of its own, but a setting
    // that could not be stored is still said, not lost silently.
    const auto bindBox = [this](DateBox* box, void (Form1::*handler)()) {
        box->setChangeHandler([this, handler] { (this->*handler)(); });
        connect(box, &DateBox::userChanged, this, [this, handler] {
            try {
                (this->*handler)();
            } catch (const std::exception& error) {
                m_platform.messages->show(describe(error), m_appTitle, MessageButtons::Ok,
                                          MessageIcon::Warning);
            }
        });
    };
    bindBox(Check1, &Form1::Check1_Click);
    bindBox(Check2, &Form1::Check2_Click);
    bindBox(Check3, &Form1::Check3_Click);

    connect(ListView1, &ListControl::doubleClickedRow, this,
            [this] { handle([&] { ListView1_DblClick(); }); });
    connect(ListView1, &ListControl::dropped, this,
            [this](const QMimeData* dropped) { handle([&] { ListView1_OLEDragDrop(dropped); }); });
    connect(ListView2, &ListControl::keyDown, this,
            [this](int key, Qt::KeyboardModifiers modifiers) {
                handle([&] { ListView2_KeyDown(key, modifiers); });
            });
    connect(ListView1, &ListControl::pressed, this, [this] { ListView1_MouseDown(); });
    connect(ListView1, &ListControl::itemClicked, this, &Form1::ListView1_ItemClick);
    connect(
        ListView1, &ListControl::moved, this,
        [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint pos) { ListView1_MouseMove(pos); });
    connect(ListView1, &ListControl::released, this, [this] { ListView1_MouseUp(); });
    connect(ListView2, &ListControl::moved, this, [this] { hoverPointer(WindowPointer::Default); });
    Frame1->installEventFilter(this);
    installEventFilter(this);
}

template <class Handler> void Form1::handle(Handler&& handler)
{
    try {
        handler();
    } catch (const ApplicationClosing&) {
        // The window was closed in the middle of the command; nothing more is shown.
    }
}

void Form1::Form_Load()
{
    ReportingProcedure load(*m_platform.messages, Procedure::FormLoad);
    // No skin engine exists on this platform, so the skin file counts as absent and the
    // window keeps its white background.
    load.step(100, [] {});
    load.step(104, [&] { setWindowTitle(texts::kProductTitle); });
    load.step(104, [&] { setWindowIcon(QIcon(QStringLiteral(":/quillfen.png"))); });
    load.step(104, [&] { m_appTitle = shortAppTitle(texts::kProductTitle); });

    const QString handFile = joinPath(m_platform.programFolder, texts::kHandPointerFile);
    if (load.test(106, [&] { return IsExistingPath(handFile); })) {
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
                ->get(settings::kApplication, settings::kSection, settings::kSnapshot, QString())
                .isEmpty();
        }))
        load.step(110, [&] { RecordSampleFiles(m_platform); });
    load.step(128, [&] { ListView1->addColumn(texts::kFileListHeader, kFileColumnTwips); });

    const auto restoreBox = [&](int marker, DateBox& box, const QString& key) {
        load.step(marker, [&] {
            const QString stored = m_platform.settings->get(
                settings::kApplication, settings::kSection, key, QStringLiteral("1"));
            box.setValue(settings::toWholeNumber(stored));
        });
    };
    restoreBox(132, *Check1, settings::kCheck1);
    restoreBox(134, *Check2, settings::kCheck2);
    restoreBox(136, *Check3, settings::kCheck3);
}

int Form1::dateBoxValue(DateKind kind) const
{
    switch (kind) {
    case DateKind::Modified:
        return Check1->value();
    case DateKind::Created:
        return Check2->value();
    case DateKind::Accessed:
        return Check3->value();
    }
    return 0;
}

void Form1::setPointer(WindowPointer pointer)
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

void Form1::hoverPointer(WindowPointer pointer)
{
    if (!isBusy())
        setPointer(pointer);
}

void Form1::yield()
{
    m_platform.yield->yield();
    if (m_closed)
        throw ApplicationClosing{};
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Closing cannot be refused; a running command learns of it at its next yield.
    m_closed = true;
    event->accept();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
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
        else if (overItself(this) || overItself(Frame1))
            hoverPointer(WindowPointer::Default);
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::storeDateBox(DateBox& box, const QString& key)
{
    m_platform.settings->save(settings::kApplication, settings::kSection, key,
                              QString::number(box.value()));
}

void Form1::Check1_Click()
{
    storeDateBox(*Check1, settings::kCheck1);
}

void Form1::Check2_Click()
{
    storeDateBox(*Check2, settings::kCheck2);
}

void Form1::Check3_Click()
{
    storeDateBox(*Check3, settings::kCheck3);
}

void Form1::PushButton1_Click()
{
    saveResultsAsText(*this);
}

void Form1::PushButton2_Click()
{
    copyResultsToClipboard(*this);
}

void Form1::PushButton3_Click()
{
    m_extraction->run(*this);
}

void Form1::PushButton4_Click()
{
    addFolder(*this);
}

void Form1::PushButton5_Click()
{
    clearResults(*this);
}

void Form1::PushButton7_Click()
{
    addFiles(*this);
}

void Form1::PushButton8_Click()
{
    clearList(*this);
}

void Form1::PushButton9_Click()
{
    ReportingProcedure load(*m_platform.messages, Procedure::PushButton9_Click);
    load.step(100, [&] { LoadSampleFiles(*this, ListView1->rows()); });
}

void Form1::PushButton13_Click()
{
    exportResultsToSpreadsheet(*this);
}

void Form1::ListView1_DblClick()
{
    removeSelectedFile(*this);
}

void Form1::ListView1_MouseDown()
{
    m_gesture->press();
}

void Form1::ListView1_ItemClick(int row)
{
    m_gesture->itemClick(row);
}

void Form1::ListView1_MouseMove(QPoint pos)
{
    hoverPointer(WindowPointer::Default);
    m_gesture->move(pos);
}

void Form1::ListView1_MouseUp()
{
    m_gesture->release();
}

void Form1::ListView1_OLEDragDrop(const QMimeData* dropped)
{
    try {
        dropPaths(*this, droppedPaths(*dropped));
    } catch (const std::exception&) {
        // The drop has no report of its own; what was appended before the failure stays.
    }
}

void Form1::ListView2_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    deleteCurrentResult(*this, key, modifiers);
}

} // namespace quillfen
