// The write from start to end: what reaches the drive, what the page is told, and what the
// wizard state holds afterwards, on every path the write can take.
#include "WriterFixture.h"

#include "framework/core/File.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>

#ifndef _WIN32
#include "tests/support/FileSizeLimit.h"
#include "tests/support/Monitor.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#endif

using ::testing::ElementsAre;

TEST_F(WriterTest, FullWriteCopiesTheImageTrackByTrackAndReportsEveryTrack)
{
    const std::vector<char> image = PlaceImage(DISK_SIZE);

    const SPostSummary posts = RunWrite();

    EXPECT_EQ(ReadWholeFile(m_strDriveA), image);
    EXPECT_EQ(g_nStatus, 0);
    EXPECT_EQ(g_strError, "");
    EXPECT_EQ(g_strInputFile, m_strImagePath);
    EXPECT_EQ(g_strOutputDevice, "A:");
    EXPECT_EQ(m_counts.nOpens, 1);
    EXPECT_EQ(m_counts.nWrites, 160);
    EXPECT_EQ(m_counts.nCloses, 1);
    ExpectCleanEnd(posts);

    // 160 progress values: they start 0, 0, 1, 1, 2, 3, never reach 100, and every value
    // from 0 to 99 occurs, sixty of them twice.
    const std::vector<unsigned>& p = posts.progress;
    ASSERT_EQ(p.size(), 160u);
    EXPECT_EQ(std::vector<unsigned>(p.begin(), p.begin() + 10), (std::vector<unsigned>{0, 0, 1, 1, 2, 3, 3, 4, 5, 5}));
    EXPECT_EQ(std::vector<unsigned>(p.end() - 6, p.end()), (std::vector<unsigned>{96, 96, 97, 98, 98, 99}));
    std::map<unsigned, int> occurrences;
    for (std::size_t i = 0; i < p.size(); ++i) {
        ++occurrences[p[i]];
        if (i > 0) {
            EXPECT_LE(p[i - 1], p[i]) << "at track " << i;
        }
    }
    EXPECT_EQ(occurrences.size(), 100u);
    EXPECT_EQ(occurrences.rbegin()->first, 99u);
    int nTwice = 0;
    for (const auto& [nValue, nCount] : occurrences)
        nTwice += nCount == 2;
    EXPECT_EQ(nTwice, 60);
}

TEST_F(WriterTest, LongerImageWritesOnlyTheDiskettesSizeWithoutError)
{
    const std::vector<char> image = PlaceImage(DISK_SIZE + 5000);

    const SPostSummary posts = RunWrite();

    EXPECT_EQ(ReadWholeFile(m_strDriveA), Prefix(image, DISK_SIZE));
    EXPECT_EQ(g_nStatus, 0);
    EXPECT_EQ(g_strError, "");
    EXPECT_EQ(posts.progress.size(), 160u);
    ExpectCleanEnd(posts);
}

TEST_F(WriterTest, ShortImageWritesTheWholeTracksBeforeItAndFails)
{
    // image size -> whole tracks in it
    const std::pair<std::size_t, std::size_t> cases[] = {
        {0, 0},
        {100, 0},
        {3 * TRACK_SIZE, 3},
        {3 * TRACK_SIZE + 100, 3},
        {DISK_SIZE - 1, 159},
    };
    for (const auto& [nSize, nTracks] : cases) {
        SCOPED_TRACE("image of " + std::to_string(nSize) + " bytes");
        SetUp();
        const std::vector<char> image = PlaceImage(nSize);

        const SPostSummary posts = RunWrite();

        EXPECT_EQ(ReadWholeFile(m_strDriveA), Prefix(image, nTracks * TRACK_SIZE));
        EXPECT_EQ(g_nStatus, -1);
        EXPECT_EQ(g_strError, "Unexpected end of file.");
        EXPECT_EQ(posts.progress.size(), nTracks);
        EXPECT_FALSE(m_counts.bOpen);
        ExpectCleanEnd(posts);
    }
}

