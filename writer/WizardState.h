// The wizard's shared state: the user's drive choice in, the outcome of the write out.
// Plain process-wide variables, read and written directly. The writer thread writes the
// outcome only while it runs; the pages read it only after waiting for that thread's end.
#pragma once

#include <string>

extern int g_nDrive;   // 0 = drive A:, 1 = drive B:
extern int g_nImage;   // image number; the image file's extension is ".%03i" of it
extern int g_nStatus;  // 0: nothing failed; -1: the writer's own failure; else the system's code

extern std::string g_strError;         // text of the failure; empty while nothing failed
extern std::string g_strInputFile;     // full path of the image file, as the writer built it
extern std::string g_strOutputDevice;  // "A:" or "B:"

// The one way a failure of the write is recorded: its status and its text, together. Each
// way to the drive only works out the two; nothing ever resets them.
void RecordWriteFailure(int nStatus, std::string strError);
