// The program's own path on Windows, from the module's file name.
#include "framework/core/ModulePath.h"

#include "framework/core/Types.h"

std::string GetModuleFilePath()
{
    // The path's length is not known in advance: a result that fills the whole buffer may
    // have been cut, so grow until it does not.
    std::string strPath(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameA(nullptr, strPath.data(), static_cast<DWORD>(strPath.size()));
        if (n == 0)
            return {};
        if (n < strPath.size()) {
            strPath.resize(n);
            return strPath;
        }
        strPath.resize(strPath.size() * 2);
    }
}

bool IsPathSeparator(char c)
{
    return c == '\\' || c == '/' || c == ':';
}
