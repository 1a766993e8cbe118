#include "HeapCounter.h"

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <malloc.h>

// The executable's own malloc family takes precedence over glibc's for Qt and the standard library too; each
// forwards to glibc's implementation and keeps the usable size of every block in the count.
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);
void __libc_free(void*);
}

namespace {

std::atomic<std::int64_t> inUse{0};
std::atomic<std::int64_t> highest{0};

void added(void* p) {
    if (!p)
        return;
    const std::int64_t now = inUse.fetch_add(std::int64_t(malloc_usable_size(p)), std::memory_order_relaxed) +
                             std::int64_t(malloc_usable_size(p));
    std::int64_t top = highest.load(std::memory_order_relaxed);
    while (now > top && !highest.compare_exchange_weak(top, now, std::memory_order_relaxed)) {
    }
}

void removed(void* p) {
    if (p)
        inUse.fetch_sub(std::int64_t(malloc_usable_size(p)), std::memory_order_relaxed);
}

} // namespace

namespace heap {

std::int64_t startPeak() {
    const std::int64_t now = inUse.load(std::memory_order_relaxed);
    highest.store(now, std::memory_order_relaxed);
    return now;
}

std::int64_t peak() {
    return highest.load(std::memory_order_relaxed);
}

} // namespace heap

extern "C" {

void* malloc(size_t size) {
    void* p = __libc_malloc(size);
    added(p);
    return p;
}

void* calloc(size_t n, size_t size) {
    void* p = __libc_calloc(n, size);
    added(p);
    return p;
}

void* realloc(void* old, size_t size) {
    removed(old);
    void* p = __libc_realloc(old, size);
    // A failed realloc keeps the old block.
    added(p ? p : (size ? old : nullptr));
    return p;
}

void free(void* p) {
    removed(p);
    __libc_free(p);
}

void* memalign(size_t alignment, size_t size) {
    void* p = __libc_memalign(alignment, size);
    added(p);
    return p;
}

void* aligned_alloc(size_t alignment, size_t size) {
    return memalign(alignment, size);
}

int posix_memalign(void** out, size_t alignment, size_t size) {
    void* p = memalign(alignment, size);
    if (!p)
        return ENOMEM;
    *out = p;
    return 0;
}

void* valloc(size_t size) {
    return memalign(4096, size);
}

void* pvalloc(size_t size) {
    return memalign(4096, (size + 4095) & ~size_t(4095));
}

} // extern "C"
