// The image file: exclusive while open, short reads only at its end.
#include "framework/core/File.h"
#include "tests/support/ShownText.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

TEST(File, OpenFileIsHeldAgainstEveryOtherOpener)
{
    CTempDir dir;
    const std::string strPath = dir / "image.000";
    WriteWholeFile(strPath, PatternImage(100));

    CFile first;
    ASSERT_TRUE(first.Open(strPath, CFile::modeRead));
    CFile second;
    CFileException error;
    EXPECT_FALSE(second.Open(strPath, CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);

    first.Abort();
    EXPECT_TRUE(second.Open(strPath, CFile::modeRead));
}

TEST(File, OnlyAnExistingOrdinaryFileOpens)
{
    CTempDir dir;
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(dir / "missing.000", CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_FALSE(file.Open(dir.Path().string(), CFile::modeRead));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.000"));
}

TEST(File, ReadReturnsFewerBytesOnlyAtTheEnd)
{
    CTempDir dir;
    const std::string strPath = dir / "image.000";
    const std::vector<char> data = PatternImage(10000);
    WriteWholeFile(strPath, data);

    CFile file;
    ASSERT_TRUE(file.Open(strPath, CFile::modeRead));
    std::vector<char> buffer(9216);
    ASSERT_EQ(file.Read(buffer.data(), 9216), 9216u);
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.end(), data.begin()));
    ASSERT_EQ(file.Read(buffer.data(), 9216), 784u);
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + 784, data.begin() + 9216));
    EXPECT_EQ(file.Read(buffer.data(), 9216), 0u);
}

TEST(File, ReadingAFileThatIsNotOpenThrowsTheInvalidFileCause)
{
    CFile file;
    std::vector<char> buffer(16);
    try {
        file.Read(buffer.data(), 16);
        FAIL() << "no exception";
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::invalidFile);
        EXPECT_EQ(Shown(e->GetErrorMessage()), "Eine ung\u00fcltige Dateikennung war mit eine unbenannte Datei verbunden.");
        e->Delete();
    }
}
