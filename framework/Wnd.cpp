// The window object's toolkit-free part: the permanent map from windows to the objects
// attached to them, and what a window object does in terms of its back end's primitives.
#include "Wnd.h"

#include "BackEnd.h"

#include <map>

namespace {

// Only the thread that runs the pages touches windows and this map.
std::map<HWND, CWnd*>& PermanentMap()
{
    static std::map<HWND, CWnd*> s_map;
    return s_map;
}

} // namespace

CWnd::~CWnd()
{
    UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    const auto it = PermanentMap().find(hWnd);
    return it != PermanentMap().end() ? it->second : nullptr;
}

void CWnd::Attach(HWND hWnd)
{
    m_hWnd = hWnd;
    if (hWnd != nullptr)
        PermanentMap()[hWnd] = this;
}

HWND CWnd::Detach()
{
    const HWND hWnd = m_hWnd;
    if (hWnd != nullptr && FromHandlePermanent(hWnd) == this)
        PermanentMap().erase(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

void CWnd::SetWindowText(const std::string& strText)
{
    if (m_hWnd != nullptr)
        AfxSetWindowText(m_hWnd, strText);
}

void CWnd::GetWindowText(std::string& rString) const
{
    rString = m_hWnd != nullptr ? AfxGetWindowText(m_hWnd) : std::string();
}

void CWnd::GetClientRect(RECT* lpRect) const
{
    if (lpRect == nullptr)
        return;
    *lpRect = CRect();
    if (m_hWnd != nullptr)
        AfxGetClientRect(m_hWnd, lpRect);
}

BOOL CWnd::IsWindowEnabled() const
{
    return m_hWnd != nullptr && AfxIsWindowEnabled(m_hWnd) ? TRUE : FALSE;
}

CWnd* CWnd::GetParent() const
{
    const HWND hDialog = m_hWnd != nullptr ? AfxGetParentDialog(m_hWnd) : nullptr;
    return hDialog != nullptr ? FromHandlePermanent(hDialog) : nullptr;
}

CFont* CWnd::GetFont() const
{
    CWnd* pParent = GetParent();
    return pParent != nullptr ? pParent->GetFont() : nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (m_hWnd != nullptr || hWnd == nullptr || FromHandlePermanent(hWnd) != nullptr)
        return FALSE;
    Attach(hWnd);
    AfxHookWindow(*this);
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    // A temporary object (see CDialog::GetDlgItem) holds a window it never hooked.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        AfxUnhookWindow(*this);
    return Detach();
}

bool CWnd::OnWndMsg(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return OnCmdMsg(nMessage, 0, wParam, lParam, pResult);
}
