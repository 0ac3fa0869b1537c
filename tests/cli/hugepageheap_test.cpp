#include "cli/hugepageheap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace dorva::test {
namespace {

// The kernel's flags of the mapping holding address, from /proc/self/smaps ("" if none).
std::string mappingFlags(const void* address) {
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    bool inside = false;
    while (std::getline(smaps, line)) {
        std::uintptr_t low = 0;
        std::uintptr_t high = 0;
        char dash = 0;
        std::istringstream range(line);
        if (range >> std::hex >> low >> dash >> high && dash == '-' && line.find(' ') != 0)
            inside = low <= at && at < high;
        else if (inside && line.rfind("VmFlags:", 0) == 0)
            return line;
    }
    return "";
}

// The set-up is made for a fresh process, as dorva-cli's first step: after earlier tests have
// freed large blocks, malloc has room without growing the heap. So the check runs in a process
// of its own (the test program started again for this test alone) and exits 0 when it holds.
void checkLargeBuffers() {
    const HugePageHeap heap;
    bool held = heap.active();
    for (const std::size_t size : {std::size_t{4} << 20, std::size_t{16} << 20}) {
        const std::string file(size, 'x');
        held = held && mappingFlags(file.data()).find(" hg") != std::string::npos &&
               mappingFlags(file.data() + size - 1).find(" hg") != std::string::npos;
    }
    std::exit(held ? 0 : 1);
}

// Large buffers made after the set-up, as the file a command reads, lie in memory that asks
// for huge pages; one that failed to grow the heap or to advise it leaves them in small pages.
TEST(HugePageHeap, LargeBuffersGetMemoryThatAsksForHugePages) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's malloc keeps its own memory";
#endif
    if (!std::filesystem::exists("/sys/kernel/mm/transparent_hugepage/enabled"))
        GTEST_SKIP() << "this kernel has no transparent huge pages";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(checkLargeBuffers(), testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace dorva::test
