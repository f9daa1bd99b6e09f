// A signal that one thread gives and others wait for: once set, it stays set.
#pragma once

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
    // Waits until the event has been set.
    void Lock() const;

private:
    // The system's own event, which differs per platform.
    struct SEvent;
    std::unique_ptr<SEvent> m_pEvent;
};
