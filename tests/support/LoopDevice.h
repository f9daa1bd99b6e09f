// A real block device for a test: a loop device over a temporary file. Needs the right to
// set up loop devices (root); a test that cannot have one skips.
#pragma once

#include <fcntl.h>
#include <fstream>
#include <linux/loop.h>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>

class CLoopDevice
{
public:
    explicit CLoopDevice(const std::string& strBackingFile)
    {
        const int control = ::open("/dev/loop-control", O_RDWR | O_CLOEXEC);
        if (control == -1)
            return;
        // Another process may take the free device first; try again with the next one.
        for (int nTry = 0; nTry < 8 && m_fd == -1; ++nTry) {
            const int nDevice = ::ioctl(control, LOOP_CTL_GET_FREE);
            if (nDevice < 0)
                break;
            const std::string strPath = "/dev/loop" + std::to_string(nDevice);
            const int device = ::open(strPath.c_str(), O_RDWR | O_CLOEXEC);
            const int backing = ::open(strBackingFile.c_str(), O_RDWR | O_CLOEXEC);
            if (device != -1 && backing != -1 && ::ioctl(device, LOOP_SET_FD, backing) == 0) {
                m_fd = device;
                m_strPath = strPath;
                // A diskette drive keeps nothing in a cache of its own, so a synchronous
                // write needs no flush after it; a loop device would be flushed each time.
                std::ofstream(SysfsPath() + "/queue/write_cache") << "write through";
            } else if (device != -1) {
                ::close(device);
            }
            if (backing != -1)
                ::close(backing);
        }
        ::close(control);
    }
    ~CLoopDevice()
    {
        if (m_fd != -1) {
            ::ioctl(m_fd, LOOP_CLR_FD, 0);
            ::close(m_fd);
        }
    }
    CLoopDevice(const CLoopDevice&) = delete;
    CLoopDevice& operator=(const CLoopDevice&) = delete;

    bool IsReady() const { return m_fd != -1; }
    const std::string& Path() const { return m_strPath; }

    // What the device itself has served so far, as the block layer counts it.
    struct SRequests
    {
        long nReads, nReadSectors, nWrites, nWriteSectors;
    };
    SRequests Requests() const
    {
        // /sys/block/loopN/stat: reads, merged reads, sectors read, ticks, writes, merged
        // writes, sectors written, ...
        std::ifstream stat(SysfsPath() + "/stat");
        long nUnused = 0;
        SRequests requests{};
        stat >> requests.nReads >> nUnused >> requests.nReadSectors >> nUnused >> requests.nWrites >> nUnused >>
            requests.nWriteSectors;
        return requests;
    }

private:
    std::string SysfsPath() const { return "/sys/block/" + m_strPath.substr(m_strPath.rfind('/') + 1); }

    int m_fd = -1;
    std::string m_strPath;
};
