// The worker thread's life: its handle is signalled exactly when the thread has ended.
#include "framework/core/WinThread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#ifndef _WIN32
#include <pthread.h>
#endif

namespace {

class CGatedThread : public CWinThread
{
public:
    CGatedThread() { m_bAutoDelete = FALSE; }

    std::promise<void> release;
    std::shared_future<void> gate = release.get_future().share();
    int nRuns = 0;
    int nExits = 0;

    BOOL InitInstance() override
    {
        gate.wait();
        ++nRuns;
        return FALSE;
    }
    int ExitInstance() override
    {
        ++nExits;
        return 0;
    }
};

// Tells, from its own thread, how large a stack it got, and when its object is gone.
class CReportingThread : public CWinThread
{
public:
    explicit CReportingThread(std::promise<std::size_t>& stackSize, std::promise<void>& destroyed)
        : m_stackSize(stackSize), m_destroyed(destroyed)
    {
    }
    ~CReportingThread() override { m_destroyed.set_value(); }

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
        m_stackSize.set_value(nStack);
        return FALSE;
    }

private:
    std::promise<std::size_t>& m_stackSize;
    std::promise<void>& m_destroyed;
};

} // namespace

TEST(WinThread, AutoDeletingThreadFreesItsObjectAndTakesTheStackSizeAskedFor)
{
    std::promise<std::size_t> stackSize;
    std::promise<void> destroyed;
    // Four times the usual default, so that a size that was dropped shows.
    const UINT nAsked = 32u << 20;
    auto* pThread = new CReportingThread(stackSize, destroyed);
    ASSERT_TRUE(pThread->m_bAutoDelete);
    ASSERT_TRUE(pThread->CreateThread(0, nAsked, nullptr));
#ifndef _WIN32
    EXPECT_GE(stackSize.get_future().get(), nAsked);
#endif
    // The object goes by itself; a leak or a double delete shows under the sanitizers.
    EXPECT_EQ(destroyed.get_future().wait_for(std::chrono::minutes(1)), std::future_status::ready);
}

#ifndef _WIN32
TEST(WinThread, FlagsAndAttributesThisPlatformCannotTakeAreRefusedNotDropped)
{
    CGatedThread thread;
    thread.release.set_value();
    const DWORD dwCreateSuspended = 0x4;
    int nSecurityAttributes = 0;
    EXPECT_FALSE(thread.CreateThread(dwCreateSuspended, 0, nullptr));
    EXPECT_FALSE(thread.CreateThread(0, 0, &nSecurityAttributes));
    EXPECT_EQ(thread.m_hThread, nullptr);
    EXPECT_EQ(thread.nRuns, 0);
}
#endif

TEST(WinThread, HandleIsSignalledOnlyOnceTheThreadHasEnded)
{
    CGatedThread thread;
    ASSERT_TRUE(thread.CreateThread(0, 0, nullptr));
    EXPECT_EQ(WaitForSingleObject(thread.m_hThread, 0), WAIT_TIMEOUT);
    EXPECT_FALSE(thread.CreateThread(0, 0, nullptr)) << "a second thread while the first runs";

    thread.release.set_value();
    ASSERT_EQ(WaitForSingleObject(thread.m_hThread, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(thread.nRuns, 1);
    EXPECT_EQ(thread.nExits, 1);
    EXPECT_EQ(WaitForSingleObject(thread.m_hThread, 0), WAIT_OBJECT_0);

    // Once ended, the same object can run again, as a page shown a second time does.
    ASSERT_TRUE(thread.CreateThread(0, 0, nullptr));
    ASSERT_EQ(WaitForSingleObject(thread.m_hThread, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(thread.nRuns, 2);
}
