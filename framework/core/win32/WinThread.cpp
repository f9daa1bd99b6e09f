// The worker thread on Windows: the C runtime's thread and its handle.
#include "framework/core/WinThread.h"

#include <process.h>

struct CWinThread::SThread
{
    static unsigned __stdcall Entry(void* pThis)
    {
        static_cast<CWinThread*>(pThis)->Run();
        return 0;
    }
};

CWinThread::CWinThread() = default;

CWinThread::~CWinThread()
{
    if (m_hThread != nullptr) {
        // The owner waits for the end before it lets go of the object; should it not, the
        // object must still outlive the code that runs on it.
        ::WaitForSingleObject(m_hThread, INFINITE);
        ::CloseHandle(m_hThread);
    }
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, void* lpSecurityAttrs)
{
    if (m_hThread != nullptr) {
        // A page shown again starts its writer again, but never while the last one runs.
        if (::WaitForSingleObject(m_hThread, 0) != WAIT_OBJECT_0)
            return FALSE;
        ::CloseHandle(m_hThread);
        m_hThread = nullptr;
    }
    // The C runtime's own thread start, so that the runtime is set up for the new thread. It
    // starts suspended so that m_hThread is in place before the thread can look at it; it
    // runs at once unless the caller asked for it to wait. The id goes to a place of its own:
    // the runtime hands the place to CreateThread, which on the 95 family fails without one.
    unsigned nThreadID = 0;
    const std::uintptr_t hThread = ::_beginthreadex(lpSecurityAttrs, nStackSize, &SThread::Entry, this,
                                                    dwCreateFlags | CREATE_SUSPENDED, &nThreadID);
    if (hThread == 0)
        return FALSE;
    m_hThread = reinterpret_cast<HANDLE>(hThread);
    m_nThreadID = nThreadID;
    if ((dwCreateFlags & CREATE_SUSPENDED) == 0)
        ::ResumeThread(m_hThread);
    return TRUE;
}

void CWinThread::LetGoOfThread()
{
    // The handle goes with the object, and the object must not wait for its own end.
    ::CloseHandle(m_hThread);
    m_hThread = nullptr;
}

void CWinThread::SignalEnd()
{
    // The system signals the thread's handle itself once the thread has returned.
}
