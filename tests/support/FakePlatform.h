#pragma once

// Scripted stand-ins for the desktop, for tests only. Each records what the program asked of
// it and answers from a queue the test fills; an empty queue gives the "cancel" answer.

#include "desktop/Platform.h"
#include "support/Printers.h"

#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace quillfen::test {

struct ShownMessage {
    QString text;
    QString caption;
    MessageButtons buttons;
    MessageIcon icon;
};

class FakeMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(const QString& text, const QString& caption, MessageButtons buttons,
                       MessageIcon icon) override;

    std::vector<ShownMessage> shown;
    std::deque<MessageAnswer> answers; // for Yes/No boxes; empty answers No
    std::function<void(const ShownMessage&)> onShow;

    QStringList texts() const;
    // The error reports shown, by their text.
    QStringList reports() const;
};

class FakeInputBox final : public InputBox {
public:
    QString ask(const QString& prompt, const QString& caption, const QString& preset) override;

    struct Asked {
        QString prompt, caption, preset;
    };
    std::vector<Asked> asked;
    std::deque<QString> answers; // empty answers "" (cancel)
};

class FakeFileDialogs final : public FileDialogs {
public:
    QStringList openFiles(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& filter) override;
    // Answers from openAnswers too: the first path of the next answer.
    QString openFile(const QString& title, const QString& filter) override;

    std::deque<QStringList> openAnswers;
    bool tooManyFiles = false;
    std::deque<QString> saveAnswers;
    QStringList titles;
    QStringList filters;
};

class FakeFolderBrowser final : public FolderBrowser {
public:
    QString browse(const QString& prompt, const QString& initialFolder) override;

    std::deque<QString> answers;
    QStringList prompts;
    QStringList initialFolders;
};

class FakeClipboard final : public Clipboard {
public:
    bool clear() override;
    bool setText(const QByteArray& utf8) override;

    std::optional<QString> text = QStringLiteral("earlier content");
    int failClears = 0; // how many attempts fail before one works
    int failSets = 0;
    int clearAttempts = 0;
    int setAttempts = 0;
};

class FakeShell final : public Shell {
public:
    bool openFolder(const QString& path) override;
    bool openAddress(const QString& address) override;

    QStringList openedFolders;
    QStringList openedAddresses;
    bool opensFolders = true; // whether the desktop can open a folder
};

// What one started spreadsheet instance was asked to do. Records outlive the instances, which
// the program drops.
struct FakeSpreadsheet {
    std::map<std::pair<int, int>, QString> cells; // by (row, column), a date cell's as it reads
    std::map<std::pair<int, int>, std::pair<double, bool>> dates; // value, date alone
    QStringList dateFormats;
    int workbooks = 0;
    int autoFits = 0;
    bool visible = false;
    bool released = false;
};

class FakeSpreadsheetApp final : public SpreadsheetApp {
public:
    std::unique_ptr<SpreadsheetInstance> start() override;

    int startAttempts = 0;
    int workingStarts = std::numeric_limits<int>::max(); // further starts fail
    std::set<std::pair<int, int>> failingCells;          // setCell throws for these
    std::deque<FakeSpreadsheet> started;
};

class FakeSettingsStore final : public SettingsStore {
public:
    QString get(const QString& application, const QString& section, const QString& key,
                const QString& defaultValue) override;
    void save(const QString& application, const QString& section, const QString& key,
              const QString& value) override;

    // Keyed "application/section/key".
    QMap<QString, QString> values;
    bool failWrites = false;
    bool failReads = false;
    QStringList writes;       // "key=value", in order
    QStringList windowWrites; // the same for what the window remembers of itself
};

class FakeHelpViewer final : public HelpViewer {
public:
    void showManual() override;
    void showAbout(const QString& caption, const QString& text) override;

    int manualsShown = 0;
    QStringList abouts; // "caption|text"
};

class FakeYield final : public EventYield {
public:
    void yield() override;
    // Every call stands for processed events.
    quint64 rounds() const override { return static_cast<quint64>(count); }

    int count = 0;
    std::function<void(int)> onYield; // given the count so far
};

// A Platform built from fakes, with typed pointers to each of them. The pointers stay valid
// as long as whoever holds the Platform (the window under test) lives.
struct FakeDesktop {
    FakeDesktop();
    Platform take();

    Platform platform;
    FakeMessageBoxes* messages;
    FakeInputBox* input;
    FakeFileDialogs* fileDialogs;
    FakeFolderBrowser* folderBrowser;
    FakeClipboard* clipboard;
    FakeShell* shell;
    FakeSpreadsheetApp* spreadsheet;
    FakeSettingsStore* settings;
    FakeYield* yield;
    FakeHelpViewer* help;
    double randomValue = 0.5;
};

QString settingsKey(const QString& key);

} // namespace quillfen::test
