#include "cli/hugepageheap.h"

#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace dorva {

namespace {

constexpr std::uintptr_t kHugePage = 2u << 20;
// Room for the largest file the editor opens and the copies a command makes of it.
constexpr int kRoom = 64 << 20;
// glibc's highest threshold: blocks below it come from the heap, not from mappings of their own.
constexpr int kOwnMappingAbove = 32 << 20;
constexpr std::size_t kProbe = 8u << 20;

std::uintptr_t address(const void* p) {
    return reinterpret_cast<std::uintptr_t>(p);
}

} // namespace

HugePageHeap::HugePageHeap() {
#ifdef __GLIBC__
    // The heap grows by the room at once and never shrinks, so all of it can be advised now.
    if (mallopt(M_MMAP_THRESHOLD, kOwnMappingAbove) != 1 || mallopt(M_TOP_PAD, kRoom) != 1 ||
        mallopt(M_TRIM_THRESHOLD, 2 * kRoom) != 1)
        return;
    const std::uintptr_t breakBefore = address(sbrk(0));
    // The volatile pointer keeps the compiler from dropping the block that grows the heap.
    void* volatile probe = std::malloc(kProbe);
    const std::uintptr_t begin = address(probe);
    std::free(probe);
    const std::uintptr_t end = address(sbrk(0));
    // A malloc that did not take the block from the program break has nothing to advise.
    if (begin == 0 || end < breakBefore + kProbe || begin + kProbe > end)
        return;
    const std::uintptr_t from = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t to = end & ~(kHugePage - 1);
    if (to <= from || madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE) != 0)
        return;
    // The freed block is the heap's free end again. A block as long as its part below the
    // boundary fills that part (malloc's bookkeeping makes it a little longer), so the next
    // large buffer starts above the boundary, in huge pages from its first byte.
    if (from > begin)
        belowBoundary_ = std::malloc(from - begin);
    active_ = true;
#endif
}

HugePageHeap::~HugePageHeap() {
    std::free(belowBoundary_);
}

} // namespace dorva
