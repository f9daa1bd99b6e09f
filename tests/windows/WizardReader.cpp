// Reads the wizard's pages from outside, through the window system alone, for the Wine
// tests' driver (wizard-test): it takes one command a line on its input and answers on its
// output. It finds the wizard's dialog by its caption and reads its controls with ordinary
// window messages, as any other program on the desktop could.
//   ready                  answers "ready" (the first Wine program after a display change
//                          may update the prefix; the driver starts nothing beside it)
//   page TITLE             waits until a page whose title text is TITLE is shown, then
//                          lists the dialog and its controls, ending with "end"
//   bar N                  waits until the page's progress bar stands at N or beyond
//   answers MS             waits until the page waits for its writer, then for MS milliseconds
//                          asks it every 100 ms whether it answers (WM_NULL, 1000 ms to do so):
//                          "answers N of M, longest L ms"
//   gone                   waits until no page is shown
//   resources PROGRAM      lists what the program file carries as resources
#include "pages/PageFrame.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

// How long a page may take to come, to go or to stop answering: far longer than any of
// them takes, short enough that a broken run ends.
constexpr DWORD s_dwLimitMs = 60000;

// Waits for the condition, looking at the window system again at each turn; false when the
// limit passed first. The turns are short so that an event is seen when it happens.
template <class TCondition>
bool WaitFor(TCondition condition)
{
    const DWORD dwStart = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - dwStart > s_dwLimitMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

std::string TextOf(HWND hWnd)
{
    char szText[1024] = "";
    ::SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof szText, reinterpret_cast<LPARAM>(szText), SMTO_NORMAL, 5000, nullptr);
    return szText;
}

std::string ClassOf(HWND hWnd)
{
    char szClass[128] = "";
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    return szClass;
}

// A text on one line: line ends, backslashes and quotes escaped.
std::string Quoted(const std::string& strText)
{
    std::string strOut = "\"";
    for (const char c : strText) {
        switch (c) {
        case '\r': strOut += "\\r"; break;
        case '\n': strOut += "\\n"; break;
        case '\\': strOut += "\\\\"; break;
        case '"': strOut += "\\\""; break;
        default: strOut += c; break;
        }
    }
    return strOut + "\"";
}

HWND FindPage()
{
    const HWND hWnd = ::FindWindowA(nullptr, PAGE_CAPTION);
    return hWnd != nullptr && ::IsWindowVisible(hWnd) ? hWnd : nullptr;
}

