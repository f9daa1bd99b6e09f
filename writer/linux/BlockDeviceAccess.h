// The Linux family: the drive is a block device node, written with one request per track.
#pragma once

#include "writer/DiskAccess.h"

#include <string>

// The largest 3.5" diskette there is (2.88 MB ED): a larger device is not a diskette.
inline constexpr long long LARGEST_DISKETTE = 2949120;

class CBlockDeviceAccess : public CDiskAccess
{
public:
    explicit CBlockDeviceAccess(std::string strPath);
    ~CBlockDeviceAccess() override;

    // Opens the device itself, or, where the user may not, through udisks2, whose wait for
    // the password gives up at stopRequested; then refuses it if it is larger than any
    // diskette.
    bool Open(const CEvent& stopRequested) override;
    bool WriteTrack(unsigned nFirstSector, const void* pTrack) override;
    void Close() override;

private:
    std::string m_strPath;
    int m_fd = -1;
};
