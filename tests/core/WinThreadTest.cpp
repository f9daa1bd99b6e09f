// The worker thread's life: its handle is signalled exactly when the thread has ended.
#include "framework/core/WinThread.h"

#include <gtest/gtest.h>

#include <future>

namespace {

class CGatedThread : public CWinThread
{
public:
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

} // namespace

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
