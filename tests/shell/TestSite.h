// The writing page at a site of the test's own: the program "installed" in a temporary folder
// with its image beside it, drives A: and B: as files there, and a gate that can hold the
// writer before a chosen track. No test ever reaches the machine's own drives.
#pragma once

#include "pages/WritePage.h"
#include "tests/support/Monitor.h"
#include "tests/support/TestInstall.h"
#include "tests/support/TestWriteSite.h"
#include "writer/DiskGeometry.h"

#include <chrono>
#include <optional>

// Holds the writer before one track: until the test releases it, or until the writing page
// has asked the writer to stop (the track is then written and the writer ends after it).
class CTrackGate
{
public:
    void HoldBefore(unsigned nTrack, bool bUntilStop)
    {
        m_monitor.Change([&] {
            m_nTrack = nTrack;
            m_bUntilStop = bUntilStop;
            m_bReleased = false;
            m_bHeld = false;
        });
    }

    // A writer held until the stop request gets one.
    void Release()
    {
        CWriteThread* pWaitingForStop = nullptr;
        m_monitor.Change([&] {
            m_bReleased = true;
            pWaitingForStop = m_pWaitingForStop;
        });
        if (pWaitingForStop != nullptr)
            pWaitingForStop->Stop();
    }

    // True once the writer waits at the gate; false if it has not come within the time.
    bool WaitUntilHeld(std::chrono::seconds limit = std::chrono::seconds(60))
    {
        return m_monitor.WaitUntil([this] { return m_bHeld; }, limit);
    }

    // On the writer's thread, before each track.
    void Pass(unsigned nTrack, CWriteThread& writer)
    {
        bool bHeldHere = false;
        bool bUntilStop = false;
        m_monitor.Change([&] {
            if (m_nTrack != nTrack || m_bReleased)
                return;
            m_bHeld = bHeldHere = true;
            bUntilStop = m_bUntilStop;
            if (bUntilStop)
                m_pWaitingForStop = &writer;
        });
        if (!bHeldHere)
            return;
        if (bUntilStop) {
            writer.WaitForStopRequest();
            m_monitor.Change([this] { m_pWaitingForStop = nullptr; });
            return;
        }
        m_monitor.WaitUntil([this] { return m_bReleased; });
    }

private:
    CMonitor m_monitor;
    std::optional<unsigned> m_nTrack;
    bool m_bUntilStop = false;
    bool m_bReleased = false;
    bool m_bHeld = false;
    CWriteThread* m_pWaitingForStop = nullptr;
};

// The drive written for real, with the gate before every track.
class CGatedDiskAccess : public CDiskAccess
{
public:
    CGatedDiskAccess(std::unique_ptr<CDiskAccess> pReal, CTrackGate& gate, CWriteThread& writer)
        : m_pReal(std::move(pReal)), m_gate(gate), m_writer(writer)
    {
    }

    bool Open(const CEvent& stopRequested) override { return m_pReal->Open(stopRequested); }
    bool WriteTrack(unsigned nFirstSector, const void* pTrack) override
    {
        m_gate.Pass(nFirstSector / SECTORS_PER_TRACK, m_writer);
        return m_pReal->WriteTrack(nFirstSector, pTrack);
    }
    void Close() override { m_pReal->Close(); }

private:
    std::unique_ptr<CDiskAccess> m_pReal;
    CTrackGate& m_gate;
    CWriteThread& m_writer;
};

// The shell tests' installation with its two drives and the gate; the writer of a test page
// writes at WriteSite(), through the gate.
class CTestSite : public CTestInstall
{
public:
    CTestSite()
    {
        WriteWholeFile(m_strDriveA, std::vector<char>(DISK_SIZE));
        WriteWholeFile(m_strDriveB, std::vector<char>(DISK_SIZE));
    }

    CTrackGate& Gate() const { return m_gate; }
    // Where the writer of a test page takes its image and its drives.
    const CWriteSite& WriteSite() const { return m_site; }

    // The site the test pages of this moment write at.
    static CTestSite*& Current()
    {
        static CTestSite* s_pCurrent = nullptr;
        return s_pCurrent;
    }

    const std::string m_strDriveA = m_dir / "fd0";
    const std::string m_strDriveB = m_dir / "fd1";
    CWriteThread* m_pWriter = nullptr;  // the writer of the newest test page

private:
    mutable CTrackGate m_gate;
    const CTestWriteSite m_site{m_strProgramPath, m_strDriveA, m_strDriveB, [this](std::unique_ptr<CDiskAccess> pReal) {
                                    return std::unique_ptr<CDiskAccess>(
                                        std::make_unique<CGatedDiskAccess>(std::move(pReal), m_gate, *m_pWriter));
                                }};
};

// The product's writing page, writing at the current test site.
class CTestWritePage : public CWritePage
{
public:
    CTestWritePage() : CTestWritePage(*CTestSite::Current()) {}
    explicit CTestWritePage(CTestSite& site) : CWritePage(site.WriteSite()), m_site(site) { site.m_pWriter = &m_thread; }

    // A test may end the page behind its back (or never show it); a writer still held at
    // the gate must then be let go, or the end of the page object would wait for it forever.
    ~CTestWritePage() override
    {
        m_thread.Stop();
        m_site.Gate().Release();
        WaitForSingleObject(m_thread.m_hThread, INFINITE);
        if (m_site.m_pWriter == &m_thread)
            m_site.m_pWriter = nullptr;
    }

private:
    CTestSite& m_site;
};
