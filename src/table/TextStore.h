#pragma once

// Layer table: the text table, its order and the writers that turn it into bytes; uses base,
// Qt Core, libxlsxwriter and ICU.

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <vector>

namespace quillfen {

// Append-only storage for many short texts, kept as UTF-8 in large blocks, so a million
// dates cost little more than their characters (no allocation and header per text). A text
// is named by a 64-bit reference; the empty text is reference 0. Replacing a text leaves the
// old bytes in place until clear(). A block lives while the store or a Frozen copy holds it.
class TextStore {
public:
    using Ref = std::uint64_t;

    Ref add(QStringView text);
    // Adds text that is already UTF-8 (or any bytes, which come out as they went in).
    Ref addUtf8(QByteArrayView utf8);

    // The texts stored so far, to be read on another thread while this store goes on: it
    // shares the blocks, whose bytes never change once written, so it reads them unlocked and
    // whatever becomes of the store (clear() included).
    class Frozen {
    public:
        QByteArrayView view(Ref ref) const;

    private:
        friend class TextStore;
        std::vector<std::shared_ptr<const char[]>> m_blocks;
    };
    Frozen frozen() const;
    // The text's bytes where the store keeps them, valid while the store lives.
    QByteArrayView view(Ref ref) const
    {
        const Bytes b = bytes(ref);
        return {b.data, static_cast<qsizetype>(b.size)};
    }
    bool equals(Ref ref, QByteArrayView utf8) const;
    void clear();

private:
    static constexpr unsigned kOffsetBits = 22; // blocks of 4 MiB
    static constexpr unsigned kSizeBits = 21;   // a text of up to 2 MiB of UTF-8
    // The rest of a reference names the block: far more than memory holds.
    static constexpr std::size_t kBlockSize = std::size_t(1) << kOffsetBits;

    struct Bytes {
        const char* data;
        std::size_t size;
    };
    using Blocks = std::vector<std::shared_ptr<const char[]>>;
    static Bytes bytesIn(const Blocks& blocks, Ref ref);
    Bytes bytes(Ref ref) const { return bytesIn(m_blocks, ref); }
    // Room for a text of `size` bytes, and the reference it will have.
    char* reserve(std::size_t size, Ref& ref);

    Blocks m_blocks;
    char* m_writeData = nullptr; // the last block's bytes, where new texts go,
    std::size_t m_used = 0;      // and how many are used
    std::vector<char> m_scratch;
};

} // namespace quillfen
