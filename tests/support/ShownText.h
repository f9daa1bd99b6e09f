// A text of the framework as the user reads it, in UTF-8 like the tests' expectations: Linux
// shows the bytes as they are, Windows reads them in its ANSI code page.
#pragma once

#include "framework/core/Types.h"

#include <string>

inline std::string Shown(const std::string& strText)
{
#ifdef _WIN32
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, strText.c_str(), -1, nullptr, 0);
    std::wstring strWide(static_cast<std::size_t>(nWide), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, strText.c_str(), -1, strWide.data(), nWide);
    const int nUtf8 = ::WideCharToMultiByte(CP_UTF8, 0, strWide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string strUtf8(static_cast<std::size_t>(nUtf8), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, strWide.c_str(), -1, strUtf8.data(), nUtf8, nullptr, nullptr);
    return strUtf8.c_str();
#else
    return strText;
#endif
}
