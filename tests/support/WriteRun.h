// One write started as the writing page starts it, and waited for as the page waits for it.
#pragma once

#include "tests/support/PostRecorder.h"
#include "writer/WriteThread.h"

// Hands the recorder to the writer as its page and starts the thread; false if it did not start.
inline bool StartWrite(CWriteThread& thread, CPostRecorder& page)
{
    thread.SetPage(&page);
    return thread.CreateThread(0, 0, nullptr) != FALSE;
}

// The completion message first, then the thread's end: only after both may the wizard state
// be read. False if the thread's end could not be waited for.
inline bool WaitForWriteEnd(CWriteThread& thread, CPostRecorder& page)
{
    page.WaitForCompletion();
    return WaitForSingleObject(thread.m_hThread, INFINITE) == WAIT_OBJECT_0;
}

// The whole write; false if the thread did not start (then nothing is waited for) or its
// end was not seen.
inline bool RunWriteToEnd(CWriteThread& thread, CPostRecorder& page)
{
    return StartWrite(thread, page) && WaitForWriteEnd(thread, page);
}
