// A showing of a dialog on the Win32 API: the dialog manager makes the window from the
// template in memory, in the template's font, and runs the modal loop; the dialog procedure
// tells the showing of the window's messages.
#include "framework/BackEnd.h"

#include "DialogTemplateBuilder.h"
#include "framework/AfxRes.h"
#include "framework/DialogShowing.h"

#include <commctrl.h>

#include <cstring>

namespace {

// The progress bar's window class comes with the common controls, registered once. The
// common controls of Windows 95 and NT 4.0 (comctl32.dll 4.00) have only InitCommonControls,
// which registers every class; InitCommonControlsEx came with 4.70, so it is looked up where
// it is there rather than imported, which would keep the program from loading at all.
void RegisterCommonControls()
{
    static const bool s_bDone = [] {
        using PInitCommonControlsEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        const FARPROC pfnFound = ::GetProcAddress(::GetModuleHandleA("comctl32.dll"), "InitCommonControlsEx");
        if (pfnFound == nullptr) {
            ::InitCommonControls();
            return true;
        }
        PInitCommonControlsEx pfnInitEx = nullptr;
        static_assert(sizeof(pfnInitEx) == sizeof(pfnFound));
        std::memcpy(&pfnInitEx, &pfnFound, sizeof(pfnInitEx));
        INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
        return pfnInitEx(&icc) != FALSE;
    }();
    (void)s_bDone;
}

// Set on a dialog while it waits in AfxWaitKeepingAlive: the pointer shows the wait cursor.
const char s_szWaiting[] = "KorvantWaiting";

CDialogShowing* ShowingOf(HWND hDialog)
{
    return reinterpret_cast<CDialogShowing*>(::GetWindowLongPtrA(hDialog, DWLP_USER));
}

BOOL InitDialog(HWND hDialog, CDialogShowing& showing)
{
    ::SetWindowLongPtrA(hDialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&showing));
    // The dialog manager made the template's font and releases it with the window.
    const SShowingStart start = showing.Begin(hDialog, reinterpret_cast<HFONT>(::SendMessageA(hDialog, WM_GETFONT, 0, 0)));
    if (!start.bRunModalLoop || !start.bSetFocus)
        return FALSE;
    // The dialog manager would give the focus to the first tab stop even where that is an
    // unchecked radio button, which then checks itself: the page's own choice comes first.
    if (start.hFocus != nullptr) {
        ::SendMessageA(hDialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(start.hFocus), TRUE);
        return FALSE;
    }
    return TRUE;
}

INT_PTR CALLBACK DialogProc(HWND hDialog, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_INITDIALOG)
        return InitDialog(hDialog, *reinterpret_cast<CDialogShowing*>(lParam));
    CDialogShowing* pShowing = ShowingOf(hDialog);
    if (pShowing == nullptr)
        return FALSE;

    switch (nMessage) {
    case WM_COMMAND:
        // Buttons (Enter and Escape come as their buttons' clicks) and accelerators are
        // commands; other notifications are not.
        if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == 1)
            pShowing->Command(LOWORD(wParam));
        return TRUE;
    case WM_HELP:
        pShowing->Command(ID_HELP);
        return TRUE;
    case WM_SETCURSOR:
        // The controls pass the question on to their dialog, so the whole page shows it.
        if (::GetPropA(hDialog, s_szWaiting) == nullptr)
            return FALSE;
        ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        ::SetWindowLongPtrA(hDialog, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case WM_DESTROY:
        pShowing->End();
        ::SetWindowLongPtrA(hDialog, DWLP_USER, 0);
        return FALSE;
    default: {
        LRESULT lResult = 0;
        if (!pShowing->Message(nMessage, wParam, lParam, &lResult))
            return FALSE;
        ::SetWindowLongPtrA(hDialog, DWLP_MSGRESULT, lResult);
        return TRUE;
    }
    }
}

} // namespace

bool AfxRunModalDialog(const SDialogTemplate& dialogTemplate, CDialogShowing& showing)
{
    RegisterCommonControls();
    const std::vector<DWORD> dialogTemplateRecord = BuildDialogTemplate(dialogTemplate);
    // The pictures are the program's resources, which the dialog manager loads from it.
    return ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr),
                                     reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplateRecord.data()), nullptr,
                                     &DialogProc, reinterpret_cast<LPARAM>(&showing)) != -1;
}

namespace {

// What the wait lets pass: no keyboard or mouse message of any window, nor the dialog's own
// messages that others post to it (commands, and the private ranges from WM_USER on, where
// the writer's progress lies); whatever keeps the windows alive (painting, timers, other
// windows' messages) is dispatched.
bool PassesTheWait(const MSG& msg, HWND hDialog)
{
    const bool bInput = (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) ||
                        (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) ||
                        (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONDBLCLK);
    const bool bPostedToThePage = msg.hwnd == hDialog && (msg.message == WM_COMMAND || msg.message >= WM_USER);
    return !bInput && !bPostedToThePage;
}

} // namespace

void AfxWaitKeepingAlive(HWND hDialog, HANDLE hObject)
{
    // Every kind of message that Windows 95 knows. The newer headers' QS_ALLINPUT also has
    // QS_RAWINPUT, which came with Windows XP and which the older systems do not know.
    constexpr DWORD dwEveryMessage95 = QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER | QS_PAINT |
                                       QS_SENDMESSAGE | QS_HOTKEY;
    ::SetPropA(hDialog, s_szWaiting, reinterpret_cast<HANDLE>(1));
    ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    bool bQuit = false;
    int nQuitCode = 0;
    for (;;) {
        // Sent messages, such as another program's WM_NULL asking whether we still answer,
        // are handled inside PeekMessage itself.
        MSG msg{};
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                bQuit = true;
                nQuitCode = static_cast<int>(msg.wParam);
            } else if (PassesTheWait(msg, hDialog)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        const DWORD dwWoken = ::MsgWaitForMultipleObjects(1, &hObject, FALSE, INFINITE, dwEveryMessage95);
        if (dwWoken == WAIT_OBJECT_0)
            break;
        if (dwWoken != WAIT_OBJECT_0 + 1) {
            // The wait itself failed: the object is still waited for, if no longer alive.
            ::WaitForSingleObject(hObject, INFINITE);
            break;
        }
    }
    ::RemovePropA(hDialog, s_szWaiting);
    // A quit that came during the wait is for the loop that runs after it.
    if (bQuit)
        ::PostQuitMessage(nQuitCode);
}
