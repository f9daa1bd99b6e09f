// The worker thread on Linux: a POSIX thread and a handle that is signalled at its end.
#include "framework/core/WinThread.h"

#include "framework/core/Event.h"

#include <algorithm>
#include <climits>
#include <pthread.h>
#include <unistd.h>

// The thread's end is an event: waited for with or without a time limit, or through its
// descriptor beside a window system's.
class CWaitableHandle
{
public:
    void Signal() { m_ended.SetEvent(); }
    bool Wait(DWORD dwMilliseconds) const { return m_ended.Lock(dwMilliseconds) != FALSE; }
    int PollDescriptor() const { return m_ended.GetPollDescriptor(); }

private:
    CEvent m_ended;
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
