#include "app/WindowActions.h"

#include "base/Texts.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace quillfen {

namespace {

QAction* add(QMenu* menu, const UiText& text, const QKeySequence& keys = {})
{
    QAction* action = menu->addAction(text());
    action->setShortcut(keys);
    return action;
}

// An entry whose key belongs to the focused list (Delete, Space, Ctrl+A act on the list
// that has the focus), so the menu names the key without taking it.
QAction* addNamingKey(QMenu* menu, const UiText& text, const QKeySequence& keys)
{
    return menu->addAction(text() + QLatin1Char('\t') + keys.toString(QKeySequence::NativeText));
}

} // namespace

WindowActions WindowActions::create(QMainWindow& window)
{
    WindowActions a{};
    QMenuBar* bar = window.menuBar();

    QMenu* file = bar->addMenu(texts::kFileMenu());
    a.addFiles = add(file, texts::kAddFilesEntry, QKeySequence(Qt::CTRL | Qt::Key_O));
    a.addFolder = add(file, texts::kAddFolderEntry, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    a.loadSamples = add(file, texts::kLoadSamplesEntry);
    file->addSeparator();
    a.startExtracting = add(file, texts::kStartEntry, QKeySequence(Qt::Key_F5));
    file->addSeparator();
    a.saveText = add(file, texts::kSaveTextEntry, QKeySequence(Qt::CTRL | Qt::Key_S));
    a.saveWorkbook = add(file, texts::kSaveWorkbookEntry, QKeySequence(Qt::CTRL | Qt::Key_E));
    a.copyResults = add(file, texts::kCopyEntry, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    file->addSeparator();
    a.saveSnapshot = add(file, texts::kSaveSnapshot);
    a.saveSnapshot->setStatusTip(texts::kSaveSnapshotHint());
    a.compareSnapshot = add(file, texts::kCompareWithSnapshot);
    a.compareSnapshot->setStatusTip(texts::kCompareWithSnapshotHint());
    file->addSeparator();
    a.quit = add(file, texts::kQuitEntry, QKeySequence(Qt::CTRL | Qt::Key_Q));
    a.quit->setMenuRole(QAction::QuitRole);

    QMenu* edit = bar->addMenu(texts::kEditMenu());
    a.selectAll = addNamingKey(edit, texts::kSelectAllEntry, QKeySequence::SelectAll);
    a.tick = addNamingKey(edit, texts::kTickEntry, QKeySequence(Qt::Key_Space));
    a.untick = add(edit, texts::kUntickEntry);
    a.remove = addNamingKey(edit, texts::kRemoveEntry, QKeySequence(Qt::Key_Delete));
    edit->addSeparator();
    a.clearList = add(edit, texts::kClearListEntry);
    a.clearResults = add(edit, texts::kClearResultsEntry);
    edit->addSeparator();
    a.filterResults = add(edit, texts::kFilterResults, QKeySequence::Find);

    QMenu* view = bar->addMenu(texts::kViewMenu());
    a.timeline = add(view, texts::kTimelineEntry, QKeySequence(Qt::CTRL | Qt::Key_T));
    a.timeline->setCheckable(true);

    QMenu* help = bar->addMenu(texts::kHelpMenu());
    a.manual = add(help, texts::kManualEntry, QKeySequence::HelpContents);
    a.about = add(help, texts::kAboutEntry);
    a.about->setMenuRole(QAction::AboutRole);
    return a;
}

} // namespace quillfen
