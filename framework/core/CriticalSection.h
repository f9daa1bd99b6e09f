// A lock that one thread at a time holds, for state that two threads share.
#pragma once

#include <memory>

class CCriticalSection
{
public:
    CCriticalSection();
    ~CCriticalSection();
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;

    // Waits until no other thread holds the lock, then holds it.
    void Lock();
    void Unlock();

private:
    // The system's own lock, which differs per platform.
    struct SLock;
    std::unique_ptr<SLock> m_pLock;
};

// Holds a critical section for as long as it exists.
class CSingleLock
{
public:
    explicit CSingleLock(CCriticalSection& section) : m_section(section) { m_section.Lock(); }
    ~CSingleLock() { m_section.Unlock(); }
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;

private:
    CCriticalSection& m_section;
};
