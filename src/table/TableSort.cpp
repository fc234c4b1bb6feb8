#include "table/TableSort.h"

#include "table/NaturalOrder.h"
#include "table/TextTable.h"

#include <QByteArray>
#include <QHash>

#include <algorithm>
#include <numeric>
#include <string>

namespace quillfen {

namespace {

std::vector<int> allRows(const TextTable& table)
{
    std::vector<int> rows(static_cast<std::size_t>(table.rows()));
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

// A folder of the paths being ordered: its files (rows) and sub-folders (nodes), each with
// its name within the folder.
struct FolderNode {
    struct Entry {
        int index;     // a row, or a node
        bool isFolder; // a file comes before a folder of the same name, as a path before its own
    };
    QByteArrayView name; // within its parent
    std::vector<Entry> entries;
};

class PathTree {
public:
    explicit PathTree(const TextTable& table)
        : m_table(table)
        , m_nodes(1) // the root: paths without a folder, and those right under "/"
    {
        QByteArrayView lastFolder;
        int lastNode = 0;
        bool haveLast = false;
        for (int row = 0; row < table.rows(); ++row) {
            const QByteArrayView path = table.textView(row);
            const qsizetype slash = path.lastIndexOf('/');
            const QByteArrayView folder = slash < 0 ? QByteArrayView() : path.first(slash);
            // Neighbouring rows mostly share their folder.
            if (!haveLast || folder != lastFolder) {
                lastNode = nodeOf(folder);
                lastFolder = folder;
                haveLast = true;
            }
            m_nodes[static_cast<std::size_t>(lastNode)].entries.push_back({row, false});
        }
    }

    // The rows in the order of the tree, each folder's entries put in order first.
    std::vector<int> rows(Qt::SortOrder order, const NaturalOrder& natural, std::size_t count)
    {
        std::vector<int> rows;
        rows.reserve(count);
        walk(0, order, natural, rows);
        return rows;
    }

private:
    int nodeOf(QByteArrayView folder)
    {
        if (folder.isEmpty())
            return 0;
        const auto found = m_index.constFind(QByteArray::fromRawData(folder.data(), folder.size()));
        if (found != m_index.cend())
            return *found;
        const qsizetype slash = folder.lastIndexOf('/');
        const int parent = nodeOf(slash < 0 ? QByteArrayView() : folder.first(slash));
        const int node = static_cast<int>(m_nodes.size());
        m_nodes.emplace_back().name = folder.sliced(slash + 1);
        m_nodes[static_cast<std::size_t>(parent)].entries.push_back({node, true});
        // The key's bytes live in the table's store, which does not change during the sort.
        m_index.insert(QByteArray::fromRawData(folder.data(), folder.size()), node);
        return node;
    }

    void walk(int node, Qt::SortOrder order, const NaturalOrder& natural, std::vector<int>& rows)
    {
        std::vector<FolderNode::Entry> entries =
            std::move(m_nodes[static_cast<std::size_t>(node)].entries);
        // Keys for this folder's names only, so only one folder's keys are held at a time.
        std::string keys;
        std::vector<std::size_t> at;
        at.reserve(entries.size());
        for (const FolderNode::Entry& entry : entries) {
            at.push_back(keys.size());
            natural.appendKey(nameOf(entry), keys);
        }
        std::vector<std::size_t> places(entries.size());
        std::iota(places.begin(), places.end(), 0);
        const auto key = [&](std::size_t i) { return std::string_view(keys.data() + at[i]); };
        std::stable_sort(places.begin(), places.end(), [&](std::size_t a, std::size_t b) {
            const int compared = key(a).compare(key(b));
            if (compared != 0)
                return order == Qt::AscendingOrder ? compared < 0 : compared > 0;
            return !entries[a].isFolder && entries[b].isFolder;
        });
        keys = {};
        for (const std::size_t place : places) {
            const FolderNode::Entry& entry = entries[place];
            if (entry.isFolder)
                walk(entry.index, order, natural, rows);
            else
                rows.push_back(entry.index);
        }
    }

    QByteArrayView nameOf(const FolderNode::Entry& entry) const
    {
        if (entry.isFolder)
            return m_nodes[static_cast<std::size_t>(entry.index)].name;
        const QByteArrayView path = m_table.textView(entry.index);
        return path.sliced(path.lastIndexOf('/') + 1);
    }

    const TextTable& m_table;
    std::vector<FolderNode> m_nodes;
    QHash<QByteArray, int> m_index; // folder path to node
};

} // namespace

std::vector<int> orderByPath(const TextTable& table, Qt::SortOrder order,
                             const NaturalOrder& natural)
{
    return PathTree(table).rows(order, natural, static_cast<std::size_t>(table.rows()));
}

std::vector<int> orderBySubItem(const TextTable& table, int k, Qt::SortOrder order,
                                const NaturalOrder& natural)
{
    std::vector<int> rows = allRows(table);
    bool keyed = false;
    for (int row = 0; row < table.rows() && !keyed; ++row)
        keyed = table.subItemKey(row, k) != TextTable::kNoKey;
    if (keyed) {
        std::vector<qint64> keys(rows.size());
        for (const int row : rows)
            keys[static_cast<std::size_t>(row)] = table.subItemKey(row, k);
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
            const qint64 x = keys[static_cast<std::size_t>(a)];
            const qint64 y = keys[static_cast<std::size_t>(b)];
            if (x == TextTable::kNoKey || y == TextTable::kNoKey)
                return y == TextTable::kNoKey && x != TextTable::kNoKey; // none last
            return order == Qt::AscendingOrder ? x < y : x > y;
        });
        return rows;
    }
    std::string keys;
    std::vector<std::size_t> at(rows.size());
    QByteArray cell;
    for (const int row : rows) {
        at[static_cast<std::size_t>(row)] = keys.size();
        cell.resize(0);
        table.appendCellUtf8(row, k, cell);
        if (cell.isEmpty())
            keys.push_back('\0'); // no key: sorted apart below
        else
            natural.appendKey(cell, keys);
    }
    const auto key = [&](int row) {
        return std::string_view(keys.data() + at[static_cast<std::size_t>(row)]);
    };
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        if (key(a).empty() || key(b).empty())
            return key(b).empty() && !key(a).empty(); // empty last
        const int compared = key(a).compare(key(b));
        return order == Qt::AscendingOrder ? compared < 0 : compared > 0;
    });
    return rows;
}

} // namespace quillfen