std::vector<HWND> ControlsOf(HWND hDialog)
{
    std::vector<HWND> controls;
    for (HWND hChild = ::GetWindow(hDialog, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        controls.push_back(hChild);
    return controls;
}

bool ShowsTitle(HWND hDialog, const std::string& strTitle)
{
    for (const HWND hControl : ControlsOf(hDialog))
        if (ClassOf(hControl) == "Static" && TextOf(hControl) == strTitle)
            return true;
    return false;
}

void ListPage(HWND hDialog)
{
    // Wine keeps the X window of a top-level window in this property; keys go there.
    const auto xWindow = reinterpret_cast<ULONG_PTR>(::GetPropA(hDialog, "__wine_x11_whole_window"));
    RECT rect{};
    ::GetClientRect(hDialog, &rect);
    std::cout << "dialog " << Quoted(TextOf(hDialog)) << " x11 " << xWindow << " size " << rect.right << ' '
              << rect.bottom << '\n';
    for (const HWND hControl : ControlsOf(hDialog)) {
        const std::string strClass = ClassOf(hControl);
        const auto dwStyle = static_cast<DWORD>(::GetWindowLongA(hControl, GWL_STYLE));
        std::cout << "control " << static_cast<short>(::GetDlgCtrlID(hControl)) << ' ' << strClass << " enabled "
                  << (::IsWindowEnabled(hControl) ? 1 : 0);
        if (strClass == "Button")
            std::cout << " checked " << ::SendMessageA(hControl, BM_GETCHECK, 0, 0) << " type "
                      << (dwStyle & BS_TYPEMASK);
        if (strClass == PROGRESS_CLASSA)
            std::cout << " position " << ::SendMessageA(hControl, PBM_GETPOS, 0, 0);
        std::cout << " text " << Quoted(TextOf(hControl)) << '\n';
    }
    std::cout << "end" << std::endl;
}

void Page(const std::string& strTitle)
{
    HWND hDialog = nullptr;
    if (!WaitFor([&] {
            hDialog = FindPage();
            return hDialog != nullptr && ShowsTitle(hDialog, strTitle);
        })) {
        const HWND hShown = FindPage();
        std::cout << "timeout: no page \"" << strTitle << "\" came; shown: " << (hShown != nullptr ? "a page" : "none")
                  << std::endl;
        // The answer ends with "end" either way, so that the driver reads all of it.
        if (hShown != nullptr)
            ListPage(hShown);
        else
            std::cout << "end" << std::endl;
        return;
    }
    ListPage(hDialog);
}

void Answers(DWORD dwFor)
{
    // The mark the framework sets on a page while it waits for an object, as the system's
    // own properties of a window show it to any program.
    const auto IsWaiting = [](HWND hDialog) { return ::GetPropA(hDialog, "KorvantWaiting") != nullptr; };
    HWND hDialog = nullptr;
    if (!WaitFor([&] { return (hDialog = FindPage()) != nullptr && IsWaiting(hDialog); })) {
        std::cout << "timeout: the page never waited" << std::endl;
        return;
    }
    int nAsked = 0;
    int nAnswered = 0;
    DWORD dwLongest = 0;
    for (const DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < dwFor && IsWaiting(hDialog);) {
        const DWORD dwAsked = ::GetTickCount();
        DWORD_PTR dwResult = 0;
        nAnswered += ::SendMessageTimeoutA(hDialog, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &dwResult) != 0;
        ++nAsked;
        dwLongest = std::max(dwLongest, ::GetTickCount() - dwAsked);
        // The desktop asks a window now and then, not without pause.
        ::Sleep(100);
    }
    std::cout << "answers " << nAnswered << " of " << nAsked << ", longest " << dwLongest << " ms" << std::endl;
}

void Bar(int nAtLeast)
{
    const bool bReached = WaitFor([&] {
        const HWND hDialog = FindPage();
        for (const HWND hControl : hDialog != nullptr ? ControlsOf(hDialog) : std::vector<HWND>())
            if (ClassOf(hControl) == PROGRESS_CLASSA && ::SendMessageA(hControl, PBM_GETPOS, 0, 0) >= nAtLeast)
                return true;
        return false;
    });
    std::cout << (bReached ? "bar" : "timeout") << std::endl;
}

void Gone()
{
    std::cout << (WaitFor([] { return ::FindWindowA(nullptr, PAGE_CAPTION) == nullptr; }) ? "gone" : "timeout")
              << std::endl;
}

BOOL CALLBACK ListName(HMODULE, LPCSTR pszType, LPSTR pszName, LONG_PTR)
{
    if (IS_INTRESOURCE(pszName))
        std::cout << "resource " << reinterpret_cast<ULONG_PTR>(pszType) << ' '
                  << reinterpret_cast<ULONG_PTR>(pszName) << '\n';
    return TRUE;
}

BOOL CALLBACK ListLanguage(HMODULE, LPCSTR pszType, LPCSTR pszName, WORD wLanguage, LONG_PTR)
{
    std::cout << "language " << reinterpret_cast<ULONG_PTR>(pszType) << ' ' << reinterpret_cast<ULONG_PTR>(pszName)
              << ' ' << std::hex << wLanguage << std::dec << '\n';
    return TRUE;
}

BOOL CALLBACK ListType(HMODULE hModule, LPSTR pszType, LONG_PTR)
{
    if (IS_INTRESOURCE(pszType))
        ::EnumResourceNamesA(hModule, pszType, ListName, 0);
    return TRUE;
}

void Resources(const std::string& strProgram)
{
    const HMODULE hModule = ::LoadLibraryExA(strProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (hModule == nullptr) {
        std::cout << "cannot load " << strProgram << ": error " << ::GetLastError() << "\nend" << std::endl;
        return;
    }
    ::EnumResourceTypesA(hModule, ListType, 0);
    for (const auto& [pType, nName] : {std::pair{RT_BITMAP, 130}, std::pair{RT_BITMAP, 132},
                                       std::pair{RT_GROUP_ICON, 128}, std::pair{RT_GROUP_ICON, 130},
                                       std::pair{RT_VERSION, 1}})
        ::EnumResourceLanguagesA(hModule, pType, MAKEINTRESOURCEA(nName), ListLanguage, 0);

    // The version the program file states, as Explorer's properties show it.
    char szPath[MAX_PATH];
    ::GetFullPathNameA(strProgram.c_str(), MAX_PATH, szPath, nullptr);
    DWORD dwHandle = 0;
    std::vector<char> info(::GetFileVersionInfoSizeA(szPath, &dwHandle));
    char* pszVersion = nullptr;
    UINT nLength = 0;
    if (!info.empty() && ::GetFileVersionInfoA(szPath, 0, static_cast<DWORD>(info.size()), info.data()) &&
        ::VerQueryValueA(info.data(), "\\StringFileInfo\\040704E4\\FileVersion", reinterpret_cast<void**>(&pszVersion),
                         &nLength))
        std::cout << "version " << Quoted(pszVersion) << '\n';
    ::FreeLibrary(hModule);
    std::cout << "end" << std::endl;
}

} // namespace

int main()
{
    std::string strLine;
    while (std::getline(std::cin, strLine)) {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        const std::string strCommand = strLine.substr(0, strLine.find(' '));
        const std::string strArgument = strLine.size() > strCommand.size() ? strLine.substr(strCommand.size() + 1) : "";
        if (strCommand == "ready")
            std::cout << "ready" << std::endl;
        else if (strCommand == "page")
            Page(strArgument);
        else if (strCommand == "bar")
            Bar(std::atoi(strArgument.c_str()));
        else if (strCommand == "answers")
            Answers(static_cast<DWORD>(std::atoi(strArgument.c_str())));
        else if (strCommand == "gone")
            Gone();
        else if (strCommand == "resources")
            Resources(strArgument);
        else
            std::cout << "unknown command " << Quoted(strLine) << std::endl;
    }
    return 0;
}
