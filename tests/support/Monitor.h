// State shared between a test and the threads it watches, with a wait for a condition on it.
// The Windows builds' C++ runtime has no threads of its own, so there the system's lock and
// event stand in for the standard mutex and condition variable.
#pragma once

#include <chrono>

#ifdef _WIN32
#include "framework/core/Types.h"
#else
#include <condition_variable>
#include <mutex>
#endif

class CMonitor
{
public:
#ifdef _WIN32
    CMonitor()
    {
        ::InitializeCriticalSection(&m_section);
        m_hChanged = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    }
    ~CMonitor()
    {
        ::CloseHandle(m_hChanged);
        ::DeleteCriticalSection(&m_section);
    }
#else
    CMonitor() = default;
#endif
    CMonitor(const CMonitor&) = delete;
    CMonitor& operator=(const CMonitor&) = delete;

    // Runs the change and wakes whoever waits, both under the lock: a waiter that then sees
    // its condition may destroy the monitor at once.
    template <class TChange>
    void Change(TChange change)
    {
        Lock();
        change();
        Notify();
        Unlock();
    }

    // Returns once the condition, tested under the lock, holds.
    template <class TCondition>
    void WaitUntil(TCondition condition)
    {
#ifdef _WIN32
        // One waiter at a time: a change between the test and the wait leaves the event set.
        Lock();
        while (!condition()) {
            Unlock();
            ::WaitForSingleObject(m_hChanged, INFINITE);
            Lock();
        }
        Unlock();
#else
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, condition);
#endif
    }

    // Returns true once the condition, tested under the lock, holds; false if the time
    // passed first.
    template <class TCondition>
    bool WaitUntil(TCondition condition, std::chrono::milliseconds limit)
    {
#ifdef _WIN32
        const DWORD dwStart = ::GetTickCount();
        const auto dwLimit = static_cast<DWORD>(limit.count());
        Lock();
        bool bHolds = condition();
        while (!bHolds) {
            const DWORD dwPassed = ::GetTickCount() - dwStart;
            if (dwPassed >= dwLimit)
                break;
            Unlock();
            ::WaitForSingleObject(m_hChanged, dwLimit - dwPassed);
            Lock();
            bHolds = condition();
        }
        Unlock();
        return bHolds;
#else
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, limit, condition);
#endif
    }

    // Reads or copies state under the lock.
    template <class TRead>
    auto Read(TRead read)
    {
        Lock();
        auto result = read();
        Unlock();
        return result;
    }

private:
#ifdef _WIN32
    void Lock() { ::EnterCriticalSection(&m_section); }
    void Unlock() { ::LeaveCriticalSection(&m_section); }
    void Notify() { ::SetEvent(m_hChanged); }

    CRITICAL_SECTION m_section;
    HANDLE m_hChanged;
#else
    void Lock() { m_mutex.lock(); }
    void Unlock() { m_mutex.unlock(); }
    void Notify() { m_changed.notify_all(); }

    std::mutex m_mutex;
    std::condition_variable m_changed;
#endif
};
