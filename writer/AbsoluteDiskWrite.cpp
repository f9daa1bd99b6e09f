// The writer thread's way to the 95 family's disk service, as the design names it: the
// request itself is DiskService's, reachable without the thread.
#include "DiskService.h"
#include "WriteThread.h"
#if defined(_WIN32) && !defined(_WIN64)
#include "Vwin32Access.h"
#endif

BOOL CWriteThread::AbsoluteDiskWrite(CDiskService& service, int nDrive, DWORD dwStartSector, UINT nSectors,
                                     const void* pBuffer)
{
    return RequestAbsoluteDiskWrite(service, nDrive, dwStartSector, nSectors, pBuffer);
}

#if defined(_WIN32) && !defined(_WIN64)
BOOL CWriteThread::AbsoluteDiskWrite(HANDLE hDevice, int nDrive, DWORD dwStartSector, UINT nSectors,
                                     const void* pBuffer)
{
    return Vwin32AbsoluteDiskWrite(hDevice, nDrive, dwStartSector, nSectors, pBuffer);
}
#endif
