// The 95 family's way to the drive: the VWIN32 driver, one INT 26h request a track.
#include "Vwin32Access.h"

#include "writer/DiskGeometry.h"
#include "writer/DiskService.h"
#include "writer/WriteThread.h"

static_assert(sizeof(void*) == 4, "the disk service takes 32-bit addresses: a 32-bit build only");

namespace {

// The VWIN32 driver behind an open handle.
class CVwin32Service : public CDiskService
{
public:
    explicit CVwin32Service(HANDLE hDevice) : m_hDevice(hDevice) {}

    BOOL Request(DWORD dwControlCode, DIOC_REGISTERS& regs, const DISKIO&) override
    {
        DWORD cbReturned = 0;
        const BOOL bDone = ::DeviceIoControl(m_hDevice, dwControlCode, &regs, sizeof regs, &regs, sizeof regs,
                                             &cbReturned, nullptr);
        m_dwError = bDone ? 0 : ::GetLastError();
        return bDone;
    }

    DWORD LastError() const override { return m_dwError; }

private:
    HANDLE m_hDevice;
    DWORD m_dwError = 0;
};

} // namespace

CVwin32Access::CVwin32Access(int nDrive) : m_nDrive(nDrive)
{
}

CVwin32Access::~CVwin32Access()
{
    Close();
}

bool CVwin32Access::Open(const CEvent&)
{
    m_hDevice = ::CreateFileA("\\\\.\\vwin32", 0, 0, nullptr, 0, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    return m_hDevice != INVALID_HANDLE_VALUE;
}

bool CVwin32Access::WriteTrack(unsigned nFirstSector, const void* pTrack)
{
    CVwin32Service service(m_hDevice);
    return CWriteThread::AbsoluteDiskWrite(service, m_nDrive, nFirstSector, SECTORS_PER_TRACK, pTrack) != FALSE;
}

void CVwin32Access::Close()
{
    if (m_hDevice != INVALID_HANDLE_VALUE) {
        ::CloseHandle(m_hDevice);
        m_hDevice = INVALID_HANDLE_VALUE;
    }
}
