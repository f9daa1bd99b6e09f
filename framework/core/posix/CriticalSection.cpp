// The critical section on POSIX threads: a standard mutex.
#include "framework/core/CriticalSection.h"

#include <mutex>

struct CCriticalSection::SLock
{
    std::mutex mutex;
};

CCriticalSection::CCriticalSection()
    : m_pLock(std::make_unique<SLock>())
{
}

CCriticalSection::~CCriticalSection() = default;

void CCriticalSection::Lock()
{
    m_pLock->mutex.lock();
}

void CCriticalSection::Unlock()
{
    m_pLock->mutex.unlock();
}
