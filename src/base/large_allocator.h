// Memory for the assembler's largest arrays. On Linux a request of a huge page or more is mapped
// on its own, so that giving it back returns it to the system at once, and the system is asked
// to back it with huge pages where it can: a run of a million source lines fills some 100 MB,
// and faulting that in 4 KiB pages took a fifth of the run.
#ifndef TEVLIN_BASE_LARGE_ALLOCATOR_H_
#define TEVLIN_BASE_LARGE_ALLOCATOR_H_

#include <cstddef>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

constexpr size_t kHugePage = size_t{1} << 21;

/// Returns bytes of uninitialised memory; give it back with Free_large and the same size.
inline void* Allocate_large(size_t bytes) {
#ifdef __linux__
    if (bytes >= kHugePage) {
        void* memory =
            mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED) throw std::bad_alloc();
        madvise(memory, bytes, MADV_HUGEPAGE);
        return memory;
    }
#endif
    return ::operator new(bytes);
}

inline void Free_large(void* memory, [[maybe_unused]] size_t bytes) {
#ifdef __linux__
    if (bytes >= kHugePage) {
        munmap(memory, bytes);
        return;
    }
#endif
    ::operator delete(memory);
}

// Allocator for standard containers that may grow large.
template <class T>
struct LargeAllocator {
    using value_type = T;

    LargeAllocator() = default;
    template <class U>
    explicit LargeAllocator(const LargeAllocator<U>& /*other*/) {}

    T* allocate(size_t n) { return static_cast<T*>(Allocate_large(n * sizeof(T))); }
    void deallocate(T* memory, size_t n) { Free_large(memory, n * sizeof(T)); }

    friend bool operator==(const LargeAllocator&, const LargeAllocator&) { return true; }
    friend bool operator!=(const LargeAllocator&, const LargeAllocator&) { return false; }
};

#endif  // TEVLIN_BASE_LARGE_ALLOCATOR_H_
