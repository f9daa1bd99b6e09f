// The framework's own texts in the multi-byte code page that the system shows them in: our
// sources hold them as wide strings, which Linux shows as UTF-8 and Windows in the system's
// ANSI code page (Windows-1252 for German). Only conversions that Windows 95 has are used
// there: it has no UTF-8 conversion at all (Microsoft KB Q175392).
#pragma once

#include <cstddef>
#include <string>

// The wide text in the system's multi-byte code page; characters the code page lacks
// become the system's stand-in.
std::string LocalTextFromWide(const wchar_t* pszWide);

// The longest length up to nMax (counted from the start) that cuts the text, which is in
// the system's multi-byte code page, between two characters.
std::size_t LocalTextCut(const std::string& strText, std::size_t nMax);
