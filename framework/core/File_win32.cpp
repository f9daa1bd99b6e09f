// The framework's file on Windows: a handle opened for reading and shared with nobody.
#include "File.h"

CFile::~CFile()
{
    Abort();
}

bool CFile::IsOpen() const
{
    return m_hFile != INVALID_HANDLE_VALUE;
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

    m_hFile = hFile;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (m_hFile == INVALID_HANDLE_VALUE)
        CFileException::ThrowOsError(ERROR_INVALID_HANDLE);

    auto* pNext = static_cast<char*>(lpBuf);
    UINT nRead = 0;
    // A file may hand out less than asked for before its end; only a read of 0 bytes is the end.
    while (nRead < nCount) {
        DWORD nPiece = 0;
        if (!::ReadFile(m_hFile, pNext + nRead, nCount - nRead, &nPiece, nullptr))
            CFileException::ThrowOsError(static_cast<long>(::GetLastError()));
        if (nPiece == 0)
            break;
        nRead += nPiece;
    }
    return nRead;
}

void CFile::Abort()
{
    if (m_hFile != INVALID_HANDLE_VALUE) {
        ::CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
    }
}
