// The simulated drive: a loop device let through at a real drive's pace, and its round.
#include "SimulatedDrive.h"

#include "tests/support/TempDir.h"
#include "tests/support/LoopDevice.h"
#include "writer/DiskGeometry.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// A real drive turns once per request: 300 rpm is 5 a second. Four times that keeps the
// round short and still makes each needless request cost a visible 50 ms.
constexpr int s_nRequestsPerSecond = 20;
const std::filesystem::path s_blkio = "/sys/fs/cgroup/blkio";

// The block-I/O cgroup this process is in now, from /proc/self/cgroup.
std::filesystem::path CurrentBlkioGroup()
{
    std::ifstream cgroups("/proc/self/cgroup");
    std::string strLine;
    while (std::getline(cgroups, strLine)) {
        const std::size_t nController = strLine.find(":blkio:");
        if (nController != std::string::npos)
            return s_blkio / strLine.substr(nController + 7).erase(0, 1);
    }
    return s_blkio;
}

bool WriteSetting(const std::filesystem::path& path, const std::string& strValue)
{
    std::ofstream setting(path);
    setting << strValue;
    setting.flush();
    return static_cast<bool>(setting);
}

// Puts this process, for its lifetime, in a cgroup of its own that lets nRequests a second
// through to the device in each direction (cgroup v1; false where there is none).
class CThrottle
{
public:
    CThrottle(dev_t device, int nRequests)
    {
        if (!std::filesystem::exists(s_blkio / "blkio.throttle.write_iops_device"))
            return;
        m_group = s_blkio / ("korvant-bench-" + std::to_string(::getpid()));
        m_home = CurrentBlkioGroup();
        std::error_code error;
        std::filesystem::create_directory(m_group, error);
        const std::string strLimit = std::to_string(major(device)) + ":" + std::to_string(minor(device)) + " " +
                                     std::to_string(nRequests);
        m_bActive = !error && WriteSetting(m_group / "blkio.throttle.write_iops_device", strLimit) &&
                    WriteSetting(m_group / "blkio.throttle.read_iops_device", strLimit) &&
                    WriteSetting(m_group / "cgroup.procs", std::to_string(::getpid()));
    }
    ~CThrottle()
    {
        if (m_group.empty())
            return;
        WriteSetting(m_home / "cgroup.procs", std::to_string(::getpid()));
        std::error_code ignored;
        std::filesystem::remove(m_group, ignored);
    }
    CThrottle(const CThrottle&) = delete;
    CThrottle& operator=(const CThrottle&) = delete;

    bool IsActive() const { return m_bActive; }

private:
    std::filesystem::path m_group, m_home;
    bool m_bActive = false;
};

} // namespace

bool RunSimulatedDriveRound(const std::string& strFolder, const std::vector<char>& image,
                            const std::function<void(const std::string& strTarget)>& write)
{
    if (::geteuid() != 0) {
        std::printf("simulated drive: skipped (a loop device and the block-I/O controller need root)\n");
        return true;
    }
    const std::string strBacking = strFolder + "/drive.img";
    WriteWholeFile(strBacking, std::vector<char>(DISK_SIZE));
    auto pLoop = std::make_unique<CLoopDevice>(strBacking);
    struct stat st{};
    if (!pLoop->IsReady() || ::stat(pLoop->Path().c_str(), &st) != 0) {
        std::printf("simulated drive: skipped (no loop device to be had)\n");
        return true;
    }

    CLoopDevice::SRequests before{}, after{};
    double dSeconds = 0;
    bool bThrottled = false;
    {
        const CThrottle throttle(st.st_rdev, s_nRequestsPerSecond);
        bThrottled = throttle.IsActive();
        if (!bThrottled)
            std::printf("simulated drive: this machine has no cgroup v1 block-I/O controller: the timed part is skipped\n");
        before = pLoop->Requests();
        const auto start = std::chrono::steady_clock::now();
        write(pLoop->Path());
        dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        after = pLoop->Requests();
    }

    std::printf("simulated drive: %s, %d requests a second\n", pLoop->Path().c_str(), s_nRequestsPerSecond);
    std::printf("simulated drive: %ld write requests, %ld sectors written\n", after.nWrites - before.nWrites,
                after.nWriteSectors - before.nWriteSectors);
    std::printf("device reads during write: %ld sectors\n", after.nReadSectors - before.nReadSectors);
    if (bThrottled) {
        const double dFloor = static_cast<double>(DISK_TRACKS) / s_nRequestsPerSecond;
        std::printf("simulated drive: %.2f s against a floor of %.1f s (one request per track)\n", dSeconds, dFloor);
        std::printf("simulated drive: writer/floor time ratio: %.2f\n", dSeconds / dFloor);
    }
    pLoop.reset();  // detached, so the backing file holds what reached the medium
    if (ReadWholeFile(strBacking) != image) {
        std::fprintf(stderr, "simulated drive: the medium does not hold the image\n");
        return false;
    }
    return true;
}
