// The file layer's German exception texts, and how they are cut to fit.
#include "framework/core/Exception.h"
#include "tests/support/ShownText.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

std::string MessageOf(const CException& e, UINT nMax = 256)
{
    std::string strBuffer(nMax, '#');
    EXPECT_TRUE(e.GetErrorMessage(strBuffer.data(), nMax));
    return Shown(strBuffer.c_str());
}

} // namespace

TEST(FileException, EachCauseHasItsGermanTextWithTheUnnamedFile)
{
    const char* const expected[] = {
        "Kein Fehler aufgetreten.",
        "Ein unbekannter Fehler ist beim Zugriff auf eine unbenannte Datei aufgetreten.",
        "eine unbenannte Datei wurde nicht gefunden.",
        "eine unbenannte Datei enth\u00e4lt eine ung\u00fcltige Pfadangabe.",
        "eine unbenannte Datei konnte nicht ge\u00f6ffnet werden, da zu viele Dateien ge\u00f6ffnet sind.",
        "Zugriff auf eine unbenannte Datei wurde verwehrt.",
        "Eine ung\u00fcltige Dateikennung war mit eine unbenannte Datei verbunden.",
        "Das Verzeichnis eine unbenannte Datei konnte nicht entfernt werden, da es das aktuelle Verzeichnis ist. ",
        "eine unbenannte Datei konnte nicht erstellt werden, da das Verzeichnis voll ist.",
        "Positionierungsfehler auf eine unbenannte Datei.",
        "Ein Hardware-E/A-Fehler wurde w\u00e4hrend des Zugriffs auf eine unbenannte Datei gemeldet.",
        "Eine Zugriffsverletzung ist w\u00e4hrend des Zugriffs auf eine unbenannte Datei aufgetreten.",
        "Eine Sperrverletzung ist w\u00e4hrend des Zugriffs auf eine unbenannte Datei aufgetreten.",
        "Beim Zugriff auf eine unbenannte Datei wurde ein voller Datentr\u00e4ger gemeldet.",
        "Es wurde versucht, auf eine Stelle hinter dem Ende von eine unbenannte Datei zuzugreifen.",
    };
    for (int nCause = CFileException::none; nCause <= CFileException::endOfFile; ++nCause)
        EXPECT_EQ(MessageOf(CFileException(nCause)), expected[nCause]) << "cause " << nCause;
    EXPECT_EQ(MessageOf(CFileException(99)), expected[CFileException::genericException]);
}

TEST(FileException, NamedFileStandsInForTheName)
{
    EXPECT_EQ(MessageOf(CFileException(CFileException::fileNotFound, ENOENT, "A:\\KORVANT.000")),
              "A:\\KORVANT.000 wurde nicht gefunden.");
}

#ifndef _WIN32
TEST(FileException, TextIsCutTo255BytesAndNeverInsideACharacter)
{
    // 236 letters put the "\u00fc" of "ung\u00fcltige" across byte 255.
    const CFileException e(CFileException::badPath, ENAMETOOLONG, std::string(236, 'x'));
    const std::string strFull = e.GetErrorMessage();
    ASSERT_GT(strFull.size(), 255u);
    ASSERT_EQ(strFull.substr(236, 18), " enth\u00e4lt eine ung");

    const std::string strCut = MessageOf(e);
    EXPECT_EQ(strCut.size(), 254u);
    EXPECT_EQ(strCut, strFull.substr(0, 254));

    EXPECT_EQ(MessageOf(CFileException(CFileException::badSeek), 11), "Positionie");
    char cUntouched = '#';
    EXPECT_FALSE(CFileException(CFileException::badSeek).GetErrorMessage(&cUntouched, 0));
    EXPECT_EQ(cUntouched, '#');
}
#else
TEST(FileException, TextIsCutTo255BytesOfTheAnsiCodePage)
{
    // Windows-1252 has one byte a character: the cut takes 255 of them, the umlauts whole.
    ASSERT_EQ(::GetACP(), 1252u) << "the Wine runs show the German texts in Windows-1252";
    const CFileException e(CFileException::badPath, ENAMETOOLONG, std::string(236, 'x'));
    std::string strCut(256, '#');
    ASSERT_TRUE(e.GetErrorMessage(strCut.data(), 256));
    strCut.resize(std::strlen(strCut.c_str()));
    EXPECT_EQ(strCut.size(), 255u);
    EXPECT_EQ(Shown(strCut), std::string(236, 'x') + " enth\u00e4lt eine ung\u00fcl");
}

TEST(ExceptionText, GermanTextsAreInTheSystemsAnsiCodePage)
{
    // What a Windows program does with a text of ours: reads it in the ANSI code page.
    char szText[64];
    ASSERT_TRUE(CMemoryException().GetErrorMessage(szText, sizeof szText));
    wchar_t szWide[128];
    ASSERT_GT(::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, szText, -1, szWide, 128), 0);
    EXPECT_EQ(std::wstring(szWide), L"Nicht gen\u00fcgend Speicher.");
    EXPECT_EQ(std::strlen(szText), 24u) << "one byte for the \u00fc, as Windows-1252 has it";

    const std::string strFile = CFileException(CFileException::hardIO, ERROR_CRC, "A:\\").GetErrorMessage();
    ASSERT_GT(::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, strFile.c_str(), -1, szWide, 128), 0);
    EXPECT_EQ(std::wstring(szWide), L"Ein Hardware-E/A-Fehler wurde w\u00e4hrend des Zugriffs auf A:\\ gemeldet.");
}
#endif

TEST(MemoryException, SaysThereIsNotEnoughMemory)
{
    EXPECT_EQ(MessageOf(CMemoryException()), "Nicht gen\u00fcgend Speicher.");
}

TEST(FileException, SystemErrorsMapToTheirCauses)
{
#ifdef _WIN32
    EXPECT_EQ(CFileException::OsErrorToException(ERROR_CRC), CFileException::hardIO);
    EXPECT_EQ(CFileException::OsErrorToException(ERROR_FILE_NOT_FOUND), CFileException::fileNotFound);
    EXPECT_EQ(CFileException::OsErrorToException(ERROR_WRITE_PROTECT), CFileException::accessDenied);
    EXPECT_EQ(CFileException::OsErrorToException(ERROR_INVALID_HANDLE), CFileException::invalidFile);
    EXPECT_EQ(CFileException::OsErrorToException(ERROR_SHARING_VIOLATION), CFileException::sharingViolation);
    EXPECT_EQ(CFileException::OsErrorToException(ERROR_HANDLE_DISK_FULL), CFileException::diskFull);
    EXPECT_EQ(CFileException::OsErrorToException(ERROR_NOT_READY), CFileException::hardIO);
    EXPECT_EQ(CFileException::OsErrorToException(ERROR_INVALID_FUNCTION), CFileException::genericException);
#else
    EXPECT_EQ(CFileException::OsErrorToException(EIO), CFileException::hardIO);
    EXPECT_EQ(CFileException::OsErrorToException(ENOENT), CFileException::fileNotFound);
    EXPECT_EQ(CFileException::OsErrorToException(EACCES), CFileException::accessDenied);
    EXPECT_EQ(CFileException::OsErrorToException(EBADF), CFileException::invalidFile);
    EXPECT_EQ(CFileException::OsErrorToException(ENOSPC), CFileException::diskFull);
    EXPECT_EQ(CFileException::OsErrorToException(EISDIR), CFileException::genericException);
#endif
}
