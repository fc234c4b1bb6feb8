#include "table/TableSort.h"

#include "table/NaturalOrder.h"
#include "table/TextTable.h"

#include <QByteArray>
#include <QHash>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>

#include <malloc.h>

namespace quillfen {

namespace {

// Thrown from deep inside a sort once it is to stop, and caught where it began.
struct Abandoned {};

// Looks at the stop flag every few thousand steps: often enough to give up within
// milliseconds, seldom enough to cost nothing.
class StopCheck {
public:
    explicit StopCheck(const std::atomic<bool>* stop)
        : m_stop(stop)
    {
    }
    void step()
    {
        if (m_stop != nullptr && (++m_steps & 0xFFFu) == 0
            && m_stop->load(std::memory_order_relaxed))
            throw Abandoned{};
    }

private:
    const std::atomic<bool>* m_stop;
    std::uint32_t m_steps = 0;
};

template <typename Work> std::optional<std::vector<int>> unlessStopped(Work&& work)
{
    try {
        return std::forward<Work>(work)();
    } catch (const Abandoned&) {
        return std::nullopt;
    }
}

std::vector<int> allRows(std::size_t count)
{
    std::vector<int> rows(count);
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

// A folder of the paths being ordered: its files (rows) and sub-folders (nodes), each with
// its name within the folder.
struct FolderNode {
    // A row, or a sub-folder's node; 4 bytes, as there is one for every row. A file comes
    // before a folder of the same name, as a path before its own.
    class Entry {
    public:
        static Entry row(int row) { return Entry(row); }
        static Entry folder(int node) { return Entry(~node); }
        bool isFolder() const { return m_value < 0; }
        int index() const { return m_value < 0 ? ~m_value : m_value; }

    private:
        explicit Entry(int value)
            : m_value(value)
        {
        }
        int m_value;
    };
    QByteArrayView name; // within its parent
    std::vector<Entry> entries;
};

class PathTree {
public:
    PathTree(const TextTable::ColumnCopy& paths, StopCheck& stop)
        : m_paths(paths)
        , m_stop(stop)
        , m_nodes(1) // the root: paths without a folder, and those right under "/"
    {
        // Paths come folder by folder, and a folder's node is looked up once by its index.
        std::vector<int> nodeOfFolder(paths.paths.folders(), -1);
        for (int row = 0; row < static_cast<int>(paths.pathRefs.size()); ++row) {
            m_stop.step();
            const PathStore::Pieces path = pathOf(row);
            int node = 0;
            if (path.folderIndex == PathStore::kWhole) {
                const qsizetype slash = path.name.lastIndexOf('/');
                node = nodeOf(slash < 0 ? QByteArrayView() : path.name.first(slash));
            } else {
                int& known = nodeOfFolder[path.folderIndex];
                if (known < 0)
                    known = nodeOf(path.folder.chopped(1)); // without its last separator
                node = known;
            }
            m_nodes[static_cast<std::size_t>(node)].entries.push_back(FolderNode::Entry::row(row));
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
        m_nodes[static_cast<std::size_t>(parent)].entries.push_back(
            FolderNode::Entry::folder(node));
        // The key's bytes live in the copy's blocks, which do not change.
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
            m_stop.step();
            at.push_back(keys.size());
            natural.appendKey(nameOf(entry), keys);
        }
        std::vector<std::size_t> places(entries.size());
        std::iota(places.begin(), places.end(), 0);
        const auto key = [&](std::size_t i) { return std::string_view(keys.data() + at[i]); };
        std::stable_sort(places.begin(), places.end(), [&](std::size_t a, std::size_t b) {
            m_stop.step();
            const int compared = key(a).compare(key(b));
            if (compared != 0)
                return order == Qt::AscendingOrder ? compared < 0 : compared > 0;
            return !entries[a].isFolder() && entries[b].isFolder();
        });
        keys = {};
        for (const std::size_t place : places) {
            const FolderNode::Entry& entry = entries[place];
            if (entry.isFolder())
                walk(entry.index(), order, natural, rows);
            else
                rows.push_back(entry.index());
        }
    }

    QByteArrayView nameOf(const FolderNode::Entry& entry) const
    {
        if (entry.isFolder())
            return m_nodes[static_cast<std::size_t>(entry.index())].name;
        const PathStore::Pieces path = pathOf(entry.index());
        return path.folderIndex == PathStore::kWhole
            ? path.name.sliced(path.name.lastIndexOf('/') + 1)
            : path.name;
    }

    PathStore::Pieces pathOf(int row) const
    {
        return m_paths.paths.pieces(m_paths.pathRefs[static_cast<std::size_t>(row)]);
    }

    const TextTable::ColumnCopy& m_paths;
    StopCheck& m_stop;
    std::vector<FolderNode> m_nodes;
    QHash<QByteArray, int> m_index; // folder path to node
};

} // namespace

std::optional<std::vector<int>> orderByPath(const TextTable::ColumnCopy& paths, Qt::SortOrder order,
                                            const NaturalOrder& natural,
                                            const std::atomic<bool>* stop)
{
    return unlessStopped([&] {
        StopCheck check(stop);
        std::vector<int> rows = PathTree(paths, check).rows(order, natural, paths.pathRefs.size());
        // The tree's many small blocks stay with the process once freed; handed back, they
        // make room for what comes next (40 MB at ten million rows).
        ::malloc_trim(0);
        return rows;
    });
}

std::optional<std::vector<int>> orderBySubItem(const TextTable::ColumnCopy& cells,
                                               Qt::SortOrder order, const NaturalOrder& natural,
                                               const std::atomic<bool>* stop)
{
    return unlessStopped([&] {
        StopCheck check(stop);
        if (!cells.keys.empty()) {
            std::vector<int> rows = allRows(cells.keys.size());
            const std::vector<qint64>& keys = cells.keys;
            std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
                check.step();
                const qint64 x = keys[static_cast<std::size_t>(a)];
                const qint64 y = keys[static_cast<std::size_t>(b)];
                if (x == TextTable::kNoKey || y == TextTable::kNoKey)
                    return y == TextTable::kNoKey && x != TextTable::kNoKey; // none last
                return order == Qt::AscendingOrder ? x < y : x > y;
            });
            return rows;
        }
        std::vector<int> rows = allRows(cells.refs.size());
        std::string keys;
        std::vector<std::size_t> at(rows.size());
        for (const int row : rows) {
            check.step();
            at[static_cast<std::size_t>(row)] = keys.size();
            const QByteArrayView cell = cells.texts.view(cells.refs[static_cast<std::size_t>(row)]);
            if (cell.isEmpty())
                keys.push_back('\0'); // no key: sorted apart below
            else
                natural.appendKey(cell, keys);
        }
        const auto key = [&](int row) {
            return std::string_view(keys.data() + at[static_cast<std::size_t>(row)]);
        };
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
            check.step();
            if (key(a).empty() || key(b).empty())
                return key(b).empty() && !key(a).empty(); // empty last
            const int compared = key(a).compare(key(b));
            return order == Qt::AscendingOrder ? compared < 0 : compared > 0;
        });
        return rows;
    });
}

} // namespace quillfen
