#include "table/TextStore.h"
#include "base/Texts.h"

#include "base/Failure.h"

#include <QStringEncoder>

#include <cstring>

namespace quillfen {

char* TextStore::reserve(std::size_t size, Ref& ref)
{
    if (size >= (std::size_t(1) << kSizeBits) || size > kBlockSize)
        throw Failure(texts::kTextTooLong());
    if (m_writeData == nullptr || m_used + size > kBlockSize) {
        // Not zeroed: a page is only touched when text is written to it.
        std::shared_ptr<char[]> fresh = std::make_shared_for_overwrite<char[]>(kBlockSize);
        m_writeData = fresh.get();
        m_blocks.push_back(std::move(fresh));
        m_used = 0;
    }
    ref = (Ref(m_blocks.size() - 1) << (kOffsetBits + kSizeBits)) | (Ref(m_used) << kSizeBits)
        | Ref(size);
    char* at = m_writeData + m_used;
    m_used += size;
    return at;
}

TextStore::Ref TextStore::add(QStringView text)
{
    if (text.isEmpty())
        return 0;
    // Encoded into a reused buffer: at most three bytes per UTF-16 unit.
    m_scratch.resize(static_cast<std::size_t>(text.size()) * 3);
    QStringEncoder encoder(QStringEncoder::Utf8);
    char* end = encoder.appendToBuffer(m_scratch.data(), text);
    return addUtf8(QByteArrayView(m_scratch.data(), end - m_scratch.data()));
}

TextStore::Ref TextStore::addUtf8(QByteArrayView utf8)
{
    const auto size = static_cast<std::size_t>(utf8.size());
    if (size == 0)
        return 0;
    Ref ref = 0;
    std::memcpy(reserve(size, ref), utf8.data(), size);
    return ref;
}

TextStore::Bytes TextStore::bytesIn(const Blocks& blocks, Ref ref)
{
    if (ref == 0)
        return {nullptr, 0};
    const std::size_t size = ref & ((Ref(1) << kSizeBits) - 1);
    const std::size_t offset = (ref >> kSizeBits) & ((Ref(1) << kOffsetBits) - 1);
    const std::size_t block = ref >> (kOffsetBits + kSizeBits);
    return {blocks[block].get() + offset, size};
}

TextStore::Frozen TextStore::frozen() const
{
    Frozen frozen;
    frozen.m_blocks = m_blocks;
    return frozen;
}

QByteArrayView TextStore::Frozen::view(Ref ref) const
{
    const Bytes b = bytesIn(m_blocks, ref);
    return {b.data, static_cast<qsizetype>(b.size)};
}

bool TextStore::equals(Ref ref, QByteArrayView utf8) const
{
    const Bytes b = bytes(ref);
    return b.size == static_cast<std::size_t>(utf8.size())
        && (b.size == 0 || std::memcmp(b.data, utf8.data(), b.size) == 0);
}

void TextStore::clear()
{
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_writeData = nullptr;
    m_used = 0;
}

} // namespace quillfen
