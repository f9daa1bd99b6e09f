// The VWIN32 driver's absolute disk write (INT 26h) as the 95 family carries it out for a
// 32-bit program: the packet's buffer address is taken whole, the sectors go to the drive,
// and a failure comes back with the carry flag set and the error in AX. Wine's own service
// reads the address as a 16-bit far pointer and reports success for every write, so that
// neither a write-protected diskette nor a failing drive could show there.
#include "RuleBook.h"

#include <cstdint>
#include <set>

namespace {

// The published VWIN32 register block and the INT 25h/26h packet.
struct SRegisters
{
    DWORD reg_EBX, reg_EDX, reg_ECX, reg_EAX, reg_EDI, reg_ESI, reg_Flags;
};
#pragma pack(push, 1)
struct SPacket
{
    DWORD diStartSector;
    WORD diSectors;
    DWORD diBuffer;
};
#pragma pack(pop)
static_assert(sizeof(SRegisters) == 28 && sizeof(SPacket) == 10);

constexpr DWORD s_nSectorSize = 512;
constexpr DWORD s_dwCarry = 1;

// The handles to VWIN32 and the drive the service writes to, which stays open from one
// request to the next, so that a drive that cannot seek (a pipe in the tests) takes the
// tracks in order as a diskette would.
class CService
{
public:
    CService() { ::InitializeCriticalSection(&m_lock); }

    void Opened(HANDLE hService)
    {
        ::EnterCriticalSection(&m_lock);
        m_services.insert(hService);
        ::LeaveCriticalSection(&m_lock);
    }

    void Closed(HANDLE hHandle)
    {
        ::EnterCriticalSection(&m_lock);
        if (m_services.erase(hHandle) != 0 && m_services.empty())
            CloseDrive();
        ::LeaveCriticalSection(&m_lock);
    }

    bool IsService(HANDLE hHandle)
    {
        ::EnterCriticalSection(&m_lock);
        const bool bService = m_services.count(hHandle) != 0;
        ::LeaveCriticalSection(&m_lock);
        return bService;
    }

    // 0, or the system error of the drive's raw volume.
    DWORD Write(int nDrive, DWORD nSector, DWORD nSectors, const void* pData)
    {
        ::EnterCriticalSection(&m_lock);
        const DWORD dwError = WriteLocked(nDrive, nSector, nSectors, pData);
        ::LeaveCriticalSection(&m_lock);
        return dwError;
    }

private:
    DWORD WriteLocked(int nDrive, DWORD nSector, DWORD nSectors, const void* pData)
    {
        if (nDrive != m_nDrive) {
            CloseDrive();
            const char szVolume[] = {'\\', '\\', '.', '\\', static_cast<char>('A' + nDrive), ':', '\0'};
            m_hDrive = ::CreateFileA(szVolume, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (m_hDrive == INVALID_HANDLE_VALUE)
                return ::GetLastError();
            m_nDrive = nDrive;
            m_nNextSector = 0;
        }
        if (nSector != m_nNextSector &&
            ::SetFilePointer(m_hDrive, static_cast<LONG>(nSector * s_nSectorSize), nullptr, FILE_BEGIN) ==
                INVALID_SET_FILE_POINTER)
            return ::GetLastError();
        DWORD nWritten = 0;
        if (!::WriteFile(m_hDrive, pData, nSectors * s_nSectorSize, &nWritten, nullptr))
            return ::GetLastError();
        if (nWritten != nSectors * s_nSectorSize)
            return ERROR_DISK_FULL;
        m_nNextSector = nSector + nSectors;
        return 0;
    }

    void CloseDrive()
    {
        if (m_hDrive != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_hDrive);
        m_hDrive = INVALID_HANDLE_VALUE;
        m_nDrive = -1;
    }

    CRITICAL_SECTION m_lock;
    std::set<HANDLE> m_services;
    HANDLE m_hDrive = INVALID_HANDLE_VALUE;
    int m_nDrive = -1;
    DWORD m_nNextSector = 0;
};

CService s_service;

// AX after a failed INT 26h: AH the BIOS disk status, AL the driver's error as INT 24h has
// it (Ralf Brown's Interrupt List, INT 26 and INT 25's status table; the MS-DOS Programmer's
// Reference, Interrupt 26h). Wine gives a diskette that takes no write as a volume it may not
// open for writing.
WORD StatusFor(DWORD dwError)
{
    switch (dwError) {
    case ERROR_WRITE_PROTECT:
    case ERROR_ACCESS_DENIED:
        return 0x0300;  // write-protected diskette; write-protect violation
    case ERROR_NOT_READY:
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return 0x8002;  // the drive did not answer; drive not ready
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return 0x0408;  // sector not found, as beyond the diskette's end
    default:
        return 0x020A;  // any other failure: bad address mark; write fault
    }
}

} // namespace

void NoteDiskServiceOpened(HANDLE hService)
{
    s_service.Opened(hService);
}

void NoteHandleClosed(HANDLE hHandle)
{
    s_service.Closed(hHandle);
}

bool IsDiskService(HANDLE hHandle)
{
    return s_service.IsService(hHandle);
}

BOOL AbsoluteDiskWriteAs95Does(void* pRegisters, DWORD cbIn, DWORD cbOut, DWORD* pcbReturned)
{
    if (pRegisters == nullptr || cbIn < sizeof(SRegisters) || cbOut < sizeof(SRegisters)) {
        Refuse("DeviceIoControl", ERROR_INVALID_PARAMETER, "INT 26h without a whole register block");
        return FALSE;
    }
    auto& regs = *static_cast<SRegisters*>(pRegisters);
    if (pcbReturned != nullptr)
        *pcbReturned = sizeof(SRegisters);
    // The program sends only the form with a packet (CX = FFFFh); the old form, with a sector
    // count in CX and a 16-bit buffer in DS:BX, is not for 32-bit programs.
    if ((regs.reg_ECX & 0xFFFFu) != 0xFFFFu) {
        Refuse("DeviceIoControl", ERROR_NOT_SUPPORTED, "INT 26h without a packet is not modelled");
        return FALSE;
    }
    const auto& packet = *reinterpret_cast<const SPacket*>(static_cast<std::uintptr_t>(regs.reg_EBX));
    const int nDrive = static_cast<int>(regs.reg_EAX & 0xFFu);
    const DWORD dwError = s_service.Write(nDrive, packet.diStartSector, packet.diSectors,
                                          reinterpret_cast<const void*>(static_cast<std::uintptr_t>(packet.diBuffer)));
    if (dwError == 0) {
        regs.reg_Flags &= ~s_dwCarry;
        return TRUE;
    }
    regs.reg_EAX = (regs.reg_EAX & 0xFFFF0000u) | StatusFor(dwError);
    regs.reg_Flags |= s_dwCarry;
    Record("rule book: INT 26h on drive %c:, sectors %lu to %lu: system error %lu, answered with the carry flag "
           "and AX %04lX",
           'A' + nDrive, packet.diStartSector, packet.diStartSector + packet.diSectors - 1, dwError,
           regs.reg_EAX & 0xFFFFu);
    return TRUE;
}
