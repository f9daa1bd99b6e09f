// Opening a drive the user may not open, through udisks2 on the system bus: it asks polkit,
// whose agent on the desktop may ask for the administrator's password, and hands back the
// opened device. The bus is the one DBUS_SYSTEM_BUS_ADDRESS names, or the system's own.
#pragma once

#include <string>

class CEvent;

// Opens the block device strPath (or the one it links to) for writing, with the open(2)
// flags nFlags besides the access mode, and returns its descriptor (close-on-exec); -1 when
// udisks2 is not there, does not know the device, or the user or the policy refuses. May
// wait for the user, but not past stopRequested: then it gives up the call and hangs up, so
// that no descriptor can come later, and returns -1.
int OpenThroughUdisks(const std::string& strPath, int nFlags, const CEvent& stopRequested);
