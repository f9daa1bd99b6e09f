#include "WinThread.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>

class CWaitableHandle
{
public:
    void Signal()
    {
        {
            std::lock_guard lock(m_mutex);
            m_bSignalled = true;
        }
        m_changed.notify_all();
    }

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
};

CWinThread::CWinThread() = default;

CWinThread::~CWinThread()
{
    // The owner waits for the end before it lets go of the object; should it not, the
    // object must still outlive the code that runs on it.
    if (m_thread.joinable())
        m_thread.join();
}

BOOL CWinThread::CreateThread(DWORD, UINT, void*)
{
    if (m_thread.joinable()) {
        // A page shown again starts its writer again, but never while the last one runs.
        if (!m_pEnded->Wait(0))
            return FALSE;
        m_thread.join();
    }
    auto pEnded = std::make_unique<CWaitableHandle>();
    HANDLE hEnded = pEnded.get();
    try {
        m_pEnded = std::move(pEnded);
        m_hThread = hEnded;
        m_thread = std::thread(&CWinThread::Run, this);
    } catch (const std::system_error&) {
        m_hThread = nullptr;
        m_pEnded.reset();
        return FALSE;
    }
    return TRUE;
}

void CWinThread::Run()
{
    if (!InitInstance())
        ExitInstance();
    m_pEnded->Signal();
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return 0;
}

DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds)
{
    if (hHandle == nullptr)
        return WAIT_FAILED;
    return hHandle->Wait(dwMilliseconds) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}
