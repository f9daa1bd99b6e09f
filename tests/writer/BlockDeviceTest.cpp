// The writer on a real block device, reached through a link as /dev/fd0 is.
#include "WriterFixture.h"
#include "tests/support/LoopDevice.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

class BlockDeviceTest : public WriterTest
{
protected:
    void SetUp() override
    {
        WriterTest::SetUp();
        WriteWholeFile(m_strDiskette, std::vector<char>(DISK_SIZE, '\x5A'));
        if (!InsertDiskette())
            GTEST_SKIP() << "no loop device available (needs root)";
    }
    void TearDown() override { m_pLoop.reset(); }

    // The medium in m_strDiskette as the device behind drive A:'s link; false without a loop
    // device. A test that changes the medium takes the one before out first.
    bool InsertDiskette()
    {
        m_pLoop = std::make_unique<CLoopDevice>(m_strDiskette);
        if (!m_pLoop->IsReady())
            return false;
        std::filesystem::remove(m_strDriveA);
        std::filesystem::create_symlink(m_pLoop->Path(), m_strDriveA);
        return true;
    }

    const std::string m_strDiskette = m_dir / "diskette.img";
    std::unique_ptr<CLoopDevice> m_pLoop;
};

TEST_F(BlockDeviceTest, FullWriteReachesTheMediumBehindTheLinkAsOneRequestPerTrackAndNoReads)
{
    const std::vector<char> image = PlaceImage(DISK_SIZE);
    const CLoopDevice::SRequests before = m_pLoop->Requests();
    CLoopDevice::SRequests during{};
    m_counts.beforeClose = [&] { during = m_pLoop->Requests(); };

    const SPostSummary posts = RunWrite();

    EXPECT_EQ(g_nStatus, 0) << g_strError;
    EXPECT_EQ(posts.progress.size(), 160u);
    // A drive serves about one request per turn of the diskette: each extra one costs a turn.
    EXPECT_EQ(during.nWrites - before.nWrites, 160);
    EXPECT_EQ(during.nWriteSectors - before.nWriteSectors, 2880);
    EXPECT_EQ(during.nReads - before.nReads, 0);
    EXPECT_EQ(during.nReadSectors - before.nReadSectors, 0);
    m_pLoop.reset();  // detach, so the backing file is read as the medium holds it
    EXPECT_EQ(ReadWholeFile(m_strDiskette), image);
}

TEST_F(BlockDeviceTest, ClaimedDeviceIsNotWritten)
{
    PlaceImage(DISK_SIZE);
    // Holding the device exclusively is what a mounted file system does.
    const int claim = ::open(m_pLoop->Path().c_str(), O_RDONLY | O_EXCL | O_CLOEXEC);
    ASSERT_NE(claim, -1);

    const SPostSummary posts = RunWrite();
    ::close(claim);

    EXPECT_EQ(g_nStatus, -1);
    EXPECT_EQ(g_strError, "Unable to open output device.");
    EXPECT_EQ(m_counts.nWrites, 0);
    m_pLoop.reset();
    EXPECT_EQ(ReadWholeFile(m_strDiskette), std::vector<char>(DISK_SIZE, '\x5A'));
}

TEST_F(BlockDeviceTest, DeviceSmallerThanADisketteFailsAtItsEnd)
{
    const std::vector<char> image = PlaceImage(DISK_SIZE);
    m_pLoop.reset();
    std::filesystem::resize_file(m_strDiskette, 100 * TRACK_SIZE + 512);
    ASSERT_TRUE(InsertDiskette());

    const SPostSummary posts = RunWrite();

    EXPECT_EQ(g_nStatus, ENOSPC);
    EXPECT_EQ(g_strError, std::strerror(ENOSPC));
    EXPECT_EQ(posts.progress.size(), 100u);
    m_pLoop.reset();
    const std::vector<char> medium = ReadWholeFile(m_strDiskette);
    EXPECT_EQ(Prefix(medium, 100 * TRACK_SIZE), Prefix(image, 100 * TRACK_SIZE));
}

TEST_F(BlockDeviceTest, DeviceLargerThanAnyDisketteIsRefusedUntouched)
{
    // Say /dev/fd0 led to a hard disk: 16 MiB stands in for it.
    PlaceImage(DISK_SIZE);
    m_pLoop.reset();
    const std::vector<char> disk(16 << 20, '\x5A');
    WriteWholeFile(m_strDiskette, disk);
    ASSERT_TRUE(InsertDiskette());
    const CLoopDevice::SRequests before = m_pLoop->Requests();

    const SPostSummary posts = RunWrite();

    EXPECT_EQ(g_nStatus, -1);
    EXPECT_EQ(g_strError, "Unable to open output device.");
    EXPECT_TRUE(posts.progress.empty());
    EXPECT_EQ(m_pLoop->Requests().nWrites, before.nWrites);
    m_pLoop.reset();
    EXPECT_TRUE(ReadWholeFile(m_strDiskette) == disk) << "the disk was written";
}
