// The program's own path on Linux, from /proc/self/exe.
#include "framework/core/ModulePath.h"

#include <unistd.h>

std::string GetModuleFilePath()
{
    // The link's length is not known in advance: grow until the whole target fits.
    std::string strPath(256, '\0');
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", strPath.data(), strPath.size());
        if (n < 0)
            return {};
        if (static_cast<std::size_t>(n) < strPath.size()) {
            strPath.resize(static_cast<std::size_t>(n));
            return strPath;
        }
        strPath.resize(strPath.size() * 2);
    }
}

bool IsPathSeparator(char c)
{
    return c == '/';
}
