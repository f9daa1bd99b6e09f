// Wine's disk service reads the buffer address of an INT 26h packet as a far pointer whose
// selector is the address's high word (packet bytes 8 and 9). That lands on the buffer only
// when Wine takes the word as a flat selector: one below 0x100, or one with bit 2 clear. The
// VWIN32 driver itself takes the 32-bit address whole, as the writer sends it. So that a
// 95-family write under Wine does not depend on where the system happens to put the track
// buffer, a test shapes the address space of the writing process first: the lowest free 64 KB
// blocks, which is where the next small regions go, are left free only where Wine reads their
// address right, and the last of them too small for anything larger, such as the writer
// thread's stack. Several such blocks stay free, as a program whose pages are still working
// may take some of them for itself before its writer takes its own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

class CWineBufferPlacement
{
public:
    // hProcess needs PROCESS_QUERY_INFORMATION and PROCESS_VM_OPERATION access.
    explicit CWineBufferPlacement(HANDLE hProcess = ::GetCurrentProcess()) : m_hProcess(hProcess)
    {
        const bool bNtFamily = (::GetVersion() & 0x80000000u) == 0;
        if (bNtFamily)
            return;
        const std::uintptr_t nTop = 0x7FFF0000;
        std::uintptr_t nAt = s_nBlock;
        int nFreeLeft = s_nFreeBlocks;
        while (nAt < nTop) {
            MEMORY_BASIC_INFORMATION info{};
            if (::VirtualQueryEx(m_hProcess, reinterpret_cast<void*>(nAt), &info, sizeof info) == 0)
                return;
            const auto nBase = reinterpret_cast<std::uintptr_t>(info.BaseAddress);
            const std::uintptr_t nEnd = nBase + info.RegionSize;
            if (info.State == MEM_FREE) {
                for (std::uintptr_t nBlock = (nBase + s_nBlock - 1) & ~(s_nBlock - 1); nBlock + s_nTrack <= nEnd;
                     nBlock += s_nBlock) {
                    const std::uintptr_t nBlockEnd = nBlock + s_nBlock < nEnd ? nBlock + s_nBlock : nEnd;
                    if (!IsFlatForWine(nBlock))
                        Reserve(nBlock, nBlockEnd - nBlock);
                    else if (--nFreeLeft == 0) {
                        if (nBlockEnd < nEnd)
                            Reserve(nBlockEnd, nEnd - nBlockEnd);
                        return;
                    }
                }
            }
            nAt = nEnd;
        }
    }

    ~CWineBufferPlacement()
    {
        for (void* pRegion : m_reserved)
            ::VirtualFreeEx(m_hProcess, pRegion, 0, MEM_RELEASE);
    }

    CWineBufferPlacement(const CWineBufferPlacement&) = delete;
    CWineBufferPlacement& operator=(const CWineBufferPlacement&) = delete;

    static bool IsFlatForWine(std::uintptr_t nAddress)
    {
        const std::uintptr_t nSelector = nAddress >> 16;
        return nSelector < 0x100 || (nSelector & 4) == 0;
    }

    std::size_t ReservedRegions() const { return m_reserved.size(); }

private:
    static constexpr std::uintptr_t s_nBlock = 0x10000;
    static constexpr std::uintptr_t s_nTrack = 9216;
    static constexpr int s_nFreeBlocks = 8;

    void Reserve(std::uintptr_t nAddress, std::uintptr_t nBytes)
    {
        if (void* pRegion =
                ::VirtualAllocEx(m_hProcess, reinterpret_cast<void*>(nAddress), nBytes, MEM_RESERVE, PAGE_NOACCESS))
            m_reserved.push_back(pRegion);
    }

    HANDLE m_hProcess;
    std::vector<void*> m_reserved;
};
