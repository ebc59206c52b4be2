#include "KRAllocationCounter.h"

#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

// The benchmarks run on one thread; the counters need no atomics.
std::size_t Held = 0;
std::size_t Peak = 0;

void *Allocate(std::size_t Size)
{
    void *Block = std::malloc(Size == 0 ? 1 : Size);
    if (Block == nullptr)
        throw std::bad_alloc();
    Held += malloc_usable_size(Block);
    if (Held > Peak)
        Peak = Held;
    return Block;
}

void Release(void *Block) noexcept
{
    if (Block == nullptr)
        return;
    Held -= malloc_usable_size(Block);
    std::free(Block);
}

} // namespace

void *operator new(std::size_t Size)
{
    return Allocate(Size);
}

void *operator new[](std::size_t Size)
{
    return Allocate(Size);
}

void operator delete(void *Block) noexcept
{
    Release(Block);
}

void operator delete[](void *Block) noexcept
{
    Release(Block);
}

void operator delete(void *Block, std::size_t) noexcept
{
    Release(Block);
}

void operator delete[](void *Block, std::size_t) noexcept
{
    Release(Block);
}

namespace korvan::bench {

std::size_t HeapBytes()
{
    return Held;
}

std::size_t PeakHeapBytes()
{
    return Peak;
}

void ResetPeakHeapBytes()
{
    Peak = Held;
}

} // namespace korvan::bench
