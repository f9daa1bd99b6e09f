// Page-aligned regions on Linux, straight from mmap.
#include "framework/core/PageMemory.h"

#include <sys/mman.h>

void* AllocatePageRegion(std::size_t nBytes)
{
    void* pRegion = ::mmap(nullptr, nBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return pRegion == MAP_FAILED ? nullptr : pRegion;
}

void ReleasePageRegion(void* pRegion, std::size_t nBytes)
{
    if (pRegion != nullptr)
        ::munmap(pRegion, nBytes);
}
