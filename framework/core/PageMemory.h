// A fresh, page-aligned, zero-filled region of the system's virtual memory.
#pragma once

#include <cstddef>

// Returns nullptr when the system has no memory to give.
void* AllocatePageRegion(std::size_t nBytes);
// Releases a whole region from AllocatePageRegion; nullptr is ignored.
void ReleasePageRegion(void* pRegion, std::size_t nBytes);
