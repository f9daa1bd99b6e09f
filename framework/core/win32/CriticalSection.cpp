// The critical section on Windows: the system's own, which every Windows since 95 and NT 3.1
// has, where the C++ runtime's mutex would need a thread library of its own.
#include "framework/core/CriticalSection.h"

#include "framework/core/Types.h"

struct CCriticalSection::SLock
{
    CRITICAL_SECTION section;
};

CCriticalSection::CCriticalSection()
    : m_pLock(std::make_unique<SLock>())
{
    ::InitializeCriticalSection(&m_pLock->section);
}

CCriticalSection::~CCriticalSection()
{
    ::DeleteCriticalSection(&m_pLock->section);
}

void CCriticalSection::Lock()
{
    ::EnterCriticalSection(&m_pLock->section);
}

void CCriticalSection::Unlock()
{
    ::LeaveCriticalSection(&m_pLock->section);
}
