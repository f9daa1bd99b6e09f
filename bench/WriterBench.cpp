// The writer against dd on the same target: a full 1,474,560-byte image, written
// synchronously and directly in 9216-byte requests by both, several rounds each, interleaved
// so that neither profits from the other's caches. Prints the medians, the writer's extra
// memory and the ratio of the medians; then, as root, the round on a simulated drive.
#include "SimulatedDrive.h"
#include "tests/support/TestInstall.h"
#include "tests/support/TestWriteSite.h"
#include "tests/support/WizardStateReset.h"
#include "tests/support/WriteRun.h"
#include "writer/DiskGeometry.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstddef>
#include <cstdlib>
#include <malloc.h>
#include <fstream>
#include <new>
#include <string>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Heap use of the whole process, so that whatever a write allocates is seen.
std::atomic<long> s_nLiveBytes{0};
std::atomic<long> s_nPeakBytes{0};
std::atomic<long> s_nAllocations{0};

void CountAllocation(std::size_t nBytes)
{
    const long nLive = s_nLiveBytes += static_cast<long>(nBytes);
    long nPeak = s_nPeakBytes.load();
    while (nLive > nPeak && !s_nPeakBytes.compare_exchange_weak(nPeak, nLive)) {
    }
    ++s_nAllocations;
}

// Pages the writer maps for itself (its track buffer), seen through the linker's --wrap.
std::atomic<long> s_nMappedBytes{0};
std::atomic<long> s_nPeakMappedBytes{0};

} // namespace

// Counted by the size the allocator really handed out, so that deletion can count it back.
void* operator new(std::size_t nBytes)
{
    void* p = std::malloc(nBytes);
    if (p == nullptr)
        throw std::bad_alloc();
    CountAllocation(::malloc_usable_size(p));
    return p;
}

void operator delete(void* p) noexcept
{
    if (p != nullptr)
        s_nLiveBytes -= static_cast<long>(::malloc_usable_size(p));
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}

extern "C" {
void* __real_mmap(void*, std::size_t, int, int, int, off_t);
int __real_munmap(void*, std::size_t);

void* __wrap_mmap(void* pAddress, std::size_t nBytes, int nProtection, int nFlags, int fd, off_t nOffset)
{
    void* p = __real_mmap(pAddress, nBytes, nProtection, nFlags, fd, nOffset);
    if (p != MAP_FAILED) {
        const long nMapped = s_nMappedBytes += static_cast<long>(nBytes);
        long nPeak = s_nPeakMappedBytes.load();
        while (nMapped > nPeak && !s_nPeakMappedBytes.compare_exchange_weak(nPeak, nMapped)) {
        }
    }
    return p;
}

int __wrap_munmap(void* pAddress, std::size_t nBytes)
{
    const int nResult = __real_munmap(pAddress, nBytes);
    if (nResult == 0)
        s_nMappedBytes -= static_cast<long>(nBytes);
    return nResult;
}
}

namespace {

using Clock = std::chrono::steady_clock;

struct SWriterRun
{
    double dSeconds;
    long nPeakHeap;
    long nAllocations;
    long nPeakMapped;
    int nProgress;
};

SWriterRun RunWriter(const std::string& strProgram, const std::string& strTarget)
{
    // Each round's outcome is its own: a failure stays recorded until it is reset.
    ResetWizardState();
    CPostRecorder recorder;
    const CTestWriteSite site(strProgram, strTarget);
    CWriteThread thread(site);

    const long nHeapBefore = s_nLiveBytes.load();
    s_nPeakBytes = nHeapBefore;
    const long nMappedBefore = s_nMappedBytes.load();
    s_nPeakMappedBytes = nMappedBefore;
    const long nAllocationsBefore = s_nAllocations.load();

    const Clock::time_point start = Clock::now();
    if (!RunWriteToEnd(thread, recorder)) {
        std::fprintf(stderr, "the writer thread did not start or its end was not seen\n");
        std::exit(1);
    }
    const double dSeconds = std::chrono::duration<double>(Clock::now() - start).count();

    return {dSeconds, s_nPeakBytes.load() - nHeapBefore, s_nAllocations.load() - nAllocationsBefore,
            s_nPeakMappedBytes.load() - nMappedBefore, static_cast<int>(recorder.Progress())};
}

double RunDd(const std::string& strImage, const std::string& strTarget)
{
    const std::string strIf = "if=" + strImage;
    const std::string strOf = "of=" + strTarget;
    const Clock::time_point start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execlp("dd", "dd", strIf.c_str(), strOf.c_str(), "bs=9216", "oflag=sync,direct", "conv=notrunc", "status=none",
                 static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int nStatus = 0;
    ::waitpid(pid, &nStatus, 0);
    const double dSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (!WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0) {
        std::fprintf(stderr, "dd failed\n");
        std::exit(1);
    }
    return dSeconds;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 != 0 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    const int nRounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    const CTestInstall install;
    const std::string strDir = install.m_dir.Path().string();
    const std::string strProgram = install.m_strProgramPath;
    const std::string strImage = install.m_strImagePath;
    const std::string strTarget = install.m_dir / "floppy.img";
    const std::vector<char> image = install.PlaceImage();
    WriteWholeFile(strTarget, std::vector<char>(DISK_SIZE));

    std::printf("target: %s (%s)\n", strTarget.c_str(), "ordinary file, synchronous direct writes of 9216 bytes");
    std::printf("rounds: %d each, interleaved\n", nRounds);

    std::vector<double> writerTimes, ddTimes;
    SWriterRun last{};
    for (int nRound = 0; nRound < nRounds; ++nRound) {
        // Alternate who goes first, so that neither always meets the other's aftermath.
        if (nRound % 2 == 0)
            ddTimes.push_back(RunDd(strImage, strTarget));
        last = RunWriter(strProgram, strTarget);
        writerTimes.push_back(last.dSeconds);
        if (nRound % 2 != 0)
            ddTimes.push_back(RunDd(strImage, strTarget));

        if (g_nStatus != 0 || last.nProgress != static_cast<int>(DISK_TRACKS) || ReadWholeFile(strTarget) != image) {
            std::fprintf(stderr, "the writer did not write the image: status %d, %s\n", g_nStatus, g_strError.c_str());
            return 1;
        }
    }

    const double dWriter = Median(writerTimes);
    const double dDd = Median(ddTimes);
    std::printf("writer median: %.2f ms (%u tracks, %d progress posts)\n", dWriter * 1000, DISK_TRACKS, last.nProgress);
    std::printf("dd median:     %.2f ms\n", dDd * 1000);
    std::printf("writer peak extra memory: %ld bytes mapped for the track buffer, %ld bytes of heap in %ld allocations"
                " (for %u tracks: nothing per track)\n",
                last.nPeakMapped, last.nPeakHeap, last.nAllocations, DISK_TRACKS);
    std::printf("writer/dd time ratio: %.2f\n", dWriter / dDd);

    const bool bDriveWritten = RunSimulatedDriveRound(strDir, image, [&](const std::string& strDrive) {
        if (RunWriter(strProgram, strDrive).nProgress != static_cast<int>(DISK_TRACKS) || g_nStatus != 0)
            std::fprintf(stderr, "simulated drive: the writer failed: %s\n", g_strError.c_str());
    });
    return bDriveWritten ? 0 : 1;
}
