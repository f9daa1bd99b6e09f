// Makes our own thread starts fail for real: the linker routes the program's own calls of
// pthread_create() through here (--wrap), so the worker thread's start meets the error the
// system gives when it has no room for another thread. Threads of the toolkit are not touched.
#pragma once

// While armed, every thread start of ours fails with EAGAIN.
void FailThreadStarts(bool bArmed);
