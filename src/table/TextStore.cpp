#include "table/TextStore.h"
#include "base/Texts.h"

#include "base/Failure.h"
#include "base/Utf8.h"

#include <QStringEncoder>

#include <algorithm>
#include <cstring>

namespace quillfen {

char* TextStore::reserve(std::size_t size, std::size_t& block, std::size_t& offset)
{
    if (m_writeBlock == kNoBlock || m_used + size > kBlockSize) {
        // Not zeroed: a page is only touched when text is written to it.
        std::shared_ptr<char[]> fresh = std::make_shared_for_overwrite<char[]>(kBlockSize);
        m_writeData = fresh.get();
        m_blocks.push_back(std::move(fresh));
        m_writeBlock = m_blocks.size() - 1;
        m_used = 0;
    }
    block = m_writeBlock;
    offset = m_used;
    m_used += size;
    return m_writeData + offset;
}

TextStore::Ref TextStore::makeRef(std::size_t block, std::size_t offset, std::size_t size)
{
    return (Ref(block) << (kOffsetBits + kSizeBits)) | (Ref(offset) << kSizeBits) | Ref(size);
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
    if (size >= (std::size_t(1) << kSizeBits) || size > kBlockSize)
        throw Failure(texts::kTextTooLong());
    std::size_t block = 0;
    std::size_t offset = 0;
    std::memcpy(reserve(size, block, offset), utf8.data(), size);
    return makeRef(block, offset, size);
}

TextStore::Ref TextStore::add(const Shared& text)
{
    if (text.size == 0)
        return 0;
    if (text.block.get() != m_lastSharedBlock) {
        const auto held = std::find_if(m_blocks.begin(), m_blocks.end(), [&](const auto& block) {
            return block.get() == text.block.get();
        });
        if (held == m_blocks.end()) {
            m_blocks.push_back(text.block);
            m_lastSharedIndex = m_blocks.size() - 1;
        } else {
            m_lastSharedIndex = static_cast<std::size_t>(held - m_blocks.begin());
        }
        m_lastSharedBlock = text.block.get();
    }
    return makeRef(m_lastSharedIndex, text.offset, text.size);
}

TextStore::Shared TextStore::shared(Ref ref) const
{
    if (ref == 0)
        return {};
    const std::size_t offset = (ref >> kSizeBits) & ((Ref(1) << kOffsetBits) - 1);
    const std::size_t block = ref >> (kOffsetBits + kSizeBits);
    return {m_blocks[block], offset, ref & ((Ref(1) << kSizeBits) - 1)};
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

QString TextStore::text(Ref ref) const
{
    const Bytes b = bytes(ref);
    if (b.size == 0)
        return {};
    if (isAscii(QByteArrayView(b.data, static_cast<qsizetype>(b.size))))
        return QString::fromLatin1(b.data, static_cast<qsizetype>(b.size));
    return QString::fromUtf8(b.data, static_cast<qsizetype>(b.size));
}

qsizetype TextStore::length(Ref ref) const
{
    const Bytes b = bytes(ref);
    return utf16Length(QByteArrayView(b.data, static_cast<qsizetype>(b.size)));
}

void TextStore::appendUtf8To(Ref ref, QByteArray& out) const
{
    const Bytes b = bytes(ref);
    out.append(b.data, static_cast<qsizetype>(b.size));
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
    m_writeBlock = kNoBlock;
    m_writeData = nullptr;
    m_used = 0;
    m_lastSharedBlock = nullptr;
}

} // namespace quillfen
