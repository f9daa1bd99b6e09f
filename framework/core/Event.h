// A signal that one thread gives and others wait for: once set, it stays set.
#pragma once

#include "Types.h"

#include <memory>

class CEvent
{
public:
    CEvent();
    ~CEvent();
    CEvent(const CEvent&) = delete;
    CEvent& operator=(const CEvent&) = delete;

    // Sets the event and lets every waiter go on, now and later.
    void SetEvent();
    // Waits until the event has been set, or the time (in milliseconds, or INFINITE) has
    // passed; TRUE if it was set.
    BOOL Lock(DWORD dwTimeout = INFINITE) const;
    // Whether the event has been set; does not wait.
    bool IsSet() const;
    // A descriptor that becomes readable once the event is set, for a wait in poll(2) beside
    // other descriptors; -1 if the system gave none (poll then skips it). Always -1 on
    // Windows, whose waits take the event's handle itself.
    int GetPollDescriptor() const;

private:
    // The system's own event, which differs per platform.
    struct SEvent;
    std::unique_ptr<SEvent> m_pEvent;
};
