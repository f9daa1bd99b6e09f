// The rules: each function here takes one of the program's calls, refuses it where the older
// Windows refuses it, and hands the rest to the system. Why each refusal is what it is, and
// where that is written, is in the function's row of rules.tsv.
#include "RuleBook.h"

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <process.h>

namespace {

// msvcrt.dll of Visual C++ 4.2 to 6 hands thrdaddr to CreateThread as it is, and CreateThread
// on the 95 family refuses a NULL lpThreadId; the runtime then sets errno from the error.
std::uintptr_t __cdecl BeginThreadExUnderRules(void* pSecurity, unsigned nStackSize,
                                               unsigned(__stdcall* pfnStart)(void*), void* pArgument,
                                               unsigned nFlags, unsigned* pnThreadId)
{
    if (Setting() == SETTING_95 && pnThreadId == nullptr) {
        Refuse("_beginthreadex", ERROR_INVALID_PARAMETER,
               "no place for the thread id, which CreateThread on the 95 family must have");
        errno = EINVAL;
        return 0;
    }
    return ::_beginthreadex(pSecurity, nStackSize, pfnStart, pArgument, nFlags, pnThreadId);
}

// Why the older Windows refuses a conversion between a code page and Unicode, or nullptr.
const char* RefusedConversion(UINT nCodePage, DWORD dwFlags, DWORD dwDocumentedFlags, DWORD& dwError)
{
    if (nCodePage == CP_UTF7 || nCodePage == CP_UTF8) {
        if (Setting() == SETTING_95) {
            dwError = ERROR_INVALID_PARAMETER;
            return "Windows 95 has no UTF-7 or UTF-8 conversion";
        }
        if (dwFlags != 0) {
            dwError = ERROR_INVALID_FLAGS;
            return "Windows NT 4.0 converts UTF-7 and UTF-8 with no flags only";
        }
        return nullptr;
    }
    if ((dwFlags & ~dwDocumentedFlags) != 0) {
        dwError = ERROR_INVALID_FLAGS;
        return "a flag that came after Windows 95 and NT 4.0";
    }
    return nullptr;
}

int WINAPI MultiByteToWideCharUnderRules(UINT nCodePage, DWORD dwFlags, LPCSTR pszText, int cbText,
                                         LPWSTR pszWide, int cchWide)
{
    DWORD dwError = 0;
    if (const char* pszWhy = RefusedConversion(
            nCodePage, dwFlags, MB_PRECOMPOSED | MB_COMPOSITE | MB_USEGLYPHCHARS | MB_ERR_INVALID_CHARS, dwError)) {
        Refuse("MultiByteToWideChar", dwError, pszWhy);
        return 0;
    }
    return ::MultiByteToWideChar(nCodePage, dwFlags, pszText, cbText, pszWide, cchWide);
}

int WINAPI WideCharToMultiByteUnderRules(UINT nCodePage, DWORD dwFlags, LPCWSTR pszWide, int cchWide,
                                         LPSTR pszText, int cbText, LPCSTR pszDefault, LPBOOL pbUsedDefault)
{
    DWORD dwError = 0;
    if (const char* pszWhy = RefusedConversion(
            nCodePage, dwFlags, WC_COMPOSITECHECK | WC_DISCARDNS | WC_SEPCHARS | WC_DEFAULTCHAR, dwError)) {
        Refuse("WideCharToMultiByte", dwError, pszWhy);
        return 0;
    }
    return ::WideCharToMultiByte(nCodePage, dwFlags, pszWide, cchWide, pszText, cbText, pszDefault, pbUsedDefault);
}

// The 95 family and NT 4.0 before its sixth service pack know one version record only.
BOOL WINAPI GetVersionExAUnderRules(LPOSVERSIONINFOA pInfo)
{
    if (pInfo->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) {
        Refuse("GetVersionExA", ERROR_INSUFFICIENT_BUFFER, "a version record other than the 148-byte OSVERSIONINFOA");
        return FALSE;
    }
    return ::GetVersionExA(pInfo);
}

bool StartsWithDevicePrefix(LPCSTR pszName)
{
    return pszName != nullptr && std::strncmp(pszName, "\\\\.\\", 4) == 0;
}

// "\\.\A:": a volume, or "\\.\PhysicalDrive0": a whole disk.
bool IsVolumeOrDisk(LPCSTR pszName)
{
    if (!StartsWithDevicePrefix(pszName))
        return false;
    const char* pszDevice = pszName + 4;
    const bool bVolume = std::isalpha(static_cast<unsigned char>(pszDevice[0])) && pszDevice[1] == ':' &&
                         (pszDevice[2] == '\0' || (pszDevice[2] == '\\' && pszDevice[3] == '\0'));
    return bVolume || ::_strnicmp(pszDevice, "PhysicalDrive", 13) == 0;
}

bool IsDiskServiceName(LPCSTR pszName)
{
    return StartsWithDevicePrefix(pszName) && ::_stricmp(pszName + 4, "vwin32") == 0;
}

HANDLE WINAPI CreateFileAUnderRules(LPCSTR pszName, DWORD dwAccess, DWORD dwShare, LPSECURITY_ATTRIBUTES pSecurity,
                                    DWORD dwDisposition, DWORD dwFlags, HANDLE hTemplate)
{
    const char* pszWhy = nullptr;
    DWORD dwError = ERROR_FILE_NOT_FOUND;
    if (Setting() == SETTING_95) {
        if (IsVolumeOrDisk(pszName))
            pszWhy = "the 95 family opens no volume or disk";
        else if ((dwShare & FILE_SHARE_DELETE) != 0) {
            dwError = ERROR_INVALID_PARAMETER;
            pszWhy = "FILE_SHARE_DELETE is of the NT family only";
        }
    } else {
        if (IsDiskServiceName(pszName))
            pszWhy = "the NT family has no VxD, and so no VWIN32";
        else if (IsVolumeOrDisk(pszName) &&
                 (dwShare & (FILE_SHARE_READ | FILE_SHARE_WRITE)) != (FILE_SHARE_READ | FILE_SHARE_WRITE)) {
            dwError = ERROR_SHARING_VIOLATION;
            pszWhy = "a volume or disk opens only when shared for reading and for writing";
        }
    }
    if (pszWhy != nullptr) {
        Refuse("CreateFileA", dwError, pszWhy);
        return INVALID_HANDLE_VALUE;
    }
    const HANDLE hFile = ::CreateFileA(pszName, dwAccess, dwShare, pSecurity, dwDisposition, dwFlags, hTemplate);
    if (hFile != INVALID_HANDLE_VALUE && Setting() == SETTING_95 && IsDiskServiceName(pszName))
        NoteDiskServiceOpened(hFile);
    return hFile;
}

BOOL WINAPI CloseHandleUnderRules(HANDLE hHandle)
{
    NoteHandleClosed(hHandle);
    return ::CloseHandle(hHandle);
}

// VWIN32_DIOC_DOS_INT26, the control code of the absolute disk write.
constexpr DWORD s_dwDiskServiceInt26 = 3;

BOOL WINAPI DeviceIoControlUnderRules(HANDLE hDevice, DWORD dwCode, LPVOID pIn, DWORD cbIn, LPVOID pOut,
                                      DWORD cbOut, LPDWORD pcbReturned, LPOVERLAPPED pOverlapped)
{
    if (dwCode == s_dwDiskServiceInt26 && pOverlapped == nullptr && IsDiskService(hDevice)) {
        if (pOut != pIn && pOut != nullptr && pIn != nullptr && cbIn <= cbOut)
            std::memcpy(pOut, pIn, cbIn);
        return AbsoluteDiskWriteAs95Does(pOut, cbIn, cbOut, pcbReturned);
    }
    return ::DeviceIoControl(hDevice, dwCode, pIn, cbIn, pOut, cbOut, pcbReturned, pOverlapped);
}

// The kinds of message that a wait for messages may name, as the documentation of 1998 lists
// them. Newer headers put QS_RAWINPUT (Windows XP) into QS_ALLINPUT; how the older systems
// answer a kind they do not know is not written, and the rule refuses it, so that a newer
// kind shows in these runs rather than on the older Windows.
DWORD WINAPI MsgWaitForMultipleObjectsUnderRules(DWORD nCount, const HANDLE* pHandles, BOOL bWaitAll,
                                                 DWORD dwMilliseconds, DWORD dwWakeMask)
{
    constexpr DWORD dwKnown = QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER | QS_PAINT |
                              QS_SENDMESSAGE | QS_HOTKEY | QS_ALLPOSTMESSAGE;
    if ((dwWakeMask & ~dwKnown) != 0) {
        Refuse("MsgWaitForMultipleObjects", ERROR_INVALID_PARAMETER, "a kind of message that came later");
        return WAIT_FAILED;
    }
    return ::MsgWaitForMultipleObjects(nCount, pHandles, bWaitAll, dwMilliseconds, dwWakeMask);
}

// A Unicode function that the 95 family has only as a stub, which fails whatever it is given.
template <const char* pszFunction, typename TResult, typename... TArguments>
TResult WINAPI StubOf95(TArguments...)
{
    Refuse(pszFunction, ERROR_CALL_NOT_IMPLEMENTED, "only a stub on the 95 family");
    return TResult{};
}

// The runtime's own Unicode calls, which the program answers itself through the ANSI forms;
// should it ever import them again, these answer as the 95 family does.
constexpr char s_szCreateSemaphoreW[] = "CreateSemaphoreW";
constexpr char s_szGetModuleHandleW[] = "GetModuleHandleW";
constexpr char s_szLoadLibraryW[] = "LoadLibraryW";

template <typename TFunction>
void* Rule(TFunction* pfnRule)
{
    return reinterpret_cast<void*>(pfnRule);
}

} // namespace

