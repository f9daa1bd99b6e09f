// The sample diskette boots: as the build leaves it beside the program, and as the writer
// puts it on the diskette in drive A:.
#include "BootInQemu.h"

#include "tests/support/TempDir.h"
#include "tests/support/TestWriteSite.h"
#include "tests/support/WizardStateReset.h"
#include "tests/support/WriteRun.h"
#include "writer/DiskGeometry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

const std::string s_strMessage = "KORVANT sample diskette: written by KORVANT Setup. Remove it and restart.";

// Software emulation shows the message within a second; the rest is room for a busy machine.
constexpr std::chrono::seconds s_bootTimeout{30};

// The message must come whole on the serial port, line end included, and stand on the screen.
void ExpectBootsWithMessage(const std::string& strImage)
{
    const SBootOutcome outcome = BootDiskette(strImage, s_strMessage + "\r\n", s_bootTimeout);

    ASSERT_TRUE(outcome.bMessageSeen) << outcome.strProblem << "\nserial port sent:\n"
                                      << outcome.strSerial << "\nscreen:\n" << outcome.strScreen;
    EXPECT_THAT(outcome.strScreen, HasSubstr(s_strMessage + "\n")) << outcome.strProblem;
}

} // namespace

TEST(SampleDisketteBoot, BootsFromTheImageBesideTheProgram)
{
    ExpectBootsWithMessage(KORVANT_SAMPLE_IMAGE);
}

TEST(SampleDisketteBoot, BootsAfterTheWriterHasPutItOnDriveA)
{
    // A diskette that holds something else before, so that a write that left any of it
    // shows in the comparison and in the boot.
    CTempDir dir;
    const std::string strDriveA = dir / "fd0";
    WriteWholeFile(strDriveA, PatternImage(DISK_SIZE));
    ResetWizardState();

    CPostRecorder recorder;
    // The program where the build puts it, so the image it reads is the build's own.
    const CTestWriteSite site(KORVANT_PROGRAM_PATH, strDriveA);
    CWriteThread thread(site);
    ASSERT_TRUE(RunWriteToEnd(thread, recorder));

    ASSERT_EQ(g_nStatus, 0) << g_strError;
    EXPECT_EQ(g_strInputFile, KORVANT_SAMPLE_IMAGE);
    ASSERT_TRUE(ReadWholeFile(strDriveA) == ReadWholeFile(KORVANT_SAMPLE_IMAGE)) << "drive A: does not hold the image";

    ExpectBootsWithMessage(strDriveA);
}
