// The framework's texts on Windows: from UTF-16 into the system's ANSI code page, as the
// system's own A functions would have them, through the one conversion every Windows has.
#include "framework/core/LocalText.h"

#include "framework/core/Types.h"

std::string LocalTextFromWide(const wchar_t* pszWide)
{
    const int nLocal = ::WideCharToMultiByte(CP_ACP, 0, pszWide, -1, nullptr, 0, nullptr, nullptr);
    if (nLocal <= 1)
        return {};
    std::string strLocal(static_cast<std::size_t>(nLocal), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, pszWide, -1, strLocal.data(), nLocal, nullptr, nullptr);
    strLocal.resize(static_cast<std::size_t>(nLocal - 1));
    return strLocal;
}

std::size_t LocalTextCut(const std::string& strText, std::size_t nMax)
{
    if (nMax >= strText.size())
        return strText.size();
    // Only a double-byte code page has characters of two bytes: walk from the start, since
    // a trail byte may look like a lead byte.
    std::size_t nAt = 0;
    while (nAt < nMax) {
        const std::size_t nSize = ::IsDBCSLeadByte(static_cast<BYTE>(strText[nAt])) ? 2 : 1;
        if (nAt + nSize > nMax)
            break;
        nAt += nSize;
    }
    return nAt;
}
