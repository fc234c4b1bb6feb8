#pragma once

// Layer snapshot: listings kept to compare with later; uses files, dates, table, base and Qt
// Core.

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>
#include <type_traits>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quillfen {

// Memory for the arrays of a million records. Where it is large, Linux is asked to back it by
// huge pages: faulting in that many 4 KiB pages cost about a third of reading the snapshot.
// Nothing is initialized, so pages are touched only as they are filled.
struct FreeLarge {
    void operator()(void* p) const { std::free(p); }
};

template <typename T> using LargeArray = std::unique_ptr<T[], FreeLarge>;

template <typename T> LargeArray<T> allocateLarge(std::size_t count, bool huge)
{
    static_assert(
        std::is_trivially_default_constructible_v<T> && std::is_trivially_destructible_v<T>);
    constexpr std::size_t kHugePage = std::size_t(2) << 20;
    std::size_t bytes = std::max<std::size_t>(1, count * sizeof(T));
    void* memory = nullptr;
    if (huge && bytes >= kHugePage) {
        bytes = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        memory = std::aligned_alloc(kHugePage, bytes);
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        if (memory != nullptr)
            ::madvise(memory, bytes, MADV_HUGEPAGE); // only advice: without it, small pages
#endif
    } else {
        memory = std::malloc(bytes);
    }
    if (memory == nullptr)
        throw std::bad_alloc();
    return LargeArray<T>(static_cast<T*>(memory));
}

} // namespace quillfen
