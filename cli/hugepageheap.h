#pragma once

namespace dorva {

// A command on a file of megabytes makes a few buffers of its size: the file as read, a long
// briefing, the bytes it writes. Where every fresh 4 KiB page costs a fault of microseconds
// (as on virtual machines), those faults cost more than the command's own work. This keeps
// such buffers on the heap and asks the kernel for transparent huge pages there, 2 MiB a
// fault. Meant for a short-lived process: the heap keeps what it grows. Does nothing where
// malloc is not glibc's own, as under a sanitizer or valgrind.
class HugePageHeap {
public:
    HugePageHeap();
    ~HugePageHeap();
    HugePageHeap(const HugePageHeap&) = delete;
    HugePageHeap& operator=(const HugePageHeap&) = delete;

    // Whether the heap's room for large buffers now asks for huge pages.
    bool active() const { return active_; }

private:
    void* belowBoundary_ = nullptr; // fills the heap below its first 2 MiB boundary
    bool active_ = false;
};

} // namespace dorva