const SRule g_rules[] = {
    {"MSVCRT.DLL", "_beginthreadex", SETTING_95, Rule(&BeginThreadExUnderRules)},
    {"KERNEL32.DLL", "MultiByteToWideChar", SETTING_95 | SETTING_NT4, Rule(&MultiByteToWideCharUnderRules)},
    {"KERNEL32.DLL", "WideCharToMultiByte", SETTING_95 | SETTING_NT4, Rule(&WideCharToMultiByteUnderRules)},
    {"KERNEL32.DLL", "GetVersionExA", SETTING_95 | SETTING_NT4, Rule(&GetVersionExAUnderRules)},
    {"KERNEL32.DLL", "CreateFileA", SETTING_95 | SETTING_NT4, Rule(&CreateFileAUnderRules)},
    {"KERNEL32.DLL", "CloseHandle", SETTING_95, Rule(&CloseHandleUnderRules)},
    {"KERNEL32.DLL", "DeviceIoControl", SETTING_95, Rule(&DeviceIoControlUnderRules)},
    {"KERNEL32.DLL", "GetProcAddress", SETTING_95 | SETTING_NT4, Rule(&GetProcAddressUnderRules)},
    {"USER32.DLL", "MsgWaitForMultipleObjects", SETTING_95 | SETTING_NT4, Rule(&MsgWaitForMultipleObjectsUnderRules)},
    {"KERNEL32.DLL", "CreateSemaphoreW", SETTING_95,
     Rule(&StubOf95<s_szCreateSemaphoreW, HANDLE, LPSECURITY_ATTRIBUTES, LONG, LONG, LPCWSTR>)},
    {"KERNEL32.DLL", "GetModuleHandleW", SETTING_95, Rule(&StubOf95<s_szGetModuleHandleW, HMODULE, LPCWSTR>)},
    {"KERNEL32.DLL", "LoadLibraryW", SETTING_95, Rule(&StubOf95<s_szLoadLibraryW, HMODULE, LPCWSTR>)},
    // What came after Windows 95 and NT 4.0, and which the program or its runtime looks up:
    // the common controls 4.00 of both came before InitCommonControlsEx, and Windows XP brought
    // the rest.
    {"COMCTL32.DLL", "InitCommonControlsEx", SETTING_95 | SETTING_NT4, nullptr},
    {"MSVCRT.DLL", "___lc_codepage_func", SETTING_95 | SETTING_NT4, nullptr},
    {"MSVCRT.DLL", "rand_s", SETTING_95 | SETTING_NT4, nullptr},
    {"ADVAPI32.DLL", "SystemFunction036", SETTING_95 | SETTING_NT4, nullptr},
};
const std::size_t g_nRules = std::size(g_rules);
