// How the heap is watched. In a plain build this binary's own malloc family
// takes every call made in the process (the dynamic linker finds the
// executable's definitions first), notes it, and hands it to the C
// library's. Under AddressSanitizer, whose allocator must keep serving every
// block, its allocation hook and its own count of bytes held are used.
#include "tests/support/heap_watch.h"

#include <atomic>
#include <cstddef>

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};
thread_local int uncounted = 0;

void NoteAllocation() {
    if (counting.load(std::memory_order_relaxed) && uncounted == 0)
        allocations.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace

namespace heap_watch {

void StartCounting() {
    allocations = 0;
    counting = true;
}

long StopCounting() {
    counting = false;
    return allocations;
}

Uncounted::Uncounted() : saved(uncounted) { ++uncounted; }
Uncounted::~Uncounted() { uncounted = saved; }

Counted::Counted() : saved(uncounted) { uncounted = 0; }
Counted::~Counted() { uncounted = saved; }

}  // namespace heap_watch

#if defined(__SANITIZE_ADDRESS__)

extern "C" {

size_t __sanitizer_get_current_allocated_bytes();

// Called by the sanitizer's allocator for every block it hands out.
void __sanitizer_malloc_hook(const volatile void*, size_t) { NoteAllocation(); }

}  // extern "C"

long long heap_watch::LiveBytes() { return static_cast<long long>(__sanitizer_get_current_allocated_bytes()); }

#else

#include <malloc.h>

namespace {

std::atomic<long long> liveBytes{0};

void* Allocated(void* block) {
    NoteAllocation();
    if (block) liveBytes.fetch_add(malloc_usable_size(block), std::memory_order_relaxed);
    return block;
}

void Freeing(void* block) {
    if (block) liveBytes.fetch_sub(malloc_usable_size(block), std::memory_order_relaxed);
}

}  // namespace

long long heap_watch::LiveBytes() { return liveBytes.load(); }

extern "C" {

void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void* __libc_valloc(size_t size);
void* __libc_pvalloc(size_t size);
void __libc_free(void* block);

void* malloc(size_t size) { return Allocated(__libc_malloc(size)); }
void* calloc(size_t count, size_t size) { return Allocated(__libc_calloc(count, size)); }

void* realloc(void* block, size_t size) {
    Freeing(block);
    void* moved = __libc_realloc(block, size);
    if (!moved && size) {  // failed: the old block stays
        liveBytes.fetch_add(malloc_usable_size(block), std::memory_order_relaxed);
        return nullptr;
    }
    return Allocated(moved);
}

void* reallocarray(void* block, size_t count, size_t size) {
    size_t bytes;
    if (__builtin_mul_overflow(count, size, &bytes)) return nullptr;
    return realloc(block, bytes);
}

void* memalign(size_t alignment, size_t size) { return Allocated(__libc_memalign(alignment, size)); }
void* aligned_alloc(size_t alignment, size_t size) { return Allocated(__libc_memalign(alignment, size)); }
void* valloc(size_t size) { return Allocated(__libc_valloc(size)); }
void* pvalloc(size_t size) { return Allocated(__libc_pvalloc(size)); }

int posix_memalign(void** block, size_t alignment, size_t size) {
    void* made = __libc_memalign(alignment, size);
    if (!made) return 12;  // ENOMEM
    *block = Allocated(made);
    return 0;
}

void free(void* block) {
    Freeing(block);
    __libc_free(block);
}

}  // extern "C"

#endif
