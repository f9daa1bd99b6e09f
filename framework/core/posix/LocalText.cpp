// The framework's texts on Linux, where the multi-byte code page is UTF-8 itself.
#include "framework/core/LocalText.h"

std::string LocalTextFromUtf8(const char* pszUtf8)
{
    return pszUtf8;
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
