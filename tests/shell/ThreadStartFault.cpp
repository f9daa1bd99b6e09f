// Our thread starts, failing for real while armed (the linker routes pthread_create here).
#include "ThreadStartFault.h"

#include <atomic>
#include <cerrno>
#include <pthread.h>

extern "C" {
int __real_pthread_create(pthread_t* pThread, const pthread_attr_t* pAttr, void* (*pStart)(void*), void* pArg);
int __wrap_pthread_create(pthread_t* pThread, const pthread_attr_t* pAttr, void* (*pStart)(void*), void* pArg);
}

namespace {

std::atomic<bool> s_bFailing{false};

} // namespace

void FailThreadStarts(bool bArmed)
{
    s_bFailing = bArmed;
}

int __wrap_pthread_create(pthread_t* pThread, const pthread_attr_t* pAttr, void* (*pStart)(void*), void* pArg)
{
    if (s_bFailing.load())
        return EAGAIN;
    return __real_pthread_create(pThread, pAttr, pStart, pArg);
}
