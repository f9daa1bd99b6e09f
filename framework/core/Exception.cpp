// The framework's exceptions and their German texts, in the system's multi-byte code page.
#include "Exception.h"

#include "LocalText.h"

#include <cerrno>
#include <iterator>
#include <cstring>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// The framework's German message templates, one per cause; "%1" stands for the file's name.
const char* const s_fileErrorTemplates[] = {
    "Kein Fehler aufgetreten.",
    "Ein unbekannter Fehler ist beim Zugriff auf %1 aufgetreten.",
    "%1 wurde nicht gefunden.",
    "%1 enth\u00e4lt eine ung\u00fcltige Pfadangabe.",
    "%1 konnte nicht ge\u00f6ffnet werden, da zu viele Dateien ge\u00f6ffnet sind.",
    "Zugriff auf %1 wurde verwehrt.",
    "Eine ung\u00fcltige Dateikennung war mit %1 verbunden.",
    "Das Verzeichnis %1 konnte nicht entfernt werden, da es das aktuelle Verzeichnis ist. ",
    "%1 konnte nicht erstellt werden, da das Verzeichnis voll ist.",
    "Positionierungsfehler auf %1.",
    "Ein Hardware-E/A-Fehler wurde w\u00e4hrend des Zugriffs auf %1 gemeldet.",
    "Eine Zugriffsverletzung ist w\u00e4hrend des Zugriffs auf %1 aufgetreten.",
    "Eine Sperrverletzung ist w\u00e4hrend des Zugriffs auf %1 aufgetreten.",
    "Beim Zugriff auf %1 wurde ein voller Datentr\u00e4ger gemeldet.",
    "Es wurde versucht, auf eine Stelle hinter dem Ende von %1 zuzugreifen.",
};

constexpr int s_nCauses = static_cast<int>(std::size(s_fileErrorTemplates));

const char s_szUnnamedFile[] = "eine unbenannte Datei";
const char s_szNoMemory[] = "Nicht gen\u00fcgend Speicher.";

} // namespace

BOOL CException::CopyMessage(const std::string& strMessage, char* lpszError, UINT nMaxError)
{
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    // A cut inside a multi-byte character would leave a broken character at the end.
    const std::size_t nLength = LocalTextCut(strMessage, nMaxError - 1);
    std::memcpy(lpszError, strMessage.data(), nLength);
    lpszError[nLength] = '\0';
    return TRUE;
}

BOOL CMemoryException::GetErrorMessage(char* lpszError, UINT nMaxError) const
{
    return CopyMessage(LocalTextFromUtf8(s_szNoMemory), lpszError, nMaxError);
}

CFileException::CFileException(int cause, long lOsError, std::string strFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(std::move(strFileName))
{
}

std::string CFileException::GetErrorMessage() const
{
    const int nCause = (m_cause >= 0 && m_cause < s_nCauses) ? m_cause : genericException;
    // The file's name is in the system's code page already; the texts are made so too.
    std::string strMessage = LocalTextFromUtf8(s_fileErrorTemplates[nCause]);
    const std::string strName = m_strFileName.empty() ? LocalTextFromUtf8(s_szUnnamedFile) : m_strFileName;
    const std::size_t nAt = strMessage.find("%1");
    if (nAt != std::string::npos)
        strMessage.replace(nAt, 2, strName);
    return strMessage;
}

BOOL CFileException::GetErrorMessage(char* lpszError, UINT nMaxError) const
{
    return CopyMessage(GetErrorMessage(), lpszError, nMaxError);
}

void CFileException::ThrowOsError(long lOsError, const std::string& strFileName)
{
    throw new CFileException(OsErrorToException(lOsError), lOsError, strFileName);
}

#ifdef _WIN32

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

#else

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

#endif
