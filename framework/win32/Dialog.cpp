// A showing of a dialog on the Win32 API: the dialog manager makes the window from the
// template in memory and runs the modal loop; the dialog procedure hands the page its
// messages through the message maps.
#include "framework/Dialog.h"

#include "DialogTemplateBuilder.h"
#include "framework/BackEnd.h"

#include <commctrl.h>

#include <cstring>

class CDialogBackEnd
{
public:
    static INT_PTR CALLBACK DialogProc(HWND hDialog, UINT nMessage, WPARAM wParam, LPARAM lParam);

private:
    static CDialog* PageOf(HWND hDialog)
    {
        return reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hDialog, DWLP_USER));
    }
    static BOOL InitDialog(HWND hDialog, CDialog& page);
};

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

} // namespace

int CDialog::DoModal()
{
    const SDialogTemplate* pTemplate = FindDialogTemplate(m_nIDTemplate);
    if (pTemplate == nullptr || m_hWnd != nullptr)
        return -1;
    RegisterCommonControls();
    const std::vector<DWORD> dialogTemplate = BuildDialogTemplate(*pTemplate);
    m_nModalResult = -1;
    // The pictures are the program's resources, which the dialog manager loads from it.
    ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(dialogTemplate.data()),
                              nullptr, &CDialogBackEnd::DialogProc, reinterpret_cast<LPARAM>(this));
    return m_nModalResult;
}

BOOL CDialogBackEnd::InitDialog(HWND hDialog, CDialog& page)
{
    ::SetWindowLongPtrA(hDialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&page));
    page.BeginShowing(hDialog);
    // The dialog manager made the template's font; the page only borrows it.
    page.m_font.Attach(reinterpret_cast<HFONT>(::SendMessageA(hDialog, WM_GETFONT, 0, 0)));
    if (!page.OnInitDialog() || page.m_bEnded)
        return FALSE;
    // The dialog manager would give the focus to the first tab stop even where that is an
    // unchecked radio button, which then checks itself: the page's own choice comes first.
    if (const HWND hFocus = AfxInitialFocus(hDialog)) {
        ::SendMessageA(hDialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hFocus), TRUE);
        return FALSE;
    }
    return TRUE;
}

INT_PTR CALLBACK CDialogBackEnd::DialogProc(HWND hDialog, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_INITDIALOG)
        return InitDialog(hDialog, *reinterpret_cast<CDialog*>(lParam));
    CDialog* pPage = PageOf(hDialog);
    if (pPage == nullptr)
        return FALSE;

    switch (nMessage) {
    case WM_COMMAND:
        // Buttons (Enter and Escape come as their buttons' clicks) and accelerators are
        // commands; other notifications are not.
        if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == 1)
            pPage->OnCommand(LOWORD(wParam));
        return TRUE;
    case WM_HELP:
        pPage->OnCommand(ID_HELP);
        return TRUE;
    case WM_DESTROY:
        pPage->m_font.Detach();
        pPage->EndShowing();
        ::SetWindowLongPtrA(hDialog, DWLP_USER, 0);
        return FALSE;
    default: {
        LRESULT lResult = 0;
        if (!pPage->RouteMessage(nMessage, wParam, lParam, &lResult))
            return FALSE;
        ::SetWindowLongPtrA(hDialog, DWLP_MSGRESULT, lResult);
        return TRUE;
    }
    }
}
