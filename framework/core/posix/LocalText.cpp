// The framework's texts on Linux, where the multi-byte code page is UTF-8.
#include "framework/core/LocalText.h"

std::string LocalTextFromWide(const wchar_t* pszWide)
{
    // A wide character is a whole code point here (UTF-32), which UTF-8 writes in one to
    // four bytes: a lead byte that says how many follow, then six bits in each of them.
    static const unsigned char s_lead[] = {0x00, 0xC0, 0xE0, 0xF0};
    std::string strText;
    for (; *pszWide != L'\0'; ++pszWide) {
        const auto nCode = static_cast<char32_t>(*pszWide);
        if (nCode < 0x80) {
            strText += static_cast<char>(nCode);
            continue;
        }
        const int nTrail = nCode < 0x800 ? 1 : nCode < 0x10000 ? 2 : 3;
        strText += static_cast<char>(s_lead[nTrail] | (nCode >> (6 * nTrail)));
        for (int i = nTrail - 1; i >= 0; --i)
            strText += static_cast<char>(0x80u | ((nCode >> (6 * i)) & 0x3Fu));
    }
    return strText;
}

std::size_t LocalTextCut(const std::string& strText, std::size_t nMax)
{
    if (nMax >= strText.size())
        return strText.size();
    // A continuation byte (10xxxxxx) cannot begin a character: step back to one that can.
    std::size_t nLength = nMax;
    while (nLength > 0 && (static_cast<unsigned char>(strText[nLength]) & 0xC0u) == 0x80u)
        --nLength;
    return nLength;
}
