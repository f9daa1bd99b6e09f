// Wine's disk service reads the buffer address of an INT 26h packet as a far pointer whose
// selector is the address's high word (packet bytes 8 and 9). That lands on the buffer only
// when Wine takes the word as a flat selector: one below 0x100, or one with bit 2 clear. The
// VWIN32 driver itself takes the 32-bit address whole, as the writer sends it. So that a
// 95-family write under Wine does not depend on where the system happens to put the track
// buffer, a test shapes the address space first: the lowest free 64 KB block, which is
// where the next small region goes, gets an address that Wine reads right, and it is left
// too small for anything larger, such as the writer thread's stack.
#pragma once

#include "writer/WindowsDiskAccess.h"

#include <vector>

class CWineBufferPlacement
{
public:
    CWineBufferPlacement()
    {
        if (GetPlatformId() == VER_PLATFORM_WIN32_NT)
            return;
        const std::uintptr_t nTop = 0x7FFF0000;
        std::uintptr_t nAt = s_nBlock;
        while (nAt < nTop) {
            MEMORY_BASIC_INFORMATION info{};
            if (::VirtualQuery(reinterpret_cast<void*>(nAt), &info, sizeof info) == 0)
                return;
            const auto nBase = reinterpret_cast<std::uintptr_t>(info.BaseAddress);
            const std::uintptr_t nEnd = nBase + info.RegionSize;
            if (info.State == MEM_FREE) {
                for (std::uintptr_t nBlock = (nBase + s_nBlock - 1) & ~(s_nBlock - 1); nBlock + s_nTrack <= nEnd;
                     nBlock += s_nBlock) {
                    const std::uintptr_t nBlockEnd = nBlock + s_nBlock < nEnd ? nBlock + s_nBlock : nEnd;
                    if (IsFlatForWine(nBlock)) {
                        if (nBlockEnd < nEnd)
                            Reserve(nBlockEnd, nEnd - nBlockEnd);
                        return;
                    }
                    Reserve(nBlock, nBlockEnd - nBlock);
                }
            }
            nAt = nEnd;
        }
    }

    ~CWineBufferPlacement()
    {
        for (void* pRegion : m_reserved)
            ::VirtualFree(pRegion, 0, MEM_RELEASE);
    }

    CWineBufferPlacement(const CWineBufferPlacement&) = delete;
    CWineBufferPlacement& operator=(const CWineBufferPlacement&) = delete;

    static bool IsFlatForWine(std::uintptr_t nAddress)
    {
        const std::uintptr_t nSelector = nAddress >> 16;
        return nSelector < 0x100 || (nSelector & 4) == 0;
    }

private:
    static constexpr std::uintptr_t s_nBlock = 0x10000;
    static constexpr std::uintptr_t s_nTrack = 9216;

    void Reserve(std::uintptr_t nAddress, std::uintptr_t nBytes)
    {
        if (void* pRegion = ::VirtualAlloc(reinterpret_cast<void*>(nAddress), nBytes, MEM_RESERVE, PAGE_NOACCESS))
            m_reserved.push_back(pRegion);
    }

    std::vector<void*> m_reserved;
};
