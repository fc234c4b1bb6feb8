#include "app/WindowControls.h"

#include "app/WindowActions.h"
#include "base/Texts.h"
#include "desktop/DateBox.h"
#include "desktop/FilterBar.h"
#include "desktop/ListControl.h"
#include "desktop/ProgressBar.h"
#include "desktop/StatusBar.h"
#include "desktop/TimelineChart.h"
#include "desktop/Twips.h"
#include "desktop/WindowStyle.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QSplitter>
#include <QVBoxLayout>

namespace quillfen {

namespace {

// The layout table, in twips: the margin, each row's top and height, and the date boxes'
// places within the frame. Spacings between rows are what the table leaves between them.
constexpr int kMargin = 120;
constexpr int kHalfGap = 4080 - (120 + 3840);
struct Row {
    int top;
    int height;
};
constexpr Row kFileListRow{120, 2535};
constexpr Row kAddRow{2750, 405};
constexpr Row kClearRow{3260, 405};
constexpr Row kFrameRow{3720, 735};
constexpr Row kStartRow{4575, 405};
constexpr Row kResultsRow{5085, 2535};
constexpr Row kSaveRow{7710, 405};
constexpr Row kCopyRow{8220, 405};
constexpr Row kProgressRow{8740, 405};
constexpr Row kStatusRow{9210, 600};
constexpr int kBoxTop = 300;
constexpr int kBoxLefts[] = {240, 1920, 3600}; // Modified, Created, Accessed
constexpr int kBoxHeight = 225;
// Between the results and the timeline under them, when it is shown.
constexpr int kTimelineGap = 90;

int px(int twips)
{
    return twipsToPixels(twips);
}

// The pixels between the bottom of one row and the top of the next.
int gap(Row above, Row below)
{
    return px(below.top) - (px(above.top) + px(above.height));
}

// A new height is shared by the two halves equally, so both lists grow alike; QSplitter by
// itself would share it in proportion to their heights.
class EvenSplitter final : public QSplitter {
public:
    using QSplitter::QSplitter;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        const QList<int> before = sizes();
        const int change = event->size().height() - event->oldSize().height();
        QSplitter::resizeEvent(event);
        if (before.size() == 2 && event->oldSize().isValid() && change != 0
            && std::min(before[0], before[1]) > 0)
            setSizes({before[0] + change / 2, before[1] + change - change / 2});
    }
};

QPushButton* makeButton(const UiText& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption(), parent);
    button->setFont(style::buttonFont());
    button->setFixedHeight(px(kAddRow.height));
    button->setMouseTracking(true);
    button->setAutoDefault(true); // Enter and Return press the focused button
    return button;
}

QHBoxLayout* pair(QPushButton* left, QPushButton* right)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(px(kHalfGap));
    row->addWidget(left, 1);
    row->addWidget(right, 1);
    return row;
}

QGroupBox* makeOptionFrame(QWidget* parent, std::array<DateBox*, 3>& boxes)
{
    auto* frame = new QGroupBox(texts::kOptionFrame(), parent);
    frame->setFixedHeight(px(kFrameRow.height));
    frame->setMouseTracking(true);
    auto* row = new QHBoxLayout(frame);
    // The boxes stand at fixed places within the frame, whatever room the frame's title and
    // border take in the style.
    const QMargins taken = frame->contentsMargins();
    row->setContentsMargins(std::max(0, px(kBoxLefts[0]) - taken.left()),
                            std::max(0, px(kBoxTop) - taken.top()), 0, 0);
    row->setSpacing(0);
    const UiText* const captions[] = {&texts::kModified, &texts::kCreated, &texts::kAccessed};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        auto* box = new DateBox((*captions[i])(), frame);
        const int right = i + 1 < boxes.size() ? kBoxLefts[i + 1] : kBoxLefts[i] + 1695;
        // Never narrower than its caption: a translation's longer word pushes the next box on
        // rather than being cut.
        box->setFixedSize(std::max(px(right) - px(kBoxLefts[i]), box->sizeHint().width()),
                          px(kBoxHeight));
        box->setAttribute(Qt::WA_NoSystemBackground); // show the frame's white, not a panel
        row->addWidget(box, 0, Qt::AlignTop);
        boxes[i] = box;
    }
    row->addStretch(1);
    return frame;
}

