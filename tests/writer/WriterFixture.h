// A write as the wizard runs it, but with the program "installed" in a temporary directory,
// files standing in for drives A: and B:, and a recorder standing in for the writing page.
#pragma once

#include "framework/core/File.h"
#include "tests/support/PostRecorder.h"
#include "tests/support/TestInstall.h"
#include "tests/support/TestWriteSite.h"
#include "tests/support/WizardStateReset.h"
#include "tests/support/WriteRun.h"
#include "writer/DiskGeometry.h"
#include "writer/WizardState.h"
#include "writer/WriteThread.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>

#ifdef _WIN32
#include "tests/windows/MappedDrives.h"
#include "tests/windows/WineBufferPlacement.h"
#else
#include "SystemFaults.h"
#endif

// Counts what the writer asks of the drive, and passes every request on to the real access.
class CSpyDiskAccess : public CDiskAccess
{
public:
    struct SCounts
    {
        std::atomic<int> nOpens{0};
        std::atomic<int> nWrites{0};
        std::atomic<int> nCloses{0};
        std::atomic<bool> bOpen{false};
        // Runs on the writer's thread when it closes the drive it opened: the end of the write.
        std::function<void()> beforeClose;
        // Runs on the writer's thread when it is handed its way to the drive.
        std::function<void()> beforeChoose;
        // Runs on the writer's thread as the drive's open returns, before the writer acts on it.
        std::function<void()> afterOpen;
    };

    CSpyDiskAccess(std::unique_ptr<CDiskAccess> pReal, SCounts& counts) : m_pReal(std::move(pReal)), m_counts(counts) {}

    bool Open(const CEvent& stopRequested) override
    {
        ++m_counts.nOpens;
        const bool bOpened = m_pReal->Open(stopRequested);
        m_counts.bOpen = bOpened;
        if (m_counts.afterOpen)
            m_counts.afterOpen();
        return bOpened;
    }
    bool WriteTrack(unsigned nFirstSector, const void* pTrack) override
    {
        ++m_counts.nWrites;
        return m_pReal->WriteTrack(nFirstSector, pTrack);
    }
    void Close() override
    {
        if (m_counts.bOpen.exchange(false)) {
            ++m_counts.nCloses;
            if (m_counts.beforeClose)
                m_counts.beforeClose();
        }
        m_pReal->Close();
    }

private:
    std::unique_ptr<CDiskAccess> m_pReal;
    SCounts& m_counts;
};

class CTestWriteThread : public CWriteThread
{
public:
    explicit CTestWriteThread(const CWriteSite& site) : CWriteThread(site) {}

#ifdef _WIN32
private:
    CWineBufferPlacement m_placement;  // from before the thread starts until it has ended
#endif
};

// The product's writer, aimed at the temporary installation: the program lives in the test's
// folder and the drives are files there (under Wine, the drives the prefix maps to files).
class WriterTest : public ::testing::Test, protected CTestInstall
{
protected:
    void SetUp() override
    {
        ResetWizardState();
#ifdef _WIN32
        RestoreMappedDrives();
#else
        ClearSystemFaults();
#endif
        m_counts.nOpens = 0;
        m_counts.nWrites = 0;
        m_counts.nCloses = 0;
        m_counts.bOpen = false;
        WriteWholeFile(m_strDriveA, {});
        WriteWholeFile(m_strDriveB, {});
    }
#ifndef _WIN32
    void TearDown() override { ClearSystemFaults(); }
#endif

    // Runs one write the way the writing page does: hand over the page, start, and wait
    // for the completion message and then for the thread's end.
    SPostSummary RunWrite(CPostRecorder& recorder, bool bStopFirst = false)
    {
        CTestWriteThread thread(m_site);
        m_pThread = &thread;
        if (bStopFirst)
            thread.Stop();
        EXPECT_TRUE(RunWriteToEnd(thread, recorder));
        m_pThread = nullptr;
        return Summarize(recorder.Messages());
    }

    SPostSummary RunWrite(bool bStopFirst = false)
    {
        CPostRecorder recorder;
        return RunWrite(recorder, bStopFirst);
    }

    // Writes that the writer ended in one piece: every track is either written or not,
    // and a completion came once and last.
    static void ExpectCleanEnd(const SPostSummary& summary)
    {
        EXPECT_EQ(summary.nCompletions, 1);
        EXPECT_TRUE(summary.bCompletionLast);
        EXPECT_TRUE(summary.bCompletionWellFormed);
    }

    // The writer has let go of the image: another opener gets it.
    void ExpectImageReleased() const
    {
        CFile reopened;
        EXPECT_TRUE(reopened.Open(m_strImagePath, CFile::modeRead)) << "the image is still held";
    }

#ifdef _WIN32
    const std::string m_strDriveA = MappedDriveFile(0);
    const std::string m_strDriveB = MappedDriveFile(1);
#else
    const std::string m_strDriveA = m_dir / "fd0";
    const std::string m_strDriveB = m_dir / "fd1";
#endif
    CSpyDiskAccess::SCounts m_counts;
    const CTestWriteSite m_site{m_strProgramPath, m_strDriveA, m_strDriveB, [this](std::unique_ptr<CDiskAccess> pReal) {
                                    if (m_counts.beforeChoose)
                                        m_counts.beforeChoose();
                                    return std::unique_ptr<CDiskAccess>(
                                        std::make_unique<CSpyDiskAccess>(std::move(pReal), m_counts));
                                }};
    CWriteThread* m_pThread = nullptr;
};
