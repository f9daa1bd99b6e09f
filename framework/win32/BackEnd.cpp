// The back end's primitives on the Win32 API: each is the API call of the same meaning.
#include "framework/BackEnd.h"

#include "framework/Wnd.h"

namespace {

// Where a hooked window keeps the window procedure it had before.
const char s_szSuperProc[] = "KorvantSuperProc";

WNDPROC SuperProcOf(HWND hWnd)
{
    return reinterpret_cast<WNDPROC>(::GetPropA(hWnd, s_szSuperProc));
}

// The procedure of every hooked window: the attached object's message map first, then the
// control's own procedure. The object lets go when the window is destroyed, as the last
// message the window ever gets has passed.
LRESULT CALLBACK HookedWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC pfnSuper = SuperProcOf(hWnd);
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (nMessage == WM_NCDESTROY) {
        const LRESULT lResult = ::CallWindowProcA(pfnSuper, hWnd, nMessage, wParam, lParam);
        if (pWnd != nullptr)
            pWnd->UnsubclassWindow();
        return lResult;
    }
    LRESULT lResult = 0;
    if (pWnd != nullptr && pWnd->OnWndMsg(nMessage, wParam, lParam, &lResult))
        return lResult;
    lResult = ::CallWindowProcA(pfnSuper, hWnd, nMessage, wParam, lParam);
    if (nMessage == WM_SETTEXT && pWnd != nullptr) {
        // A control that paints itself leaves its old letters where its new ones do not
        // reach: what lies beneath it (the page, a picture) is drawn afresh first.
        RECT rect{};
        ::GetWindowRect(hWnd, &rect);
        const HWND hParent = ::GetParent(hWnd);
        ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rect), 2);
        ::RedrawWindow(hParent, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    return lResult;
}

} // namespace

void AfxSetWindowText(HWND hWnd, const std::string& strText)
{
    ::SetWindowTextA(hWnd, strText.c_str());
}

std::string AfxGetWindowText(HWND hWnd)
{
    const int nLength = ::GetWindowTextLengthA(hWnd);
    std::string strText(static_cast<std::size_t>(nLength) + 1, '\0');
    const int nCopied = ::GetWindowTextA(hWnd, strText.data(), nLength + 1);
    strText.resize(static_cast<std::size_t>(nCopied > 0 ? nCopied : 0));
    return strText;
}

void AfxGetClientRect(HWND hWnd, RECT* lpRect)
{
    ::GetClientRect(hWnd, lpRect);
}

bool AfxIsWindowEnabled(HWND hWnd)
{
    return ::IsWindowEnabled(hWnd) != FALSE;
}

HWND AfxGetParentDialog(HWND hWnd)
{
    return (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) != 0 ? ::GetParent(hWnd) : nullptr;
}

int AfxGetCheck(HWND hWnd)
{
    return ::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void AfxSetCheck(HWND hWnd, int nCheck)
{
    ::SendMessageA(hWnd, BM_SETCHECK, nCheck != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::vector<SDialogControl> AfxGetDialogControls(HWND hDialog)
{
    // The dialog manager keeps the controls in template order from the top of the Z order.
    std::vector<SDialogControl> controls;
    for (HWND hChild = ::GetWindow(hDialog, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        const auto dwStyle = static_cast<DWORD>(::GetWindowLongA(hChild, GWL_STYLE));
        const bool bRadio = (::SendMessageA(hChild, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
        controls.push_back({hChild, static_cast<int>(static_cast<short>(::GetDlgCtrlID(hChild))), dwStyle, bRadio});
    }
    return controls;
}

HWND AfxGetDlgItem(HWND hDialog, int nID)
{
    return ::GetDlgItem(hDialog, nID);
}

void AfxHookWindow(CWnd& wnd)
{
    const HWND hWnd = wnd.m_hWnd;
    const auto pfnSuper = ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookedWindowProc));
    ::SetPropA(hWnd, s_szSuperProc, reinterpret_cast<HANDLE>(pfnSuper));
}

void AfxUnhookWindow(CWnd& wnd)
{
    const HWND hWnd = wnd.m_hWnd;
    if (const WNDPROC pfnSuper = SuperProcOf(hWnd)) {
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnSuper));
        ::RemovePropA(hWnd, s_szSuperProc);
    }
}

void AfxPostDialogMessage(HWND hDialog, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    ::PostMessageA(hDialog, nMessage, wParam, lParam);
}

void AfxEndDialog(HWND hDialog, int nResult)
{
    ::EndDialog(hDialog, nResult);
}

void AfxBringWindowToTop(HWND hWnd)
{
    ::BringWindowToTop(hWnd);
}
