// The framework's exceptions and their German texts, in the system's multi-byte code page.
#include "Exception.h"

#include "LocalText.h"

#include <iterator>
#include <cstring>
#include <utility>

namespace {

// The framework's German message templates, one per cause; "%1" stands for the file's name.
// They are wide strings, which every system turns into the code page it shows.
const wchar_t* const s_fileErrorTemplates[] = {
    L"Kein Fehler aufgetreten.",
    L"Ein unbekannter Fehler ist beim Zugriff auf %1 aufgetreten.",
    L"%1 wurde nicht gefunden.",
    L"%1 enth\u00e4lt eine ung\u00fcltige Pfadangabe.",
    L"%1 konnte nicht ge\u00f6ffnet werden, da zu viele Dateien ge\u00f6ffnet sind.",
    L"Zugriff auf %1 wurde verwehrt.",
    L"Eine ung\u00fcltige Dateikennung war mit %1 verbunden.",
    L"Das Verzeichnis %1 konnte nicht entfernt werden, da es das aktuelle Verzeichnis ist. ",
    L"%1 konnte nicht erstellt werden, da das Verzeichnis voll ist.",
    L"Positionierungsfehler auf %1.",
    L"Ein Hardware-E/A-Fehler wurde w\u00e4hrend des Zugriffs auf %1 gemeldet.",
    L"Eine Zugriffsverletzung ist w\u00e4hrend des Zugriffs auf %1 aufgetreten.",
    L"Eine Sperrverletzung ist w\u00e4hrend des Zugriffs auf %1 aufgetreten.",
    L"Beim Zugriff auf %1 wurde ein voller Datentr\u00e4ger gemeldet.",
    L"Es wurde versucht, auf eine Stelle hinter dem Ende von %1 zuzugreifen.",
};

constexpr int s_nCauses = static_cast<int>(std::size(s_fileErrorTemplates));

const wchar_t s_szUnnamedFile[] = L"eine unbenannte Datei";
const wchar_t s_szNoMemory[] = L"Nicht gen\u00fcgend Speicher.";

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
    return CopyMessage(LocalTextFromWide(s_szNoMemory), lpszError, nMaxError);
}

CFileException::CFileException(int cause, long lOsError, std::string strFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(std::move(strFileName))
{
}

std::string CFileException::GetErrorMessage() const
{
    const int nCause = (m_cause >= 0 && m_cause < s_nCauses) ? m_cause : genericException;
    // The file's name is in the system's code page already; the texts are made so too.
    std::string strMessage = LocalTextFromWide(s_fileErrorTemplates[nCause]);
    const std::string strName = m_strFileName.empty() ? LocalTextFromWide(s_szUnnamedFile) : m_strFileName;
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
