// GoogleTest's hook for a port's own pieces, taken in place of its empty default in the Windows
// builds: the one piece of GoogleTest that needs the standard mutex, which the C++ runtime of
// those builds does not have (cmake/MinGW.cmake), on the system's event instead.
#pragma once

#include "framework/core/Types.h"

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification
{
public:
    Notification() : m_hEvent(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { ::CloseHandle(m_hEvent); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { ::SetEvent(m_hEvent); }
    void WaitForNotification() { ::WaitForSingleObject(m_hEvent, INFINITE); }

private:
    HANDLE m_hEvent;
};

} // namespace testing::internal
