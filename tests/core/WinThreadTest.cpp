// The worker thread's life: its handle is signalled exactly when the thread has ended.
#include "framework/core/WinThread.h"
#include "tests/support/Monitor.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <pthread.h>
#endif

namespace {

class CGatedThread : public CWinThread
{
public:
    CGatedThread() { m_bAutoDelete = FALSE; }

    void Release()
    {
        m_gate.Change([this] { m_bReleased = true; });
    }

    int nRuns = 0;
    int nExits = 0;

    BOOL InitInstance() override
    {
        m_gate.WaitUntil([this] { return m_bReleased; });
        ++nRuns;
        return FALSE;
    }
    int ExitInstance() override
    {
        ++nExits;
        return 0;
    }

private:
    CMonitor m_gate;
    bool m_bReleased = false;
};

// What a thread tells of itself from its own thread: how large a stack it got, and when its
// object is gone.
struct SThreadReport
{
    CMonitor monitor;
    std::size_t nStack = 0;
    DWORD nThreadID = 0;
    bool bDestroyed = false;
};

class CReportingThread : public CWinThread
{
public:
    explicit CReportingThread(SThreadReport& report) : m_report(report) {}
    ~CReportingThread() override
    {
        m_report.monitor.Change([this] { m_report.bDestroyed = true; });
    }

    BOOL InitInstance() override
    {
        std::size_t nStack = 0;
#ifndef _WIN32
        pthread_attr_t attr;
        if (::pthread_getattr_np(::pthread_self(), &attr) == 0) {
            ::pthread_attr_getstacksize(&attr, &nStack);
            ::pthread_attr_destroy(&attr);
        }
#endif
#ifdef _WIN32
        m_report.monitor.Change([&] { m_report.nThreadID = ::GetCurrentThreadId(); });
#endif
        m_report.monitor.Change([&] { m_report.nStack = nStack; });
        return FALSE;
    }

private:
    SThreadReport& m_report;
};

} // namespace

TEST(WinThread, AutoDeletingThreadFreesItsObjectAndTakesTheStackSizeAskedFor)
{
    SThreadReport report;
    // Four times the usual default, so that a size that was dropped shows.
    const UINT nAsked = 32u << 20;
    auto* pThread = new CReportingThread(report);
    ASSERT_TRUE(pThread->m_bAutoDelete);
    ASSERT_TRUE(pThread->CreateThread(0, nAsked, nullptr));
    // The object goes by itself; a leak or a double delete shows under the sanitizers.
    report.monitor.WaitUntil([&] { return report.bDestroyed; });
#ifndef _WIN32
    EXPECT_GE(report.nStack, nAsked);
#endif
}

#ifndef _WIN32
TEST(WinThread, FlagsAndAttributesThisPlatformCannotTakeAreRefusedNotDropped)
{
    CGatedThread thread;
    thread.Release();
    const DWORD dwCreateSuspended = 0x4;
    int nSecurityAttributes = 0;
    EXPECT_FALSE(thread.CreateThread(dwCreateSuspended, 0, nullptr));
    EXPECT_FALSE(thread.CreateThread(0, 0, &nSecurityAttributes));
    EXPECT_EQ(thread.m_hThread, nullptr);
    EXPECT_EQ(thread.nRuns, 0);
}
#endif

#ifdef _WIN32
TEST(WinThread, IdIsTheOneTheSystemGaveTheThread)
{
    // The 95 family starts no thread without a place for its id; the place is the object's.
    SThreadReport report;
    CReportingThread thread(report);
    thread.m_bAutoDelete = FALSE;
    ASSERT_TRUE(thread.CreateThread(0, 0, nullptr));
    ASSERT_EQ(WaitForSingleObject(thread.m_hThread, INFINITE), WAIT_OBJECT_0);
    EXPECT_NE(thread.m_nThreadID, 0u);
    EXPECT_EQ(thread.m_nThreadID, report.nThreadID);
}
#endif

TEST(WinThread, HandleIsSignalledOnlyOnceTheThreadHasEnded)
{
    CGatedThread thread;
    ASSERT_TRUE(thread.CreateThread(0, 0, nullptr));
    EXPECT_EQ(WaitForSingleObject(thread.m_hThread, 0), WAIT_TIMEOUT);
    EXPECT_FALSE(thread.CreateThread(0, 0, nullptr)) << "a second thread while the first runs";

    thread.Release();
    ASSERT_EQ(WaitForSingleObject(thread.m_hThread, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(thread.nRuns, 1);
    EXPECT_EQ(thread.nExits, 1);
    EXPECT_EQ(WaitForSingleObject(thread.m_hThread, 0), WAIT_OBJECT_0);

    // Once ended, the same object can run again, as a page shown a second time does.
    ASSERT_TRUE(thread.CreateThread(0, 0, nullptr));
    ASSERT_EQ(WaitForSingleObject(thread.m_hThread, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(thread.nRuns, 2);
}
