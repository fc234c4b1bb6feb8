#include "support/WindowFixture.h"

namespace quillfen::test {

MainWindow& WindowFixture::start()
{
    m_window = std::make_unique<MainWindow>(desktop.take());
    return *m_window;
}

void WindowFixture::addFiles(const QStringList& paths)
{
    mainWindow().fileList().rows().appendRows(paths);
    mainWindow().fileList().rows().publishPending();
}

void WindowFixture::setResults(const QStringList& headers, const QList<QStringList>& rows)
{
    RowModel& results = mainWindow().resultsList().rows();
    results.removeAllColumns();
    results.removeAllRows();
    for (const QString& header : headers)
        results.addColumn(header);
    for (const QStringList& cells : rows) {
        results.appendRow(cells.value(0));
        const int row = results.rows() - 1;
        for (int k = 1; k < cells.size(); ++k)
            results.setSubItem(row, k, cells.at(k));
        results.setChecked(row, true);
    }
    results.publishPending();
}

} // namespace quillfen::test
