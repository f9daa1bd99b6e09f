// One way to the raw diskette, for one write. Each platform family has its own; the writer
// chooses one at the start of every write and uses it from the open to the close.
#pragma once

#include <memory>
#include <string>

class CEvent;

class CDiskAccess
{
public:
    virtual ~CDiskAccess() = default;

    // Opens the drive for writing. false when it cannot be opened, or when what is there
    // cannot be a diskette; nothing is recorded then, and nothing has been written. A way
    // that waits for the user (for a password) gives up at stopRequested, and also fails
    // when the stop came while it waited: the user who cancelled gets no track written.
    virtual bool Open(const CEvent& stopRequested) = 0;

    // Writes one whole track (SECTORS_PER_TRACK sectors) starting at nFirstSector. Tracks
    // come in ascending order from sector 0. On failure records g_nStatus and g_strError
    // and returns false; the writer then writes no further track.
    virtual bool WriteTrack(unsigned nFirstSector, const void* pTrack) = 0;

    // Closes the drive if it is open; safe to call more than once.
    virtual void Close() = 0;
};

// The way to drive nDrive (0 = A:, 1 = B:) on the platform family this process runs on;
// nullptr for any other index, on every platform, since any other drive is a hard disk. A
// letter with no drive behind it still gets a way, one whose Open fails.
std::unique_ptr<CDiskAccess> ChooseDiskAccess(int nDrive);
