// The sample image is what it claims to be: a 1.44 MB FAT12 diskette with a label, a
// README.TXT and our boot code, the same bytes however often and whenever it is made.
#include "tests/support/TempDir.h"
#include "writer/DiskGeometry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <sys/wait.h>

using ::testing::HasSubstr;

namespace {

struct SCommandResult
{
    int nExitCode;
    std::string strOutput;
};

// Runs a shell command line and collects what it prints on stdout and stderr.
SCommandResult RunCommand(const std::string& strCommand)
{
    SCommandResult result{-1, {}};
    FILE* pPipe = ::popen((strCommand + " 2>&1").c_str(), "r");
    if (pPipe == nullptr)
        return result;
    char buffer[4096];
    std::size_t nRead = 0;
    while ((nRead = std::fread(buffer, 1, sizeof buffer, pPipe)) > 0)
        result.strOutput.append(buffer, nRead);
    const int nStatus = ::pclose(pPipe);
    result.nExitCode = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    return result;
}

std::string Quoted(const std::string& str)
{
    return "'" + str + "'";
}

class SampleDisketteTest : public ::testing::Test
{
protected:
    unsigned Byte(std::size_t nOffset) const { return static_cast<unsigned char>(m_image.at(nOffset)); }
    unsigned Word(std::size_t nOffset) const { return Byte(nOffset) | Byte(nOffset + 1) << 8; }
    std::uint32_t DoubleWord(std::size_t nOffset) const { return Word(nOffset) | std::uint32_t{Word(nOffset + 2)} << 16; }

    const std::string m_strImage = KORVANT_SAMPLE_IMAGE;
    const std::vector<char> m_image = ReadWholeFile(m_strImage);
};

} // namespace

TEST_F(SampleDisketteTest, HasTheHighDensityGeometryAndOurBootSector)
{
    ASSERT_EQ(m_image.size(), DISK_SIZE);

    // BIOS parameter block of a 3.5-inch 1.44 MB diskette.
    EXPECT_EQ(Word(0x0b), SECTOR_SIZE);
    EXPECT_EQ(Byte(0x0d), 1u);               // sectors per cluster
    EXPECT_EQ(Word(0x0e), 1u);               // reserved sectors: the boot sector
    EXPECT_EQ(Byte(0x10), 2u);               // copies of the FAT
    EXPECT_EQ(Word(0x11), 224u);             // root directory entries
    EXPECT_EQ(Word(0x13), DISK_SECTORS);
    EXPECT_EQ(Byte(0x15), 0xf0u);            // media descriptor
    EXPECT_EQ(Word(0x18), SECTORS_PER_TRACK);
    EXPECT_EQ(Word(0x1a), 2u);               // heads
    EXPECT_EQ(DoubleWord(0x1c), 0u);         // hidden sectors
    EXPECT_EQ(Byte(0x24), 0u);               // BIOS drive number: the first diskette drive
    EXPECT_EQ(std::string(&m_image[0x36], 8), "FAT12   ");

    // DOS and Windows take the block for a FAT one only after a short jump and a NOP; the
    // jump lands on the code at offset 62, right after the block.
    EXPECT_EQ(Byte(0), 0xebu);
    EXPECT_EQ(Byte(1), 0x3cu);
    EXPECT_EQ(Byte(2), 0x90u);
    EXPECT_EQ(Byte(510), 0x55u);
    EXPECT_EQ(Byte(511), 0xaau);
}

TEST_F(SampleDisketteTest, HoldsTheLabelAndTheReadme)
{
    const SCommandResult listing = RunCommand("MTOOLS_SKIP_CHECK=1 mdir -i " + Quoted(m_strImage) + " ::");
    ASSERT_EQ(listing.nExitCode, 0) << listing.strOutput;
    EXPECT_THAT(listing.strOutput, HasSubstr("Volume in drive : is KORVANT"));
    EXPECT_THAT(listing.strOutput, HasSubstr("README   TXT"));

    // A DOS text file: every line ends in CR LF.
    const SCommandResult readme = RunCommand("MTOOLS_SKIP_CHECK=1 mtype -i " + Quoted(m_strImage) + " ::README.TXT");
    ASSERT_EQ(readme.nExitCode, 0) << readme.strOutput;
    EXPECT_THAT(readme.strOutput, HasSubstr("KORVANT sample diskette\r\n"));
    EXPECT_THAT(readme.strOutput, HasSubstr("KORVANT-SETUP.000"));
    std::size_t nBareLineFeeds = 0;
    for (std::size_t i = 0; i < readme.strOutput.size(); ++i)
        nBareLineFeeds += readme.strOutput[i] == '\n' && (i == 0 || readme.strOutput[i - 1] != '\r');
    EXPECT_EQ(nBareLineFeeds, 0u);
}

TEST_F(SampleDisketteTest, IsTheSameBytesWhenMadeAtAnotherTimeInAnotherZone)
{
    // Another year, day and time of day, a time zone fourteen hours off, and a date in the
    // environment: none of it may reach the image.
    const std::string strClock = "faketime '2031-07-15 13:37:42' env TZ=Pacific/Kiritimati SOURCE_DATE_EPOCH=1 ";
    const SCommandResult year = RunCommand(strClock + "date +%Y");
    ASSERT_EQ(year.strOutput, "2031\n") << "faketime (Debian package faketime) must be installed";

    CTempDir dir;
    const std::string strOther = dir / "korvant-setup.000";
    const SCommandResult make = RunCommand(strClock + "/bin/sh " + Quoted(KORVANT_SAMPLE_TOOL) + " " + Quoted(strOther) + " " + Quoted(dir / "work"));
    ASSERT_EQ(make.nExitCode, 0) << make.strOutput;
    const std::vector<char> other = ReadWholeFile(strOther);
    ASSERT_EQ(other.size(), m_image.size());
    const auto difference = std::mismatch(other.begin(), other.end(), m_image.begin()).first;
    EXPECT_TRUE(difference == other.end()) << "the image differs from the build's from offset " << difference - other.begin();
}
