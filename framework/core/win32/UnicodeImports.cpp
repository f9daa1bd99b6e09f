// The three Unicode system functions that the C and C++ runtimes call, answered through their
// ANSI forms, so that the 32-bit program does not import them at all. The 95 family exports
// them only as stubs that fail, which would leave the runtime's locks without semaphores and
// its look-ups without modules; the ANSI forms work on every Windows.
//
// A program takes a system function through its import pointer, __imp__Name@bytes. Defining
// that pointer here, in an object linked into the program itself, resolves every reference
// before the system's import library is searched, so the import never comes into being.
#include "framework/core/Types.h"

#include <string>

namespace {

// The ANSI form of a name; false when it cannot be converted or has no room.
bool ToAnsi(LPCWSTR pszWide, std::string& strAnsi)
{
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, pszWide, -1, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0)
        return false;
    try {
        strAnsi.assign(static_cast<std::size_t>(nBytes), '\0');
    } catch (...) {
        ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    return ::WideCharToMultiByte(CP_ACP, 0, pszWide, -1, strAnsi.data(), nBytes, nullptr, nullptr) == nBytes;
}

HANDLE WINAPI CreateSemaphoreThroughAnsi(LPSECURITY_ATTRIBUTES pAttributes, LONG lInitial, LONG lMaximum,
                                         LPCWSTR pszName)
{
    std::string strName;
    if (pszName != nullptr && !ToAnsi(pszName, strName))
        return nullptr;
    return ::CreateSemaphoreA(pAttributes, lInitial, lMaximum, pszName != nullptr ? strName.c_str() : nullptr);
}

HMODULE WINAPI GetModuleHandleThroughAnsi(LPCWSTR pszModule)
{
    std::string strModule;
    if (pszModule != nullptr && !ToAnsi(pszModule, strModule))
        return nullptr;
    return ::GetModuleHandleA(pszModule != nullptr ? strModule.c_str() : nullptr);
}

HMODULE WINAPI LoadLibraryThroughAnsi(LPCWSTR pszModule)
{
    std::string strModule;
    if (pszModule == nullptr || !ToAnsi(pszModule, strModule))
        return nullptr;
    return ::LoadLibraryA(strModule.c_str());
}

} // namespace

extern "C" {
// The import pointers' names as the assembler spells them for a 32-bit program.
extern void* const g_pCreateSemaphoreW __asm__("__imp__CreateSemaphoreW@16");
extern void* const g_pGetModuleHandleW __asm__("__imp__GetModuleHandleW@4");
extern void* const g_pLoadLibraryW __asm__("__imp__LoadLibraryW@4");
void* const g_pCreateSemaphoreW = reinterpret_cast<void*>(&CreateSemaphoreThroughAnsi);
void* const g_pGetModuleHandleW = reinterpret_cast<void*>(&GetModuleHandleThroughAnsi);
void* const g_pLoadLibraryW = reinterpret_cast<void*>(&LoadLibraryThroughAnsi);
}
