// The event on POSIX threads: a flag under a mutex, with a condition variable to wait on.
#include "Event.h"

#include <condition_variable>
#include <mutex>

struct CEvent::SEvent
{
    std::mutex mutex;
    std::condition_variable set;
    bool bSet = false;
};

CEvent::CEvent()
    : m_pEvent(std::make_unique<SEvent>())
{
}

CEvent::~CEvent() = default;

void CEvent::SetEvent()
{
    {
        std::lock_guard lock(m_pEvent->mutex);
        m_pEvent->bSet = true;
    }
    m_pEvent->set.notify_all();
}

void CEvent::Lock() const
{
    std::unique_lock lock(m_pEvent->mutex);
    m_pEvent->set.wait(lock, [this] { return m_pEvent->bSet; });
}
