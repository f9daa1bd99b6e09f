// The file layer's German exception texts, and how they are cut to fit.
#include "framework/core/Exception.h"
#include "tests/support/ShownText.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>
#include <string>
#include <utility>

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
    // Each cause has a text of its own, which names the file it is about where the file
    // matters (all but "no error"): the given name, or the unnamed file's words.
    std::set<std::string> texts;
    for (int nCause = CFileException::none; nCause <= CFileException::endOfFile; ++nCause) {
        SCOPED_TRACE("cause " + std::to_string(nCause));
        const std::string strNamed = MessageOf(CFileException(nCause, 0, "A:\\KORVANT.000"));
        const std::string strUnnamed = MessageOf(CFileException(nCause));
        EXPECT_TRUE(texts.insert(strUnnamed).second) << "the text of another cause: " << strUnnamed;
        EXPECT_EQ(strNamed.find("%1"), std::string::npos);
        const bool bNamesTheFile = nCause != CFileException::none;
        EXPECT_EQ(strNamed.find("A:\\KORVANT.000") != std::string::npos, bNamesTheFile) << strNamed;
        EXPECT_EQ(strUnnamed.find("eine unbenannte Datei") != std::string::npos, bNamesTheFile) << strUnnamed;
        const std::string strEnd = nCause == CFileException::removeCurrentDir ? ". " : ".";
        EXPECT_EQ(strUnnamed.substr(strUnnamed.size() - strEnd.size()), strEnd) << strUnnamed;
    }
    // A cause the table does not know takes the generic text; the texts a failed read of the
    // image shows, word for word.
    EXPECT_EQ(MessageOf(CFileException(99)), MessageOf(CFileException(CFileException::genericException)));
    EXPECT_EQ(MessageOf(CFileException(CFileException::none)), "Kein Fehler aufgetreten.");
    EXPECT_EQ(MessageOf(CFileException(CFileException::genericException)),
              "Ein unbekannter Fehler ist beim Zugriff auf eine unbenannte Datei aufgetreten.");
    EXPECT_EQ(MessageOf(CFileException(CFileException::hardIO)),
              "Ein Hardware-E/A-Fehler wurde w\u00e4hrend des Zugriffs auf eine unbenannte Datei gemeldet.");
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
    // Every system error has a cause of the table, the generic one where it has none of its
    // own; the errors of a file that is not there, may not be read, fills its medium or fails
    // in the hardware have theirs.
#ifdef _WIN32
    const long lLast = 2000;
    const std::pair<long, int> own[] = {{ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
                                        {ERROR_ACCESS_DENIED, CFileException::accessDenied},
                                        {ERROR_HANDLE_DISK_FULL, CFileException::diskFull},
                                        {ERROR_CRC, CFileException::hardIO},
                                        {ERROR_NOT_READY, CFileException::hardIO}};
    const long withoutOne[] = {ERROR_INVALID_FUNCTION, ERROR_NOT_SUPPORTED};
#else
    const long lLast = 200;
    const std::pair<long, int> own[] = {{ENOENT, CFileException::fileNotFound},
                                        {EACCES, CFileException::accessDenied},
                                        {ENOSPC, CFileException::diskFull},
                                        {EIO, CFileException::hardIO}};
    const long withoutOne[] = {EISDIR, ENOTSUP};
#endif
    for (long lError = 1; lError <= lLast; ++lError) {
        const int nCause = CFileException::OsErrorToException(lError);
        EXPECT_TRUE(nCause > CFileException::none && nCause <= CFileException::endOfFile) << "error " << lError;
    }
    for (const auto& [lError, nCause] : own)
        EXPECT_EQ(CFileException::OsErrorToException(lError), nCause) << "error " << lError;
    for (const long lError : withoutOne)
        EXPECT_EQ(CFileException::OsErrorToException(lError), CFileException::genericException) << "error " << lError;
}
