// The framework's own texts in the multi-byte code page that the system shows them in: our
// sources hold them as UTF-8, which is what Linux shows, while Windows shows the system's
// ANSI code page (Windows-1252 for German).
#pragma once

#include <cstddef>
#include <string>

// The UTF-8 text in the system's multi-byte code page; characters the code page lacks
// become the system's stand-in.
std::string LocalTextFromUtf8(const char* pszUtf8);

// The longest length up to nMax (counted from the start) that cuts the text, which is in
// the system's multi-byte code page, between two characters.
std::size_t LocalTextCut(const std::string& strText, std::size_t nMax);
