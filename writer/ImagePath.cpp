// The image's path beside the program, and the device text.
#include "ImagePath.h"

#include "framework/core/ModulePath.h"

#include <cstdio>

std::string ImageExtension(int nImage)
{
    const int nLength = std::snprintf(nullptr, 0, ".%03i", nImage);
    std::string strExtension(static_cast<std::size_t>(nLength), '\0');
    std::snprintf(strExtension.data(), strExtension.size() + 1, ".%03i", nImage);
    return strExtension;
}

std::string ImagePathBeside(const std::string& strProgramPath, const std::string& strExtension)
{
    std::size_t nNameStart = strProgramPath.size();
    while (nNameStart > 0 && !IsPathSeparator(strProgramPath[nNameStart - 1]))
        --nNameStart;

    std::size_t nBaseEnd = strProgramPath.rfind('.');
    if (nBaseEnd == std::string::npos || nBaseEnd <= nNameStart)
        nBaseEnd = strProgramPath.size();

    return strProgramPath.substr(0, nBaseEnd) + strExtension;
}

std::string OutputDeviceText(int nDrive)
{
    return {static_cast<char>('A' + nDrive), ':'};
}
