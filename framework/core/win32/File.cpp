// The framework's file on Windows: a handle opened for reading and shared with nobody.
#include "framework/core/File.h"

namespace {

HANDLE HandleOf(std::intptr_t hFile)
{
    return reinterpret_cast<HANDLE>(hFile);
}

} // namespace

CFile::~CFile()
{
    Abort();
}

BOOL CFile::Open(const std::string& strFileName, UINT nOpenFlags, CFileException* pError)
{
    Abort();
    auto fail = [&](DWORD dwError) {
        if (pError != nullptr) {
            const long lError = static_cast<long>(dwError);
            *pError = CFileException(CFileException::OsErrorToException(lError), lError, strFileName);
        }
        return FALSE;
    };
    if (nOpenFlags != modeRead)
        return fail(ERROR_INVALID_PARAMETER);

    // Share mode 0: no other opener may have the file while we hold it, nor we while it does.
    const HANDLE hFile = ::CreateFileA(strFileName.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return fail(::GetLastError());

    // Only a file on a disk can be an image; a device or a pipe would read as nonsense.
    if (::GetFileType(hFile) != FILE_TYPE_DISK) {
        ::CloseHandle(hFile);
        return fail(ERROR_INVALID_PARAMETER);
    }

    m_hFile = reinterpret_cast<std::intptr_t>(hFile);
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (m_hFile == s_hNoFile)
        CFileException::ThrowOsError(ERROR_INVALID_HANDLE);

    auto* pNext = static_cast<char*>(lpBuf);
    UINT nRead = 0;
    // A file may hand out less than asked for before its end; only a read of 0 bytes is the end.
    while (nRead < nCount) {
        DWORD nPiece = 0;
        if (!::ReadFile(HandleOf(m_hFile), pNext + nRead, nCount - nRead, &nPiece, nullptr))
            CFileException::ThrowOsError(static_cast<long>(::GetLastError()));
        if (nPiece == 0)
            break;
        nRead += nPiece;
    }
    return nRead;
}

void CFile::Abort()
{
    if (m_hFile != s_hNoFile) {
        ::CloseHandle(HandleOf(m_hFile));
        m_hFile = s_hNoFile;
    }
}

// What a failed call's system error code means for the file.
int CFileException::OsErrorToException(long lOsError)
{
    switch (lOsError) {
    case NO_ERROR: return none;
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE: return badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return accessDenied;
    case ERROR_INVALID_HANDLE: return invalidFile;
    case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
    case ERROR_CANNOT_MAKE: return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK: return badSeek;
    // A medium that stops answering, as a scratched CD or a drive without its disc does.
    case ERROR_NOT_READY:
    case ERROR_CRC:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE: return hardIO;
    case ERROR_SHARING_VIOLATION: return sharingViolation;
    case ERROR_LOCK_VIOLATION: return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return diskFull;
    case ERROR_HANDLE_EOF: return endOfFile;
    default: return genericException;
    }
}
