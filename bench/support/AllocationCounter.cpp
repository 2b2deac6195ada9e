// Stands in front of libc's allocator for this program and everything it loads, counting every
// allocation. operator new ends in malloc, so C++ allocations are counted too.
#include "support/AllocationCounter.h"

#include <atomic>
#include <cstddef>

extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void* __libc_memalign(std::size_t, std::size_t);
void __libc_free(void*);
}

namespace {

std::atomic<std::uint64_t> gAllocations{0}; // the counter cannot live anywhere but here

void count() {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
}

} // namespace

std::uint64_t allocationsSoFar() {
    return gAllocations.load(std::memory_order_relaxed);
}

extern "C" {

void* malloc(std::size_t inSize) {
    count();
    return __libc_malloc(inSize);
}

void* calloc(std::size_t inCount, std::size_t inSize) {
    count();
    return __libc_calloc(inCount, inSize);
}

void* realloc(void* inPointer, std::size_t inSize) {
    count();
    return __libc_realloc(inPointer, inSize);
}

void* memalign(std::size_t inAlignment, std::size_t inSize) {
    count();
    return __libc_memalign(inAlignment, inSize);
}

void* aligned_alloc(std::size_t inAlignment, std::size_t inSize) {
    count();
    return __libc_memalign(inAlignment, inSize);
}

int posix_memalign(void** outPointer, std::size_t inAlignment, std::size_t inSize) {
    count();
    *outPointer = __libc_memalign(inAlignment, inSize);
    return *outPointer != nullptr ? 0 : 12; // ENOMEM
}

void free(void* inPointer) {
    __libc_free(inPointer);
}

} // extern "C"
