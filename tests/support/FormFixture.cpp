#include "support/FormFixture.h"

namespace quillfen::test {

Form1& FormFixture::start()
{
    m_form = std::make_unique<Form1>(desktop.take());
    return *m_form;
}

void FormFixture::addFiles(const QStringList& paths)
{
    form().fileList().rows().appendRows(paths);
    form().fileList().rows().publishPending();
}

void FormFixture::setResults(const QStringList& headers, const QList<QStringList>& rows)
{
    RowModel& results = form().resultsList().rows();
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
