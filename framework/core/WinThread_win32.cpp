// The worker thread on Windows: the C runtime's thread and its handle.
#include "WinThread.h"

#include <process.h>

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
    // runs at once unless the caller asked for it to wait.
    const std::uintptr_t hThread =
        ::_beginthreadex(lpSecurityAttrs, nStackSize, &CWinThread::ThreadEntry, this, dwCreateFlags | CREATE_SUSPENDED, nullptr);
    if (hThread == 0)
        return FALSE;
    m_hThread = reinterpret_cast<HANDLE>(hThread);
    if ((dwCreateFlags & CREATE_SUSPENDED) == 0)
        ::ResumeThread(m_hThread);
    return TRUE;
}

DWORD CWinThread::ResumeThread()
{
    return ::ResumeThread(m_hThread);
}

unsigned __stdcall CWinThread::ThreadEntry(void* pThis)
{
    static_cast<CWinThread*>(pThis)->Run();
    return 0;
}

void CWinThread::Run()
{
    if (!InitInstance())
        ExitInstance();
    if (m_bAutoDelete) {
        // The handle goes with the object, and the object must not wait for its own end.
        ::CloseHandle(m_hThread);
        m_hThread = nullptr;
        delete this;
    }
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return 0;
}