TEST_F(WriterTest, MissingOrHeldImageNeverOpensTheDevice)
{
    {
        SCOPED_TRACE("missing image");
        const SPostSummary posts = RunWrite();
        EXPECT_EQ(g_nStatus, -1);
        EXPECT_EQ(g_strError, "Unable to open input file.");
        EXPECT_EQ(g_strInputFile, m_strImagePath);
        EXPECT_EQ(g_strOutputDevice, "A:");
        EXPECT_TRUE(posts.progress.empty());
        ExpectCleanEnd(posts);
    }
    {
        SCOPED_TRACE("image held by another opener");
        SetUp();
        PlaceImage(DISK_SIZE);
        CFile holder;
        ASSERT_TRUE(holder.Open(m_strImagePath, CFile::modeRead));

        const SPostSummary posts = RunWrite();

        EXPECT_EQ(g_nStatus, -1);
        EXPECT_EQ(g_strError, "Unable to open input file.");
        EXPECT_EQ(g_strInputFile, m_strImagePath);
        EXPECT_TRUE(posts.progress.empty());
        ExpectCleanEnd(posts);
    }
    EXPECT_EQ(m_counts.nOpens, 0);
    EXPECT_TRUE(ReadWholeFile(m_strDriveA).empty());
}

// The ways a drive fails below are those of a Linux block device; the Windows families
// fail their own ways (tests/windows/WindowsWriteTest.cpp).
#ifndef _WIN32

TEST_F(WriterTest, MissingDeviceIsNotCreatedAndReleasesTheImage)
{
    PlaceImage(DISK_SIZE);
    std::filesystem::remove(m_strDriveA);

    const SPostSummary posts = RunWrite();

    EXPECT_EQ(g_nStatus, -1);
    EXPECT_EQ(g_strError, "Unable to open output device.");
    EXPECT_EQ(g_strOutputDevice, "A:");
    EXPECT_FALSE(std::filesystem::exists(m_strDriveA));
    EXPECT_TRUE(posts.progress.empty());
    ExpectCleanEnd(posts);
    ExpectImageReleased();
}

// A drive as large as the largest diskette (2.88 MB) is one; a byte more and it is not. The
// size is written out here, not taken from the product, so that a wrong limit cannot pass.
TEST_F(WriterTest, DriveOfTheLargestDisketteSizeIsWrittenAndOneByteMoreIsRefusedUntouched)
{
    constexpr long long nLargest = 2949120;
    const std::vector<char> image = PlaceImage(DISK_SIZE);
    for (const long long nSize : {nLargest, nLargest + 1}) {
        SCOPED_TRACE("drive of " + std::to_string(nSize) + " bytes");
        SetUp();
        std::vector<char> drive(static_cast<std::size_t>(nSize), '\x5A');
        WriteWholeFile(m_strDriveA, drive);

        const SPostSummary posts = RunWrite();

        if (nSize == nLargest) {
            EXPECT_EQ(g_nStatus, 0) << g_strError;
            std::copy(image.begin(), image.end(), drive.begin());
        } else {
            EXPECT_EQ(g_nStatus, -1);
            EXPECT_EQ(g_strError, "Unable to open output device.");
            EXPECT_EQ(m_counts.nWrites, 0);
        }
        EXPECT_TRUE(ReadWholeFile(m_strDriveA) == drive) << "the drive does not hold what it should";
        ExpectCleanEnd(posts);
    }
}

TEST_F(WriterTest, FailingTrackEndsTheWriteWithTheSystemsCodeAndText)
{
    const std::vector<char> image = PlaceImage(DISK_SIZE);
    SPostSummary posts;
    {
        CFileSizeLimit limit(7 * TRACK_SIZE);
        posts = RunWrite();
    }
    EXPECT_EQ(g_nStatus, EFBIG);
    EXPECT_EQ(g_strError, std::strerror(EFBIG));
    EXPECT_EQ(ReadWholeFile(m_strDriveA), Prefix(image, 7 * TRACK_SIZE));
    EXPECT_EQ(m_counts.nWrites, 8) << "no track after the failed one";
    EXPECT_EQ(posts.progress.size(), 7u);
    EXPECT_EQ(m_counts.nCloses, 1);
    ExpectCleanEnd(posts);
}

