#pragma once

// Layer table: the text table, its order and the writers that turn it into bytes; uses base,
// Qt Core, libxlsxwriter and ICU.

#include "table/TextStore.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <memory>

#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillfen {

// Append-only storage for the paths of a list, each split at its last separator into a
// folder, held once however many paths it has, and a name: a tree of ten million files in
// about a hundred thousand folders costs its names and little more. A path is named by a
// 32-bit reference (0 is the empty path); the bytes it names never change, so the store can be
// shared by several lists (the file list and the results made from it) and read on another
// thread through frozen(). Any bytes go in and come out the same, UTF-8 or not; a text with
// no separator, or with nothing after its last one (a root, a folder's own path), is held
// whole.
class PathStore {
public:
    using Ref = quint32;
    static constexpr quint32 kWhole = 0xFFFFFFFFu; // the folder of a text held whole

    // Shared, never copied: two copies would write into the same blocks.
    PathStore() = default;
    PathStore(const PathStore&) = delete;
    PathStore& operator=(const PathStore&) = delete;

    // A path in its two pieces, as views into the store's bytes.
    struct Pieces {
        quint32 folderIndex = kWhole; // the same for every path of the same folder text
        QByteArrayView folder;        // up to and with the last separator; empty when whole
        QByteArrayView name;

        qsizetype size() const { return folder.size() + name.size(); }
        void appendTo(QByteArray& out) const
        {
            out.append(folder);
            out.append(name);
        }
    };

    Ref add(QByteArrayView bytes);
    Ref add(QStringView text);

    Pieces pieces(Ref ref) const;
    // The path in one piece: where the store keeps it when it is held whole, else put
    // together in `scratch`; valid until either changes.
    QByteArrayView view(Ref ref, QByteArray& scratch) const;
    QString text(Ref ref) const;
    // The paths stored so far, readable on another thread while this store goes on.
    class Frozen {
    public:
        Pieces pieces(Ref ref) const;
        quint32 folders() const { return static_cast<quint32>(m_folders.size()); }

    private:
        friend class PathStore;
        std::vector<std::shared_ptr<const char[]>> m_blocks;
        TextStore::Frozen m_folderBytes;
        std::vector<TextStore::Ref> m_folders;
    };
    Frozen frozen() const;

private:
    using Blocks = std::vector<std::shared_ptr<const char[]>>;
    template <typename FolderBytes>
    static Pieces piecesIn(const Blocks& blocks, const FolderBytes& folderBytes,
                           const std::vector<TextStore::Ref>& folders, Ref ref);
    quint32 folderIndex(QByteArrayView folder);

    // Each path in blocks of its own, at a multiple of four bytes (which the reference counts):
    // its folder's index (4 bytes, native order), its name's size (1 byte, or 0xFF and 4
    // more), its name. Each folder once, as a text of its own.
    Blocks m_blocks;
    char* m_writeData = nullptr; // the last block's bytes,
    std::size_t m_used = 0;      // and how many of them are used
    TextStore m_folderBytes;
    std::vector<TextStore::Ref> m_folders; // by index
    // Folder text to index; the views point into the store's blocks, which never move.
    std::unordered_map<std::string_view, quint32> m_folderIndex;
    quint32 m_lastFolder = kWhole; // paths come folder by folder: most repeat the last one
};

} // namespace quillfen
