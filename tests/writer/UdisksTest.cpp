// Writing without root: the user may not open the drive, so the writer asks udisks2 over the
// system bus. Here the bus is a real dbus-daemon of the test's own (the writer finds it as
// DBUS_SYSTEM_BUS_ADDRESS says), udisks2 is a stand-in, and the writer runs as "nobody".
#include "tests/support/TestBus.h"
#include "tests/support/TestInstall.h"
#include "tests/support/UdisksStandIn.h"
#include "writer/DiskGeometry.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

struct SOutcome
{
    int nStatus = 0;
    std::string strError;
};

class UdisksTest : public ::testing::Test, protected CTestInstall
{
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root, to run the writer as another user";
        ASSERT_FALSE(m_bus.Address().empty()) << "dbus-daemon did not come up";
        ::chmod(m_dir.Path().c_str(), 0755);
        m_image = PlaceImage();
        ::chmod(m_strImagePath.c_str(), 0644);
        // The drive: root's alone, as /dev/sdb is on a desktop.
        WriteWholeFile(m_strDevice, std::vector<char>(DISK_SIZE));
        ::chmod(m_strDevice.c_str(), 0600);
    }

    // One write by "nobody", seeing the test's bus as the system bus, to the drive through a
    // link of its own, as a hand-made /dev/fd0 is.
    SOutcome RunUnprivilegedWrite()
    {
        const std::string strLink = m_dir / "drive-a";
        std::filesystem::remove(strLink);
        std::filesystem::create_symlink(m_strDevice, strLink);
        const std::string strBus = "DBUS_SYSTEM_BUS_ADDRESS=" + m_bus.Address();
        char* const argv[] = {const_cast<char*>(UNPRIVILEGED_WRITE), const_cast<char*>(m_strProgramPath.c_str()),
                              const_cast<char*>(strLink.c_str()), nullptr};
        char* const envp[] = {const_cast<char*>(strBus.c_str()), nullptr};
        int output[2];
        if (::pipe(output) != 0)
            return {};
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::dup2(output[1], STDOUT_FILENO);
            ::execve(UNPRIVILEGED_WRITE, argv, envp);
            ::_exit(127);
        }
        ::close(output[1]);
        std::string strOutput;
        char buffer[256];
        ssize_t n;
        while ((n = ::read(output[0], buffer, sizeof buffer)) > 0)
            strOutput.append(buffer, static_cast<std::size_t>(n));
        ::close(output[0]);
        int nExit = 0;
        ::waitpid(pid, &nExit, 0);
        EXPECT_TRUE(WIFEXITED(nExit) && WEXITSTATUS(nExit) == 0) << strOutput;
        const std::size_t nLineEnd = strOutput.find('\n');
        if (nLineEnd == std::string::npos)
            return {};
        return {std::stoi(strOutput.substr(0, nLineEnd)), strOutput.substr(nLineEnd + 1)};
    }

    CTestBus m_bus;
    const std::string m_strDevice = (std::filesystem::canonical(m_dir.Path()) / "fd0").string();
    std::vector<char> m_image;
};

TEST_F(UdisksTest, DriveTheUserMayNotOpenIsOpenedByUdisksWithTheWritersFlagsAndWritten)
{
    CUdisksStandIn udisks(m_bus.Address(), m_strDevice, CUdisksStandIn::EAnswer::open);
    ASSERT_TRUE(udisks.IsReady());

    const SOutcome outcome = RunUnprivilegedWrite();

    EXPECT_EQ(outcome.nStatus, 0) << outcome.strError;
    EXPECT_EQ(udisks.Resolves(), 1);
    EXPECT_EQ(udisks.Opens(), 1);
    EXPECT_EQ(udisks.Mode(), "w");
    EXPECT_EQ(udisks.Flags(), O_EXCL | O_SYNC | O_DIRECT) << "udisksd ignores flags sent otherwise than as an int32";
    EXPECT_TRUE(udisks.InteractionAllowed());
    EXPECT_TRUE(ReadWholeFile(m_strDevice) == m_image) << "the image did not land through udisks' descriptor";
}

TEST_F(UdisksTest, DriveTheUserMayOpenIsNeverTakenToUdisks)
{
    CUdisksStandIn udisks(m_bus.Address(), m_strDevice, CUdisksStandIn::EAnswer::open);
    ASSERT_TRUE(udisks.IsReady());
    ::chmod(m_strDevice.c_str(), 0666);

    const SOutcome outcome = RunUnprivilegedWrite();

    EXPECT_EQ(outcome.nStatus, 0) << outcome.strError;
    EXPECT_EQ(udisks.Resolves() + udisks.Opens(), 0);
    EXPECT_TRUE(ReadWholeFile(m_strDevice) == m_image);
}

TEST_F(UdisksTest, RefusalOrNoUdisksAtAllEndsWithTheErrorAndNothingWritten)
{
    // Polkit says no, or could ask but finds no agent on the desktop to ask the user.
    for (const auto answer : {CUdisksStandIn::EAnswer::notAuthorized, CUdisksStandIn::EAnswer::canObtain}) {
        CUdisksStandIn udisks(m_bus.Address(), m_strDevice, answer);
        ASSERT_TRUE(udisks.IsReady());
        const SOutcome outcome = RunUnprivilegedWrite();
        EXPECT_EQ(outcome.nStatus, -1);
        EXPECT_EQ(outcome.strError, "Unable to open output device.");
        EXPECT_EQ(udisks.Opens(), 1);
    }
    // No udisks2 on the bus at all.
    const SOutcome outcome = RunUnprivilegedWrite();
    EXPECT_EQ(outcome.nStatus, -1);
    EXPECT_EQ(outcome.strError, "Unable to open output device.");
    EXPECT_TRUE(ReadWholeFile(m_strDevice) == std::vector<char>(DISK_SIZE)) << "the drive was written";
}

} // namespace
