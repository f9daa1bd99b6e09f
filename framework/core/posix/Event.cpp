// The event on POSIX threads: a flag under a mutex, a condition variable to wait on, and an
// eventfd for waits in poll(2).
#include "framework/core/Event.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <sys/eventfd.h>
#include <unistd.h>

struct CEvent::SEvent
{
    std::mutex mutex;
    std::condition_variable set;
    bool bSet = false;
    const int fdPoll = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
};

CEvent::CEvent()
    : m_pEvent(std::make_unique<SEvent>())
{
}

CEvent::~CEvent()
{
    if (m_pEvent->fdPoll != -1)
        ::close(m_pEvent->fdPoll);
}

void CEvent::SetEvent()
{
    {
        std::lock_guard lock(m_pEvent->mutex);
        m_pEvent->bSet = true;
    }
    m_pEvent->set.notify_all();
    // Nobody reads the counter, so the descriptor stays readable from now on, as the event
    // stays set. A counter that is already high refuses the write and is readable anyway.
    if (m_pEvent->fdPoll != -1) {
        const std::uint64_t nOne = 1;
        [[maybe_unused]] const ssize_t nWritten = ::write(m_pEvent->fdPoll, &nOne, sizeof nOne);
    }
}

BOOL CEvent::Lock(DWORD dwTimeout) const
{
    std::unique_lock lock(m_pEvent->mutex);
    const auto set = [this] { return m_pEvent->bSet; };
    if (dwTimeout == INFINITE) {
        m_pEvent->set.wait(lock, set);
        return TRUE;
    }
    return m_pEvent->set.wait_for(lock, std::chrono::milliseconds(dwTimeout), set) ? TRUE : FALSE;
}

bool CEvent::IsSet() const
{
    std::lock_guard lock(m_pEvent->mutex);
    return m_pEvent->bSet;
}

int CEvent::GetPollDescriptor() const
{
    return m_pEvent->fdPoll;
}
