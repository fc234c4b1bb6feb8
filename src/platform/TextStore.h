#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <vector>

namespace quillfen {

// Append-only storage for many short texts, kept as UTF-8 in large blocks, so a million paths
// and dates cost little more than their characters (no allocation and header per text). A
// text is named by a 64-bit reference; the empty text is reference 0. Replacing a text
// leaves the old bytes in place until clear().
class TextStore {
public:
    using Ref = std::uint64_t;

    Ref add(QStringView text);
    // Adds text that is already valid UTF-8.
    Ref addUtf8(QByteArrayView utf8);
    QString text(Ref ref) const;
    // Length in UTF-16 code units, without building the text.
    qsizetype length(Ref ref) const;
    void appendUtf8To(Ref ref, QByteArray& out) const;
    void clear();

private:
    static constexpr unsigned kOffsetBits = 22; // blocks of 4 MiB
    static constexpr unsigned kSizeBits = 21;   // a text of up to 2 MiB of UTF-8
    static constexpr std::size_t kBlockSize = std::size_t(1) << kOffsetBits;

    struct Bytes {
        const char* data;
        std::size_t size;
    };
    Bytes bytes(Ref ref) const;
    char* reserve(std::size_t size, std::size_t& block, std::size_t& offset);

    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::vector<char> m_scratch;
    std::size_t m_used = kBlockSize; // bytes used in the last block; full before the first
};

} // namespace quillfen
