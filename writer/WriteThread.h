// The image writer: a worker thread that copies the image beside the program onto the
// diskette track by track, tells its page how far it got, and leaves the outcome in the
// wizard state. It reaches the page only by posted messages and never waits for it.
#pragma once

#include "DiskAccess.h"
#include "WriteSite.h"
#include "framework/core/Event.h"
#include "framework/core/PostTarget.h"
#include "framework/core/WinThread.h"

#include <atomic>
#include <memory>
#include <string>

class CDiskService;
class CFile;

class CWriteThread : public CWinThread
{
public:
    // The thread object belongs to its page and outlives its thread (no auto-delete), so that
    // the page can wait on m_hThread after the write has ended. The site must outlive it.
    explicit CWriteThread(const CWriteSite& site = CWriteSite::Product());
    ~CWriteThread() override;

    // The page whose window receives the progress and completion messages. Set before the
    // thread is started; the writer uses nothing of the page but its posting.
    void SetPage(CPostTarget* pPage);

    // Asks the writer to stop after the track it is writing; returns at once.
    void Stop();
    // Blocks until Stop has been called: for whoever may act only once the writer has been
    // told. Only tests need it, to hold a write at a track until the page has pressed Cancel.
    void WaitForStopRequest() const;

    // Records, as the outcome of the write, that its thread could not be started: the image
    // and the device it would have used, and the failure. Only while no writer runs.
    void RecordNotStarted() const;

    // The whole write; returns FALSE so that the thread ends when it is done.
    BOOL InitInstance() override;

    // Writes nSectors (low 16 bits) sectors from pBuffer to drive nDrive (low 8 bits; 0 = A:)
    // from sector dwStartSector on, by one INT 26h request to the 95 family's disk service:
    // the VWIN32 driver for the product, a stand-in for the tests on every platform.
    // Nonzero when the sectors were written; otherwise g_nStatus and g_strError say why.
    static BOOL AbsoluteDiskWrite(CDiskService& service, int nDrive, DWORD dwStartSector, UINT nSectors,
                                  const void* pBuffer);

private:
    void RecordWriteTarget(int nDrive) const;
    void PostToPage(UINT nMessage, WPARAM wParam) const;
    void CopyImage(CFile& fileImage, CDiskAccess& disk, void* pTrack);

    // Only ever goes from 0 to 1; the page sets it while the writer reads it.
    std::atomic<int> m_bStop{0};
    CEvent m_stopRequested;
    CPostTarget* m_pPage = nullptr;
    const CWriteSite& m_site;
};
