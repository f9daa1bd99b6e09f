// The worker thread on Linux: a POSIX thread and a handle that is signalled at its end, which
// a condition variable and an eventfd both tell.
#include "framework/core/WinThread.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <pthread.h>
#include <sys/eventfd.h>
#include <unistd.h>

class CWaitableHandle
{
public:
    CWaitableHandle() = default;
    ~CWaitableHandle()
    {
        if (m_fdPoll != -1)
            ::close(m_fdPoll);
    }
    CWaitableHandle(const CWaitableHandle&) = delete;
    CWaitableHandle& operator=(const CWaitableHandle&) = delete;

    void Signal()
    {
        {
            std::lock_guard lock(m_mutex);
            m_bSignalled = true;
        }
        m_changed.notify_all();
        // Nobody reads the counter, so the descriptor stays readable from now on, as the
        // handle stays signalled.
        if (m_fdPoll != -1) {
            const std::uint64_t nOne = 1;
            [[maybe_unused]] const ssize_t nWritten = ::write(m_fdPoll, &nOne, sizeof nOne);
        }
    }

    int PollDescriptor() const { return m_fdPoll; }

    bool Wait(DWORD dwMilliseconds)
    {
        std::unique_lock lock(m_mutex);
        if (dwMilliseconds == INFINITE) {
            m_changed.wait(lock, [this] { return m_bSignalled; });
            return true;
        }
        return m_changed.wait_for(lock, std::chrono::milliseconds(dwMilliseconds),
                                  [this] { return m_bSignalled; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bSignalled = false;
    const int m_fdPoll = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
};

namespace {

// A stack of at least nStackSize bytes in whole pages, and never below the system's minimum.
std::size_t StackSizeFor(UINT nStackSize)
{
    const auto nPage = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const std::size_t nRounded = (static_cast<std::size_t>(nStackSize) + nPage - 1) / nPage * nPage;
    return std::max(nRounded, static_cast<std::size_t>(PTHREAD_STACK_MIN));
}

} // namespace

struct CWinThread::SThread
{
    static void* Entry(void* pThis)
    {
        static_cast<CWinThread*>(pThis)->Run();
        return nullptr;
    }

    std::unique_ptr<CWaitableHandle> pEnded;
    pthread_t thread{};
    bool bJoinable = false;
};

CWinThread::CWinThread()
    : m_pThread(std::make_unique<SThread>())
{
}

CWinThread::~CWinThread()
{
    // The owner waits for the end before it lets go of the object; should it not, the
    // object must still outlive the code that runs on it.
    if (m_pThread->bJoinable)
        ::pthread_join(m_pThread->thread, nullptr);
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, void* lpSecurityAttrs)
{
    if (dwCreateFlags != 0 || lpSecurityAttrs != nullptr)
        return FALSE;
    SThread& state = *m_pThread;
    if (state.bJoinable) {
        // A page shown again starts its writer again, but never while the last one runs.
        if (!state.pEnded->Wait(0))
            return FALSE;
        ::pthread_join(state.thread, nullptr);
        state.bJoinable = false;
    }

    pthread_attr_t attr;
    if (::pthread_attr_init(&attr) != 0)
        return FALSE;
    int nError = nStackSize != 0 ? ::pthread_attr_setstacksize(&attr, StackSizeFor(nStackSize)) : 0;
    if (nError == 0) {
        // Everything the thread reads is in place before it starts: an auto-deleting object
        // may be gone by the time pthread_create returns, so nothing of it is touched after.
        const bool bAutoDelete = m_bAutoDelete != FALSE;
        state.pEnded = std::make_unique<CWaitableHandle>();
        m_hThread = state.pEnded.get();
        state.bJoinable = !bAutoDelete;
        pthread_t thread;
        nError = ::pthread_create(&thread, &attr, &SThread::Entry, this);
        if (nError != 0) {
            state.bJoinable = false;
            m_hThread = nullptr;
            state.pEnded.reset();
        } else if (!bAutoDelete) {
            state.thread = thread;
        }
    }
    ::pthread_attr_destroy(&attr);
    return nError == 0 ? TRUE : FALSE;
}

void CWinThread::LetGoOfThread()
{
    // Nobody joins or waits for a thread whose object goes with it.
    ::pthread_detach(::pthread_self());
}

void CWinThread::SignalEnd()
{
    m_pThread->pEnded->Signal();
}

DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds)
{
    if (hHandle == nullptr)
        return WAIT_FAILED;
    return hHandle->Wait(dwMilliseconds) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

int GetHandlePollDescriptor(HANDLE hHandle)
{
    return hHandle != nullptr ? hHandle->PollDescriptor() : -1;
}
