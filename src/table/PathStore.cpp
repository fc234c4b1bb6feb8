#include "table/PathStore.h"

#include "base/Failure.h"
#include "base/Texts.h"

#include <cstring>

namespace quillfen {

namespace {

constexpr unsigned kSlotBits = 20; // a block of 2^20 four-byte slots, 4 MiB
constexpr std::size_t kSlot = 4;
constexpr std::size_t kBlockSize = kSlot << kSlotBits;
constexpr std::size_t kMaxBlocks = std::size_t(1) << (32 - kSlotBits);
constexpr unsigned char kLongSize = 0xFF; // the name's size follows in 4 bytes

} // namespace

quint32 PathStore::folderIndex(QByteArrayView folder)
{
    if (m_lastFolder != kWhole && m_folderBytes.equals(m_folders[m_lastFolder], folder))
        return m_lastFolder;
    const std::string_view key(folder.data(), static_cast<std::size_t>(folder.size()));
    const auto found = m_folderIndex.find(key);
    if (found != m_folderIndex.end()) {
        m_lastFolder = found->second;
        return m_lastFolder;
    }
    const TextStore::Ref ref = m_folderBytes.addUtf8(folder);
    m_lastFolder = static_cast<quint32>(m_folders.size());
    m_folders.push_back(ref);
    const QByteArrayView stored = m_folderBytes.view(ref);
    m_folderIndex.emplace(std::string_view(stored.data(), static_cast<std::size_t>(stored.size())),
                          m_lastFolder);
    return m_lastFolder;
}

PathStore::Ref PathStore::add(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return 0;
    const qsizetype slash = bytes.lastIndexOf('/');
    const bool whole = slash < 0 || slash == bytes.size() - 1;
    const quint32 folder = whole ? kWhole : folderIndex(bytes.first(slash + 1));
    const QByteArrayView name = whole ? bytes : bytes.sliced(slash + 1);
    const auto nameSize = static_cast<std::size_t>(name.size());
    const std::size_t head = sizeof folder + (nameSize < kLongSize ? 1 : 1 + sizeof(quint32));
    const std::size_t size = (head + nameSize + kSlot - 1) / kSlot * kSlot;
    if (size > kBlockSize)
        throw Failure(texts::kTextTooLong());
    // Slot 0 of the first block is never used: reference 0 is the empty path.
    if (m_writeData == nullptr || m_used + size > kBlockSize) {
        if (m_blocks.size() == kMaxBlocks)
            throw Failure(texts::kTextTooLong());
        // Not zeroed: a page is only touched when a path is written to it.
        std::shared_ptr<char[]> fresh = std::make_shared_for_overwrite<char[]>(kBlockSize);
        m_writeData = fresh.get();
        m_blocks.push_back(std::move(fresh));
        m_used = m_blocks.size() == 1 ? kSlot : 0;
    }
    char* at = m_writeData + m_used;
    const auto ref = static_cast<Ref>(((m_blocks.size() - 1) << kSlotBits) | (m_used / kSlot));
    m_used += size;
    std::memcpy(at, &folder, sizeof folder);
    at += sizeof folder;
    if (nameSize < kLongSize) {
        *at++ = static_cast<char>(nameSize);
    } else {
        *at++ = static_cast<char>(kLongSize);
        const auto longSize = static_cast<quint32>(nameSize);
        std::memcpy(at, &longSize, sizeof longSize);
        at += sizeof longSize;
    }
    std::memcpy(at, name.data(), nameSize);
    return ref;
}

PathStore::Ref PathStore::add(QStringView text)
{
    if (text.isEmpty())
        return 0;
    const QByteArray utf8 = text.toUtf8();
    return add(QByteArrayView(utf8));
}

template <typename FolderBytes>
PathStore::Pieces PathStore::piecesIn(const Blocks& blocks, const FolderBytes& folderBytes,
                                      const std::vector<TextStore::Ref>& folders, Ref ref)
{
    if (ref == 0)
        return {};
    const char* at = blocks[ref >> kSlotBits].get() + (ref & ((Ref(1) << kSlotBits) - 1)) * kSlot;
    Pieces pieces;
    std::memcpy(&pieces.folderIndex, at, sizeof pieces.folderIndex);
    at += sizeof pieces.folderIndex;
    std::size_t nameSize = static_cast<unsigned char>(*at++);
    if (nameSize == kLongSize) {
        quint32 longSize = 0;
        std::memcpy(&longSize, at, sizeof longSize);
        at += sizeof longSize;
        nameSize = longSize;
    }
    pieces.name = QByteArrayView(at, static_cast<qsizetype>(nameSize));
    if (pieces.folderIndex != kWhole)
        pieces.folder = folderBytes.view(folders[pieces.folderIndex]);
    return pieces;
}

PathStore::Pieces PathStore::pieces(Ref ref) const
{
    return piecesIn(m_blocks, m_folderBytes, m_folders, ref);
}

PathStore::Pieces PathStore::Frozen::pieces(Ref ref) const
{
    return piecesIn(m_blocks, m_folderBytes, m_folders, ref);
}

QByteArrayView PathStore::view(Ref ref, QByteArray& scratch) const
{
    const Pieces path = pieces(ref);
    if (path.folder.isEmpty())
        return path.name;
    scratch.resize(0);
    path.appendTo(scratch);
    return scratch;
}

QString PathStore::text(Ref ref) const
{
    QByteArray scratch;
    return QString::fromUtf8(view(ref, scratch));
}

PathStore::Frozen PathStore::frozen() const
{
    Frozen frozen;
    frozen.m_blocks = m_blocks;
    frozen.m_folderBytes = m_folderBytes.frozen();
    frozen.m_folders = m_folders;
    return frozen;
}

} // namespace quillfen
