// The program's own operator new: big blocks are backed by huge pages.
//
// A big document's text and line table are each one block (a gigabyte file:
// a gigabyte of text, a quarter of that in line starts). Scintilla fills a new
// text block with zeros before the file is copied in, so every 4 KB page of it
// is faulted in and cleared one by one; with 2 MB pages there are 512 times
// fewer faults, and opening a gigabyte takes about half the time. The kernel
// gives huge pages to memory that asks for them (the system's default, "madvise");
// where it gives them always or never, the advice changes nothing.
//
// Blocks of 32 MB or more are always mapped afresh by the C library (that is
// the largest threshold it uses for mapping), so the advice reaches memory
// that nobody has touched yet, and freeing unmaps it as usual. Smaller
// blocks are left exactly as the library makes them.
#include <cstdint>
#include <cstdlib>
#include <new>

#include <sys/mman.h>

namespace {

constexpr std::size_t kHugeFrom = std::size_t(32) << 20;
constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;

void adviseHugePages(void* block, std::size_t size) {
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = (start + size) & ~(kHugePage - 1);
    if (end > first)
        madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

void* tryAllocate(std::size_t size) noexcept {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block && size >= kHugeFrom)
        adviseHugePages(block, size);
    return block;
}

// As the standard's operator new: the new-handler is called until it gives up.
void* allocate(std::size_t size) {
    for (;;) {
        if (void* block = tryAllocate(size))
            return block;
        const std::new_handler handler = std::get_new_handler();
        if (!handler)
            throw std::bad_alloc();
        handler();
    }
}

} // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }

void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }
