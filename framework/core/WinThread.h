// The framework's worker thread: one start-up step on a thread of its own, then the end,
// with a handle that becomes signalled when the thread has ended.
#pragma once

#include "Types.h"

#include <memory>

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
    // The writer takes the defaults; only the tests ask for a stack size of their own.
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0, void* lpSecurityAttrs = nullptr);

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Signalled once the thread has ended; closed when the object is destroyed.
    HANDLE m_hThread = nullptr;
    // The system's id of the thread, where the system gives one as it starts the thread
    // (Windows); the 95 family starts no thread without a place for it.
    DWORD m_nThreadID = 0;
    // TRUE: the object deletes itself when its thread ends, so it must have been made with
    // new, and nobody may wait on m_hThread (it goes with the object). An owner that waits
    // for the end sets it to FALSE, as the writer's page does; only the tests keep TRUE.
    BOOL m_bAutoDelete = TRUE;

private:
    // The system's thread, which differs per platform (posix/, win32/).
    struct SThread;
    std::unique_ptr<SThread> m_pThread;

    // On the new thread: the start-up step, then the end.
    void Run();
    // The platform's part of the end, the last the thread does with the object: an object
    // that deletes itself lets go of its thread first; the others signal m_hThread.
    void LetGoOfThread();
    void SignalEnd();
};
