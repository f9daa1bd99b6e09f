// The framework's file on Linux: an exclusive read-only descriptor.
#include "framework/core/File.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

CFile::~CFile()
{
    Abort();
}

BOOL CFile::Open(const std::string& strFileName, UINT nOpenFlags, CFileException* pError)
{
    Abort();
    if (nOpenFlags != modeRead) {
        if (pError != nullptr)
            *pError = CFileException(CFileException::genericException, EINVAL, strFileName);
        return FALSE;
    }

    auto fail = [&](int nError) {
        if (pError != nullptr)
            *pError = CFileException(CFileException::OsErrorToException(nError), nError, strFileName);
        return FALSE;
    };

    // The open itself must not wait: a named pipe waits in open() for a writer that may never
    // come, and some devices wait for a carrier. Without blocking, those either fail or open
    // at once, and are turned away below.
    const int fd = ::open(strFileName.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd == -1)
        return fail(errno);

    // Only an ordinary file can be an image; a directory, a pipe, a socket or a device would
    // read as nonsense, or never end.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int nError = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return fail(nError);
    }
    // An ordinary file's reads do not heed the flag; it is cleared all the same, so that the
    // reads are those of any other file.
    const int nFlags = ::fcntl(fd, F_GETFL);
    if (nFlags == -1 || ::fcntl(fd, F_SETFL, nFlags & ~O_NONBLOCK) == -1) {
        const int nError = errno;
        ::close(fd);
        return fail(nError);
    }

    // Exclusive use: another opener that holds a lock on the file makes this open fail.
    // A file system without locks leaves the file unlocked rather than unreadable.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && (errno == EWOULDBLOCK || errno == EINTR)) {
        ::close(fd);
        return fail(EBUSY);
    }

    m_hFile = fd;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (m_hFile == s_hNoFile)
        CFileException::ThrowOsError(EBADF);

    auto* pNext = static_cast<char*>(lpBuf);
    UINT nRead = 0;
    // A file may hand out less than asked for before its end; only a read of 0 bytes is the end.
    while (nRead < nCount) {
        const ssize_t n = ::read(static_cast<int>(m_hFile), pNext + nRead, nCount - nRead);
        if (n > 0)
            nRead += static_cast<UINT>(n);
        else if (n == 0)
            break;
        else if (errno != EINTR)
            CFileException::ThrowOsError(errno);
    }
    return nRead;
}

void CFile::Abort()
{
    if (m_hFile != s_hNoFile) {
        ::close(static_cast<int>(m_hFile));
        m_hFile = s_hNoFile;
    }
}

// What a failed call's errno means for the file.
int CFileException::OsErrorToException(long lOsError)
{
    switch (lOsError) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS: return accessDenied;
    case EBADF: return invalidFile;
    case EBUSY: return sharingViolation;
    case ESPIPE:
    case EOVERFLOW: return badSeek;
    case EIO:
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM: return hardIO;
    case EAGAIN:
    case ENOLCK: return lockViolation;
    case ENOSPC:
    case EDQUOT: return diskFull;
    case EFBIG: return endOfFile;
    default: return genericException;
    }
}
