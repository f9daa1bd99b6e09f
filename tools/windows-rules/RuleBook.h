// What the rules of the rule book share: the Windows they answer for, the record of what they
// refused and why, and the table that says which rule stands between the program and which
// of its imports.
#pragma once

#include <windows.h>

#include <cstddef>

// The Windows whose answers the rules give, one bit each.
// - the 95 family as its first and strictest member answers: Windows 95 with the msvcrt.dll
//   of Visual C++ 4.2 to 6 and the common controls 4.00 it came with;
// - Windows NT 4.0, with the same common controls.
enum ESetting : unsigned
{
    SETTING_95 = 1,
    SETTING_NT4 = 2,
};
ESetting Setting();

// A line in the rule book's record: the file KORVANT_RULE_BOOK_LOG names, or else stderr.
void Record(const char* pszFormat, ...) __attribute__((format(printf, 1, 2)));

// A call refused as the older Windows refuses it: GetLastError gives dwError, and the record
// says which call it was and why.
void Refuse(const char* pszFunction, DWORD dwError, const char* pszWhy);

// A rule: in the settings it names, the program's import of the function goes to pRule
// instead of to the system; a null pRule means that Windows has no such function at all.
struct SRule
{
    const char* pszDll;
    const char* pszFunction;
    unsigned nSettings;
    void* pRule;
};
extern const SRule g_rules[];
extern const std::size_t g_nRules;

// The rule for the function in this run's setting, or nullptr when the system answers it.
const SRule* RuleFor(const char* pszDll, const char* pszFunction);

// GetProcAddress under the rules: a function looked up by name is answered as an import of
// it would be (RuleBook.cpp).
FARPROC WINAPI GetProcAddressUnderRules(HMODULE hModule, LPCSTR pszName);

// The VWIN32 driver's INT 26h as Windows 95 and 98 carry it out (DiskService.cpp).
void NoteDiskServiceOpened(HANDLE hService);
void NoteHandleClosed(HANDLE hHandle);
bool IsDiskService(HANDLE hHandle);
BOOL AbsoluteDiskWriteAs95Does(void* pRegisters, DWORD cbIn, DWORD cbOut, DWORD* pcbReturned);
