// The framework's worker thread: one start-up step on a thread of its own, then the end,
// with a handle that becomes signalled when the thread has ended.
#pragma once

#include "Types.h"

#include <memory>

#ifndef _WIN32
#include <pthread.h>
#endif

class CWinThread
{
public:
    CWinThread();
    virtual ~CWinThread();
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    // Starts the thread, which runs InitInstance and, when that returns FALSE, ExitInstance.
    // A stack size of 0 takes the platform's default. Windows takes the creation flags and the
    // security attributes as its thread start does; elsewhere there are none to take, so any
    // flag or attribute fails the call rather than being dropped. Returns FALSE if no thread
    // could be started, or if this object still runs one; once ended it may be started again.
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0, void* lpSecurityAttrs = nullptr);
#ifdef _WIN32
    // Lets a thread made with CREATE_SUSPENDED run; the system's previous suspend count.
    DWORD ResumeThread();
#endif

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Signalled once the thread has ended; closed when the object is destroyed.
    HANDLE m_hThread = nullptr;
    // TRUE: the object deletes itself when its thread ends, so it must have been made with
    // new, and nobody may wait on m_hThread (it goes with the object). An owner that waits
    // for the end sets it to FALSE.
    BOOL m_bAutoDelete = TRUE;

private:
    void Run();

#ifndef _WIN32
    static void* ThreadEntry(void* pThis);

    std::unique_ptr<CWaitableHandle> m_pEnded;
    pthread_t m_thread{};
    bool m_bJoinable = false;
#else
    static unsigned __stdcall ThreadEntry(void* pThis);
#endif
};

#ifndef _WIN32
// Waits until the handle is signalled or the time (in milliseconds, or INFINITE) has passed.
DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);
#endif
