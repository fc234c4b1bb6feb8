#pragma once

#include "app/MainWindow.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <memory>

namespace quillfen::test {

// A real main window over fake desktop services. Set the fakes up, then call start().
class WindowFixture : public ::testing::Test {
protected:
    MainWindow& start();
    MainWindow& mainWindow() { return *m_window; }

    // Fills the file list directly, as an adder would.
    void addFiles(const QStringList& paths);
    // Fills the results list with columns and rows (texts; the first cell is the row text),
    // every row ticked, as a finished extraction run leaves it.
    void setResults(const QStringList& headers, const QList<QStringList>& rows);

    FakeDesktop desktop;

private:
    std::unique_ptr<MainWindow> m_window;
};

} // namespace quillfen::test