TEST_F(WriterTest, TrackWrittenOnlyInPartIsAFailedTrack)
{
    PlaceImage(DISK_SIZE);
    SPostSummary posts;
    {
        CFileSizeLimit limit(7 * TRACK_SIZE + 100);
        posts = RunWrite();
    }
    EXPECT_EQ(g_nStatus, ENOSPC);
    EXPECT_EQ(g_strError, std::strerror(ENOSPC));
    EXPECT_EQ(posts.progress.size(), 7u);
    EXPECT_EQ(m_counts.nWrites, 8);
    ExpectCleanEnd(posts);
}

TEST_F(WriterTest, DeviceThatRefusesEveryWriteFailsAtTheFirstTrack)
{
    PlaceImage(DISK_SIZE);
    std::filesystem::remove(m_strDriveA);
    std::filesystem::create_symlink("/dev/full", m_strDriveA);

    const SPostSummary posts = RunWrite();

    EXPECT_EQ(g_nStatus, ENOSPC);
    EXPECT_EQ(g_strError, std::strerror(ENOSPC));
    EXPECT_TRUE(posts.progress.empty());
    EXPECT_EQ(m_counts.nWrites, 1);
    ExpectCleanEnd(posts);
}

#endif

TEST_F(WriterTest, StopBeforeTheFirstTrackStillWritesAndReportsThatTrack)
{
    const std::vector<char> image = PlaceImage(DISK_SIZE);

    const SPostSummary posts = RunWrite(/*bStopFirst=*/true);

    EXPECT_EQ(ReadWholeFile(m_strDriveA), Prefix(image, TRACK_SIZE));
    EXPECT_THAT(posts.progress, ElementsAre(0u));
    EXPECT_EQ(g_nStatus, 0);
    EXPECT_EQ(g_strError, "");
    EXPECT_EQ(m_counts.nCloses, 1);
    ExpectCleanEnd(posts);
}

TEST_F(WriterTest, StopDuringATrackEndsAfterThatTrack)
{
    const std::vector<char> image = PlaceImage(DISK_SIZE);
    CPostRecorder recorder;
    // The page's Cancel arrives while track 50 is being reported.
    recorder.onProgress = [this](std::size_t nProgress) {
        if (nProgress == 50)
            m_pThread->Stop();
    };

    const SPostSummary posts = RunWrite(recorder);

    EXPECT_EQ(ReadWholeFile(m_strDriveA), Prefix(image, 50 * TRACK_SIZE));
    EXPECT_EQ(posts.progress.size(), 50u);
    EXPECT_EQ(g_nStatus, 0);
    EXPECT_EQ(g_strError, "");
    ExpectCleanEnd(posts);
}

TEST_F(WriterTest, StopFromAnotherThreadLeavesWholeTracksOnly)
{
    const std::vector<char> image = PlaceImage(DISK_SIZE);
    CPostRecorder recorder;
    CTestWriteThread thread(m_site);
    ASSERT_TRUE(StartWrite(thread, recorder));

    recorder.WaitForProgress(20);
    thread.Stop();
    ASSERT_TRUE(WaitForWriteEnd(thread, recorder));
    const SPostSummary posts = Summarize(recorder.Messages());

    const std::size_t nTracks = posts.progress.size();
    EXPECT_GE(nTracks, 20u);
    EXPECT_EQ(ReadWholeFile(m_strDriveA), Prefix(image, nTracks * TRACK_SIZE));
    EXPECT_EQ(static_cast<std::size_t>(m_counts.nWrites.load()), nTracks);
    EXPECT_EQ(g_nStatus, 0);
    ExpectCleanEnd(posts);
}

