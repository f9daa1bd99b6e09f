// Page-aligned regions on Windows, straight from VirtualAlloc.
#include "framework/core/PageMemory.h"

#include "framework/core/Types.h"

void* AllocatePageRegion(std::size_t nBytes)
{
    return ::VirtualAlloc(nullptr, nBytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void ReleasePageRegion(void* pRegion, std::size_t)
{
    // The whole region goes at once; the system knows its size.
    if (pRegion != nullptr)
        ::VirtualFree(pRegion, 0, MEM_RELEASE);
}
