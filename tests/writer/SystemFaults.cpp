// read() and mmap() failing for real when armed (the linker routes them here).
#include "SystemFaults.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <new>
#include <sys/mman.h>
#include <sys/types.h>

extern "C" {
ssize_t __real_read(int fd, void* pBuffer, std::size_t nBytes);
void* __real_mmap(void* pAddress, std::size_t nBytes, int nProtection, int nFlags, int fd, off_t nOffset);
ssize_t __wrap_read(int fd, void* pBuffer, std::size_t nBytes);
void* __wrap_mmap(void* pAddress, std::size_t nBytes, int nProtection, int nFlags, int fd, off_t nOffset);
}

namespace {

std::atomic<std::size_t> s_nReadSize{0};
std::atomic<int> s_nReadsLeft{0};
std::atomic<int> s_nReadError{0};
std::atomic<std::size_t> s_nMapSize{0};
thread_local bool t_bFailNextAllocation = false;

} // namespace

// The program's own allocation, on malloc() so that the sanitizers see matching pairs.
void* operator new(std::size_t nBytes)
{
    if (t_bFailNextAllocation) {
        t_bFailNextAllocation = false;
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(nBytes != 0 ? nBytes : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

void FailNextAllocationOfThisThread()
{
    t_bFailNextAllocation = true;
}

void FailReadOfSize(std::size_t nBytes, int nNth, int nError)
{
    s_nReadError = nError;
    s_nReadsLeft = nNth;
    s_nReadSize = nBytes;
}

void FailMapOfSize(std::size_t nBytes)
{
    s_nMapSize = nBytes;
}

void ClearSystemFaults()
{
    s_nReadSize = 0;
    s_nMapSize = 0;
    t_bFailNextAllocation = false;
}

ssize_t __wrap_read(int fd, void* pBuffer, std::size_t nBytes)
{
    if (nBytes != 0 && nBytes == s_nReadSize.load() && --s_nReadsLeft == 0) {
        s_nReadSize = 0;
        errno = s_nReadError.load();
        return -1;
    }
    return __real_read(fd, pBuffer, nBytes);
}

void* __wrap_mmap(void* pAddress, std::size_t nBytes, int nProtection, int nFlags, int fd, off_t nOffset)
{
    std::size_t nArmed = nBytes;
    if (nBytes != 0 && (nFlags & MAP_ANONYMOUS) != 0 && s_nMapSize.compare_exchange_strong(nArmed, 0)) {
        errno = ENOMEM;
        return MAP_FAILED;
    }
    return __real_mmap(pAddress, nBytes, nProtection, nFlags, fd, nOffset);
}