TEST_F(WriterTest, DriveBWritesTheSecondDriveOnly)
{
    const std::vector<char> image = PlaceImage(DISK_SIZE);
    g_nDrive = 1;

    const SPostSummary posts = RunWrite();

    EXPECT_EQ(g_strOutputDevice, "B:");
    EXPECT_EQ(ReadWholeFile(m_strDriveB), image);
    EXPECT_TRUE(ReadWholeFile(m_strDriveA).empty());
    EXPECT_EQ(g_nStatus, 0);
    ExpectCleanEnd(posts);
}

TEST_F(WriterTest, DriveOutsideAAndBOpensNoDevice)
{
    PlaceImage(DISK_SIZE);
    // -1: no radio button selected; 2 would be drive C:, a hard disk.
    for (const int nDrive : {-1, 2}) {
        SCOPED_TRACE("drive index " + std::to_string(nDrive));
        g_nDrive = nDrive;

        const SPostSummary posts = RunWrite();

        EXPECT_EQ(g_strError, "Unable to open output device.");
        EXPECT_EQ(g_nStatus, -1);
        EXPECT_EQ(m_counts.nWrites, 0);
        EXPECT_TRUE(ReadWholeFile(m_strDriveA).empty());
        ExpectCleanEnd(posts);
    }
}

TEST_F(WriterTest, NothingResetsARecordedFailure)
{
    RunWrite();  // no image yet
    ASSERT_EQ(g_nStatus, -1);

    const std::vector<char> image = PlaceImage(DISK_SIZE);
    g_nDrive = 1;
    RunWrite();

    EXPECT_EQ(ReadWholeFile(m_strDriveB), image);
    EXPECT_EQ(g_nStatus, -1);
    EXPECT_EQ(g_strError, "Unable to open input file.");
    EXPECT_EQ(g_strOutputDevice, "B:");
}

// The system calls these two arm faults in are the Linux ones.
#ifndef _WIN32

TEST_F(WriterTest, NoTrackBufferFailsBeforeAnythingIsOpened)
{
    PlaceImage(DISK_SIZE);
    FailMapOfSize(TRACK_SIZE);

    const SPostSummary posts = RunWrite();

    EXPECT_EQ(g_nStatus, -1);
    EXPECT_EQ(g_strError, "Nicht gen\u00fcgend Speicher.");
    EXPECT_EQ(g_strInputFile, m_strImagePath);
    EXPECT_EQ(g_strOutputDevice, "A:");
    EXPECT_EQ(m_counts.nOpens, 0);
    ExpectCleanEnd(posts);
}

// A failure where the way to the drive is chosen, handled with no memory left even for its
// text: the error page still comes, naming the image and the device.
TEST_F(WriterTest, FailureWhileChoosingTheDriveWithNoMemoryForItsTextReachesTheErrorPage)
{
    PlaceImage(DISK_SIZE);
    for (const bool bFileException : {true, false}) {
        SCOPED_TRACE(bFileException ? "a file exception" : "no memory");
        ResetWizardState();
        m_counts.beforeChoose = [bFileException] {
            auto* pException = bFileException ? new CFileException(CFileException::hardIO, EIO) : nullptr;
            FailNextAllocationOfThisThread();
            if (pException != nullptr)
                throw pException;
            throw std::bad_alloc();
        };

        const SPostSummary posts = RunWrite();

        EXPECT_EQ(g_nStatus, -1);
        EXPECT_EQ(g_strError, "");
        EXPECT_EQ(g_strInputFile, m_strImagePath);
        EXPECT_EQ(g_strOutputDevice, "A:");
        ExpectCleanEnd(posts);
    }
}

// A drive that does not open, with no memory left for the text of that failure: the failure
// is recorded without its text, so the error page follows and not the finish page.
TEST_F(WriterTest, DriveThatDoesNotOpenWithNoMemoryForItsTextIsStillAFailure)
{
    PlaceImage(DISK_SIZE);
    std::filesystem::remove(m_strDriveA);
    // The next allocation is the text's, as the writer records it.
    m_counts.afterOpen = [] { FailNextAllocationOfThisThread(); };

    const SPostSummary posts = RunWrite();

    EXPECT_EQ(g_nStatus, -1);
    EXPECT_EQ(g_strError, "");
    EXPECT_EQ(g_strOutputDevice, "A:");
    ExpectCleanEnd(posts);
}

