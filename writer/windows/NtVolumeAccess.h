// The NT family: the floppy volume opened as a device and written with ordinary file writes.
#pragma once

#include "writer/DiskAccess.h"
#include "framework/core/Types.h"

#include <string>

// "\\.\A:" for drive 0, "\\.\B:" for drive 1: the device prefix and the drive's device text.
std::string NtVolumeName(int nDrive);

// Records a failed system call as the wizard state shows it: the code as the status and the
// system's own text for it, unchanged, line end included.
void RecordSystemError(DWORD dwError);

class CNtVolumeAccess : public CDiskAccess
{
public:
    explicit CNtVolumeAccess(std::string strDevice);
    ~CNtVolumeAccess() override;

    bool Open(const CEvent& stopRequested) override;
    // The device's position advances by itself, which is why tracks come in ascending order.
    bool WriteTrack(unsigned nFirstSector, const void* pTrack) override;
    void Close() override;

    // Which device the choice of way named: for the tests, which check it.
    const std::string& DeviceName() const { return m_strDevice; }

protected:
    // One write to the open device, as WriteFile does it.
    virtual BOOL WriteDevice(const void* pData, DWORD nBytes, DWORD* pnWritten);

private:
    std::string m_strDevice;
    HANDLE m_hDevice = INVALID_HANDLE_VALUE;
};