// The timeline under the results: which date it counts, then the chart.
void makeTimelinePanel(WindowControls& c, QWidget* client)
{
    c.timelinePanel = new QWidget(client);
    c.timelineColumn = new QComboBox(c.timelinePanel);
    c.timeline = new TimelineChart(c.timelinePanel);
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(new QLabel(texts::kTimelineOf(), c.timelinePanel));
    chooser->addWidget(c.timelineColumn);
    chooser->addStretch(1);
    auto* rows = new QVBoxLayout(c.timelinePanel);
    rows->setContentsMargins(0, px(kTimelineGap), 0, 0);
    rows->addLayout(chooser);
    rows->addWidget(c.timeline, 1);
    c.timelinePanel->hide();
}

} // namespace

WindowControls WindowControls::create(QWidget* client)
{
    WindowControls c{};
    c.client = client;
    client->setFont(style::windowFont());

    c.fileList = new ListControl(false, client);
    c.addFilesButton = makeButton(texts::kAddFilesButton, client);
    c.addFolderButton = makeButton(texts::kAddFolderButton, client);
    c.clearListButton = makeButton(texts::kClearListButton, client);
    c.samplesButton = makeButton(texts::kSamplesButton, client);
    c.optionFrame = makeOptionFrame(client, c.dateBoxes);
    c.startButton = makeButton(texts::kStartButton, client);
    c.filterBar = new FilterBar(client);
    c.filterBar->hide();
    c.resultsList = new ListControl(true, client);
    makeTimelinePanel(c, client);
    c.saveTextButton = makeButton(texts::kSaveTextButton, client);
    c.saveWorkbookButton = makeButton(texts::kSaveExcelButton, client);
    c.copyButton = makeButton(texts::kCopyButton, client);
    c.clearResultsButton = makeButton(texts::kClearResultsButton, client);
    c.progressBar = new ProgressBar(client);
    c.progressBar->setFixedHeight(px(kProgressRow.height));
    c.statusBar = new StatusBar(client);
    c.statusBar->setFixedHeight(px(kStatusRow.height));

    // The file list's half: the list and what works on it, down to "Start Extracting".
    auto* upper = new QWidget;
    auto* upperRows = new QVBoxLayout(upper);
    upperRows->setContentsMargins(0, 0, 0, 0);
    upperRows->setSpacing(0);
    upperRows->addWidget(c.fileList, 1);
    upperRows->addSpacing(gap(kFileListRow, kAddRow));
    upperRows->addLayout(pair(c.addFilesButton, c.addFolderButton));
    upperRows->addSpacing(gap(kAddRow, kClearRow));
    upperRows->addLayout(pair(c.clearListButton, c.samplesButton));
    upperRows->addSpacing(gap(kClearRow, kFrameRow));
    upperRows->addWidget(c.optionFrame);
    upperRows->addSpacing(gap(kFrameRow, kStartRow));
    upperRows->addWidget(c.startButton);

    // The results' half: the list and its exports.
    auto* lower = new QWidget;
    auto* lowerRows = new QVBoxLayout(lower);
    lowerRows->setContentsMargins(0, 0, 0, 0);
    lowerRows->setSpacing(0);
    lowerRows->addWidget(c.filterBar);
    lowerRows->addWidget(c.resultsList, 1);
    lowerRows->addWidget(c.timelinePanel);
    lowerRows->addSpacing(gap(kResultsRow, kSaveRow));
    lowerRows->addLayout(pair(c.saveTextButton, c.saveWorkbookButton));
    lowerRows->addSpacing(gap(kSaveRow, kCopyRow));
    lowerRows->addLayout(pair(c.copyButton, c.clearResultsButton));

    c.splitter = new EvenSplitter(Qt::Vertical, client);
    c.splitter->setChildrenCollapsible(false);
    c.splitter->setHandleWidth(gap(kStartRow, kResultsRow));
    c.splitter->addWidget(upper);
    c.splitter->addWidget(lower);
    c.splitter->setStretchFactor(0, 1);
    c.splitter->setStretchFactor(1, 1);
    c.splitter->setSizes({px(kStartRow.top) + px(kStartRow.height) - px(kFileListRow.top),
                          px(kCopyRow.top) + px(kCopyRow.height) - px(kResultsRow.top)});

    auto* rows = new QVBoxLayout(client);
    const int margin = px(kMargin);
    const int bottom = px(kClientHeightTwips) - (px(kStatusRow.top) + px(kStatusRow.height));
    rows->setContentsMargins(margin, px(kFileListRow.top), margin, bottom);
    rows->setSpacing(0);
    rows->addWidget(c.splitter, 1);
    rows->addSpacing(gap(kCopyRow, kProgressRow));
    rows->addWidget(c.progressBar);
    rows->addSpacing(gap(kProgressRow, kStatusRow));
    rows->addWidget(c.statusBar);
    return c;
}

