// The 95 family: the drive is reached through the VWIN32 driver's INT 26h service, one
// request per track. The open touches only the driver, so a drive without a usable diskette
// shows up at the first track, not at the open.
#pragma once

#include "writer/DiskAccess.h"
#include "framework/core/Types.h"

class CVwin32Access : public CDiskAccess
{
public:
    explicit CVwin32Access(int nDrive);
    ~CVwin32Access() override;

    bool Open(const CEvent& stopRequested) override;
    bool WriteTrack(unsigned nFirstSector, const void* pTrack) override;
    void Close() override;

    // Which drive the choice of way named: for the tests, which check it.
    int Drive() const { return m_nDrive; }

private:
    int m_nDrive;
    HANDLE m_hDevice = INVALID_HANDLE_VALUE;
};
