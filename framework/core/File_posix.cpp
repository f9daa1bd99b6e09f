// The framework's file on Linux: an exclusive read-only descriptor.
#include "File.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

CFile::~CFile()
{
    Abort();
}

bool CFile::IsOpen() const
{
    return m_hFile != -1;
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

    const int fd = ::open(strFileName.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd == -1)
        return fail(errno);

    // Only an ordinary file can be an image; a directory or a device would read as nonsense.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int nError = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
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
    if (m_hFile == -1)
        CFileException::ThrowOsError(EBADF);

    auto* pNext = static_cast<char*>(lpBuf);
    UINT nRead = 0;
    // A file may hand out less than asked for before its end; only a read of 0 bytes is the end.
    while (nRead < nCount) {
        const ssize_t n = ::read(m_hFile, pNext + nRead, nCount - nRead);
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
    if (m_hFile != -1) {
        ::close(m_hFile);
        m_hFile = -1;
    }
}
