// The 95 family's track write: the INT 26h request that the disk service takes, the packet
// and registers it is made of, and what the service's answer means for the write.
#include "WriteThread.h"

#include "DiskService.h"
#include "WizardState.h"

#include <string>

namespace {

const char s_szNoDiskService[] = "Unable to reach the disk service";

// The driver runs only beside 32-bit programs, where every address fits its 32-bit fields.
// A 64-bit build hands a stand-in service the low half, which it only compares.
std::uint32_t AddressOf(const void* p)
{
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p));
}

} // namespace

BOOL CWriteThread::AbsoluteDiskWrite(CDiskService& service, int nDrive, DWORD dwStartSector, UINT nSectors,
                                     const void* pBuffer)
{
    DISKIO packet{};
    packet.diStartSector = dwStartSector;
    packet.diSectors = static_cast<std::uint16_t>(nSectors & 0xFFFFu);
    packet.diBuffer = AddressOf(pBuffer);

    DIOC_REGISTERS regs{};
    regs.reg_EBX = AddressOf(&packet);
    regs.reg_ECX = 0xFFFF;  // the packet form of INT 26h, not a sector count in CX
    regs.reg_EAX = static_cast<std::uint32_t>(nDrive) & 0xFFu;

    if (!service.Request(VWIN32_DIOC_DOS_INT26, regs, packet)) {
        // The request never reached the disk, so the registers say nothing. The status must
        // still mark a failure even when the system names no reason.
        const DWORD dwError = service.LastError();
        if (dwError != 0)
            RecordWriteFailure(static_cast<int>(dwError),
                               std::string(s_szNoDiskService) + " (system error " + std::to_string(dwError) + ").");
        else
            RecordWriteFailure(-1, std::string(s_szNoDiskService) + ".");
        return FALSE;
    }
    if ((regs.reg_Flags & DISK_SERVICE_CARRY) == 0)
        return TRUE;

    // AL holds the MS-DOS error, AH the BIOS disk status; the status keeps both.
    RecordWriteFailure(static_cast<int>(regs.reg_EAX), BiosDiskStatusText(static_cast<int>((regs.reg_EAX >> 8) & 0xFFu)));
    return FALSE;
}
