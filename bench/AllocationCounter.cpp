#include "bench/AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace {

std::size_t allocations = 0;

void* allocateOrNull(std::size_t size)
{
    ++allocations;
    return std::malloc(size == 0 ? 1 : size);
}

void* allocate(std::size_t size)
{
    if (void* memory = allocateOrNull(size))
        return memory;
    throw std::bad_alloc();
}

}

std::size_t allocationCount()
{
    return allocations;
}

void* operator new(std::size_t size)
{
    return allocate(size);
}

void* operator new[](std::size_t size)
{
    return allocate(size);
}

// Also the forms that return null rather than throw: whatever is allocated
// here is freed by the delete below, so no allocator may be left to pair it
// with another (the sanitizers would see a new freed by free).
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return allocateOrNull(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return allocateOrNull(size);
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}
