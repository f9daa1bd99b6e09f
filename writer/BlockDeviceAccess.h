// The Linux family: the drive is a block device node, written with one request per track.
#pragma once

#include "DiskAccess.h"

#include <string>

// /dev/fd0 for drive A:, /dev/fd1 for drive B:; empty for any other index.
std::string FloppyDevicePath(int nDrive);

class CBlockDeviceAccess : public CDiskAccess
{
public:
    explicit CBlockDeviceAccess(std::string strPath);
    ~CBlockDeviceAccess() override;

    bool Open() override;
    bool WriteTrack(unsigned nFirstSector, const void* pTrack) override;
    void Close() override;

private:
    void RecordSystemError(int nError);

    std::string m_strPath;
    int m_fd = -1;
};
