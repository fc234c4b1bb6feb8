#include "snapshot/SnapshotWriter.h"

#include "table/RecordText.h"

namespace quillfen {

SnapshotWriter::SnapshotWriter(std::vector<SnapshotColumn> columns)
    : m_columns(std::move(columns))
{
    for (const SnapshotColumn column : m_columns) {
        QByteArray key(",");
        appendJsonString(snapshotKey(column), key);
        key.append(':');
        m_keys.push_back(key);
        m_dates.emplace_back(IsoDateText::Zone::Local, true);
    }
}

void SnapshotWriter::appendRecord(QByteArrayView path, const FileValues& values, QByteArray& out)
{
    out.append("{\"path\":");
    appendJsonString(path, out);
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        out.append(m_keys[i]);
        const SnapshotColumn column = m_columns[i];
        if (column == SnapshotColumn::Size) {
            if (values.size)
                out.append(QByteArray::number(*values.size));
            else
                out.append("null");
        } else if (const std::optional<timespec>& stamp = values.stamp(column)) {
            out.append('"');
            m_dates[i].append(*stamp, out);
            out.append('"');
        } else {
            out.append("null");
        }
    }
    out.append("}\n");
}

} // namespace quillfen
