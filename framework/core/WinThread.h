// The framework's worker thread: one start-up step on a thread of its own, then the end,
// with a handle that becomes signalled when the thread has ended.
#pragma once

#include "Types.h"

#include <memory>

#ifndef _WIN32
#include <thread>
#endif

class CWinThread
{
public:
    CWinThread();
    virtual ~CWinThread();
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    // Starts the thread, which runs InitInstance and, when that returns FALSE, ExitInstance.
    // The flags, stack size and security attributes are accepted for the familiar call
    // CreateThread(0, 0, NULL); only the defaults are supported. Returns FALSE if no thread
    // could be started, or if this object still runs one; once ended it may be started again.
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0, void* lpSecurityAttrs = nullptr);

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Signalled once the thread has ended; closed when the object is destroyed.
    HANDLE m_hThread = nullptr;

private:
    void Run();

#ifndef _WIN32
    std::unique_ptr<CWaitableHandle> m_pEnded;
    std::thread m_thread;
#else
    static unsigned __stdcall ThreadEntry(void* pThis);
#endif
};

#ifndef _WIN32
// Waits until the handle is signalled or the time (in milliseconds, or INFINITE) has passed.
DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);
#endif
