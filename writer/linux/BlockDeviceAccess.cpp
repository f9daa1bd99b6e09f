// The Linux family: the drive opened directly or through udisks2, checked, and written a track per request.
#include "BlockDeviceAccess.h"

#include "writer/DiskGeometry.h"
#include "FloppyDrives.h"
#include "UdisksOpen.h"
#include "writer/WizardState.h"
#include "framework/core/Event.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// O_EXCL on a block device refuses one that is mounted or otherwise claimed, so a mounted
// diskette is not overwritten under its file system. O_SYNC puts each track on the medium
// before its request returns, so a failing diskette fails at its track, not after the end.
// O_DIRECT hands the page-aligned track to the drive as it is: one request of 18 sectors,
// where the page cache would read the pages a track shares with its neighbours first and
// write them twice.
constexpr int s_nDeviceFlags = O_EXCL | O_SYNC | O_DIRECT;

// The size of what fd leads to: a device's capacity, or a file's length; -1 if unknown.
long long SizeOf(int fd)
{
    struct stat st{};
    if (::fstat(fd, &st) != 0)
        return -1;
    if (!S_ISBLK(st.st_mode))
        return st.st_size;
    std::uint64_t nBytes = 0;
    return ::ioctl(fd, BLKGETSIZE64, &nBytes) == 0 ? static_cast<long long>(nBytes) : -1;
}

// Storage that takes direct writes only in blocks larger than a sector refuses a track as it
// is, and takes it through the page cache instead; a drive never does. True if the descriptor
// wrote directly until now and no longer does.
bool StopWritingDirectly(int fd)
{
    const int nFlags = ::fcntl(fd, F_GETFL);
    return nFlags != -1 && (nFlags & O_DIRECT) != 0 && ::fcntl(fd, F_SETFL, nFlags & ~O_DIRECT) == 0;
}

std::string SystemErrorText(int nError)
{
    char szText[256];
    return ::strerror_r(nError, szText, sizeof szText);
}

} // namespace

std::unique_ptr<CDiskAccess> ChooseDiskAccess(int nDrive)
{
    if (nDrive != 0 && nDrive != 1)
        return nullptr;
    return std::make_unique<CBlockDeviceAccess>(FloppyDevicePath(nDrive));
}

CBlockDeviceAccess::CBlockDeviceAccess(std::string strPath) : m_strPath(std::move(strPath))
{
}

CBlockDeviceAccess::~CBlockDeviceAccess()
{
    Close();
}

bool CBlockDeviceAccess::Open(const CEvent& stopRequested)
{
    if (m_strPath.empty())
        return false;
    // Never O_CREAT: a missing device must not become a new file where the device should be.
    const int nAccess = O_WRONLY | O_CLOEXEC | O_NOCTTY;
    m_fd = ::open(m_strPath.c_str(), nAccess | s_nDeviceFlags);
    // Only an ordinary file on some file systems refuses direct writes; a drive never does.
    if (m_fd == -1 && errno == EINVAL)
        m_fd = ::open(m_strPath.c_str(), nAccess | (s_nDeviceFlags & ~O_DIRECT));
    // A desktop user may not open the drive, but udisks2 may do it for them once polkit
    // (through the administrator's password, if it must) agrees.
    if (m_fd == -1 && (errno == EACCES || errno == EPERM)) {
        m_fd = OpenThroughUdisks(m_strPath, s_nDeviceFlags, stopRequested);
        // The password took the user's time, and a user who pressed Cancel meanwhile,
        // perhaps just before giving the password after all, gets not even the first track.
        if (stopRequested.IsSet()) {
            Close();
            return false;
        }
    }
    if (m_fd == -1)
        return false;

    // Whatever stands at the drive's name is written, so it had better be a diskette: a
    // hard disk behind a wrong link must never be. A drive without a diskette may show a
    // small placeholder size, so only a larger one is refused.
    const long long nSize = SizeOf(m_fd);
    if (nSize < 0 || nSize > LARGEST_DISKETTE) {
        Close();
        return false;
    }
    return true;
}

bool CBlockDeviceAccess::WriteTrack(unsigned nFirstSector, const void* pTrack)
{
    const off_t nOffset = static_cast<off_t>(nFirstSector) * SECTOR_SIZE;
    ssize_t nWritten;
    do {
        nWritten = ::pwrite(m_fd, pTrack, TRACK_SIZE, nOffset);
    } while (nWritten == -1 && (errno == EINTR || (errno == EINVAL && StopWritingDirectly(m_fd))));

    if (nWritten == static_cast<ssize_t>(TRACK_SIZE))
        return true;
    // A track written only in part is a failed track too. A block device stops short only
    // at its end, so the part that did not fit is reported as the medium being full.
    const int nError = nWritten == -1 ? errno : ENOSPC;
    RecordWriteFailure(nError, SystemErrorText(nError));
    return false;
}

void CBlockDeviceAccess::Close()
{
    if (m_fd != -1) {
        ::close(m_fd);
        m_fd = -1;
    }
}
