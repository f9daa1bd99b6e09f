// The worker thread's steps, the same on every platform: the start-up step, and the end.
#include "WinThread.h"

void CWinThread::Run()
{
    if (!InitInstance())
        ExitInstance();
    if (m_bAutoDelete) {
        LetGoOfThread();
        delete this;
        return;
    }
    SignalEnd();
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return 0;
}
