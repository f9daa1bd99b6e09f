#include "BlockDeviceAccess.h"

#include "DiskGeometry.h"
#include "WizardState.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

std::string FloppyDevicePath(int nDrive)
{
    switch (nDrive) {
    case 0: return "/dev/fd0";
    case 1: return "/dev/fd1";
    default: return {};
    }
}

std::unique_ptr<CDiskAccess> ChooseDiskAccess(int nDrive)
{
    return std::make_unique<CBlockDeviceAccess>(FloppyDevicePath(nDrive));
}

CBlockDeviceAccess::CBlockDeviceAccess(std::string strPath) : m_strPath(std::move(strPath))
{
}

CBlockDeviceAccess::~CBlockDeviceAccess()
{
    Close();
}

bool CBlockDeviceAccess::Open()
{
    if (m_strPath.empty())
        return false;
    // Never O_CREAT: a missing device must not become a new file where the device should be.
    // O_EXCL on a block device refuses one that is mounted or otherwise claimed, so a mounted
    // diskette is not overwritten under its file system. O_SYNC puts each track on the medium
    // before its request returns, so a failing diskette fails at its track, not after the end.
    m_fd = ::open(m_strPath.c_str(), O_WRONLY | O_EXCL | O_SYNC | O_CLOEXEC | O_NOCTTY);
    return m_fd != -1;
}

bool CBlockDeviceAccess::WriteTrack(unsigned nFirstSector, const void* pTrack)
{
    const off_t nOffset = static_cast<off_t>(nFirstSector) * SECTOR_SIZE;
    ssize_t nWritten;
    do {
        nWritten = ::pwrite(m_fd, pTrack, TRACK_SIZE, nOffset);
    } while (nWritten == -1 && errno == EINTR);

    if (nWritten == static_cast<ssize_t>(TRACK_SIZE))
        return true;
    // A track written only in part is a failed track too. A block device stops short only
    // at its end, so the part that did not fit is reported as the medium being full.
    RecordSystemError(nWritten == -1 ? errno : ENOSPC);
    return false;
}

void CBlockDeviceAccess::Close()
{
    if (m_fd != -1) {
        ::close(m_fd);
        m_fd = -1;
    }
}

void CBlockDeviceAccess::RecordSystemError(int nError)
{
    char szText[256];
    g_strError = ::strerror_r(nError, szText, sizeof szText);
    g_nStatus = nError;
}