void setKeyboardOrder(const WindowControls& c)
{
    QWidget* const order[] = {c.fileList,
                              c.addFilesButton,
                              c.addFolderButton,
                              c.clearListButton,
                              c.samplesButton,
                              c.dateBox(StampKind::Modified),
                              c.dateBox(StampKind::Created),
                              c.dateBox(StampKind::Accessed),
                              c.startButton,
                              c.filterBar->pathEdit(),
                              c.resultsList,
                              c.timelineColumn,
                              c.saveTextButton,
                              c.saveWorkbookButton,
                              c.copyButton,
                              c.clearResultsButton,
                              c.statusBar->stopButton()};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void describeControls(const WindowControls& c, const WindowActions& a)
{
    const struct {
        QWidget* control;
        const UiText& hint;
        QAction* action; // whose shortcut the hint names, if any
    } hints[] = {{c.addFilesButton, texts::kAddFilesHint, a.addFiles},
                 {c.addFolderButton, texts::kAddFolderHint, a.addFolder},
                 {c.clearListButton, texts::kClearListHint, nullptr},
                 {c.samplesButton, texts::kSamplesHint, nullptr},
                 {c.dateBox(StampKind::Modified), texts::kModifiedHint, nullptr},
                 {c.dateBox(StampKind::Created), texts::kCreatedHint, nullptr},
                 {c.dateBox(StampKind::Accessed), texts::kAccessedHint, nullptr},
                 {c.startButton, texts::kStartHint, a.startExtracting},
                 {c.saveTextButton, texts::kSaveTextHint, a.saveText},
                 {c.saveWorkbookButton, texts::kSaveWorkbookHint, a.saveWorkbook},
                 {c.copyButton, texts::kCopyHint, a.copyResults},
                 {c.clearResultsButton, texts::kClearResultsHint, nullptr},
                 {c.progressBar, texts::kProgressHint, nullptr}};
    for (const auto& [control, hint, action] : hints) {
        const QKeySequence keys = action != nullptr ? action->shortcut() : QKeySequence();
        control->setToolTip(keys.isEmpty() ? hint()
                                           : texts::kShortcutHint().arg(
                                               hint(), keys.toString(QKeySequence::NativeText)));
    }
    c.timelineColumn->setToolTip(texts::kTimelineColumnHint());
    c.timelineColumn->setAccessibleName(texts::kTimelineColumnHint());
    c.timeline->setToolTip(texts::kTimelineHint());
    c.timeline->setAccessibleName(texts::kTimelineName());
    c.fileList->setAccessibleName(texts::kFileListName());
    c.resultsList->setAccessibleName(texts::kResultsName());
    c.progressBar->setAccessibleName(texts::kProgressName());
    c.statusBar->setAccessibleName(texts::kStatusName());
}

} // namespace quillfen
