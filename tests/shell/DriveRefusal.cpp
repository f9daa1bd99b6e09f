// Opens of one path refused for real while armed (the linker routes open here).
#include "DriveRefusal.h"

#include <cerrno>
#include <cstdarg>
#include <fcntl.h>
#include <mutex>

extern "C" {
int __real_open(const char* pszPath, int nFlags, ...);
int __wrap_open(const char* pszPath, int nFlags, ...);
}

namespace {

std::mutex s_mutex;
std::string s_strRefused;

bool IsRefused(const char* pszPath)
{
    std::lock_guard lock(s_mutex);
    return !s_strRefused.empty() && s_strRefused == pszPath;
}

} // namespace

void RefuseOpensOf(const std::string& strPath)
{
    std::lock_guard lock(s_mutex);
    s_strRefused = strPath;
}

int __wrap_open(const char* pszPath, int nFlags, ...)
{
    mode_t nMode = 0;
    if ((nFlags & (O_CREAT | O_TMPFILE)) != 0) {
        va_list arguments;
        va_start(arguments, nFlags);
        nMode = va_arg(arguments, mode_t);
        va_end(arguments);
    }
    if (IsRefused(pszPath)) {
        errno = EACCES;
        return -1;
    }
    return __real_open(pszPath, nFlags, nMode);
}