TEST_F(WriterTest, ImageThatIsNoOrdinaryFileIsRefusedAtOnceAndALinkToOneIsWritten)
{
    // A pipe that nobody writes, whose plain open would wait for ever; should the writer wait
    // there all the same, the test lets it go after a while, and fails on the time it took.
    struct SUnblocker
    {
        CMonitor monitor;
        bool bDone = false;
        std::thread thread;

        void Start(const std::string& strPipe)
        {
            thread = std::thread([this, strPipe] {
                if (!monitor.WaitUntil([this] { return bDone; }, std::chrono::seconds(10)))
                    ::close(::open(strPipe.c_str(), O_WRONLY | O_NONBLOCK));
            });
        }
        void Finish()
        {
            monitor.Change([this] { bDone = true; });
            thread.join();
        }
    };
    const auto MakeSocket = [](const std::string& strPath) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, strPath.c_str(), sizeof address.sun_path - 1);
        EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << std::strerror(errno);
        return fd;
    };
    for (const char* pszKind : {"pipe", "socket", "character device", "folder"}) {
        SCOPED_TRACE(pszKind);
        SetUp();
        std::filesystem::remove_all(m_strImagePath);
        int fdSocket = -1;
        const std::string strKind = pszKind;
        if (strKind == "pipe")
            ASSERT_EQ(::mkfifo(m_strImagePath.c_str(), 0600), 0);
        else if (strKind == "socket")
            fdSocket = MakeSocket(m_strImagePath);
        else if (strKind == "character device")
            std::filesystem::create_symlink("/dev/zero", m_strImagePath);
        else
            std::filesystem::create_directory(m_strImagePath);

        SUnblocker unblocker;
        unblocker.Start(m_strImagePath);
        const auto started = std::chrono::steady_clock::now();
        const SPostSummary posts = RunWrite();
        const auto took = std::chrono::steady_clock::now() - started;
        unblocker.Finish();
        if (fdSocket != -1)
            ::close(fdSocket);

        EXPECT_LT(took, std::chrono::seconds(5));
        EXPECT_EQ(g_nStatus, -1);
        EXPECT_EQ(g_strError, "Unable to open input file.");
        EXPECT_TRUE(posts.progress.empty());
        ExpectCleanEnd(posts);
        EXPECT_EQ(m_counts.nOpens, 0);
        std::filesystem::remove_all(m_strImagePath);
    }

    SetUp();
    const std::string strElsewhere = m_strImagePath + ".real";
    WriteWholeFile(strElsewhere, PlaceImage(DISK_SIZE));
    std::filesystem::remove(m_strImagePath);
    std::filesystem::create_symlink(strElsewhere, m_strImagePath);
    RunWrite();
    EXPECT_EQ(g_nStatus, 0);
    EXPECT_EQ(ReadWholeFile(m_strDriveA), ReadWholeFile(strElsewhere));
}

TEST_F(WriterTest, ReadErrorOfTheImageEndsTheWriteWithTheFileLayersText)
{
    const std::vector<char> image = PlaceImage(DISK_SIZE);
    FailReadOfSize(TRACK_SIZE, 4, EIO);

    const SPostSummary posts = RunWrite();

    EXPECT_EQ(g_nStatus, -1);
    EXPECT_EQ(g_strError, "Ein Hardware-E/A-Fehler wurde w\u00e4hrend des Zugriffs auf eine unbenannte Datei gemeldet.");
    EXPECT_EQ(ReadWholeFile(m_strDriveA), Prefix(image, 3 * TRACK_SIZE));
    EXPECT_EQ(posts.progress.size(), 3u);
    EXPECT_EQ(m_counts.nCloses, 1);
    ExpectCleanEnd(posts);
    ExpectImageReleased();
}

#endif
