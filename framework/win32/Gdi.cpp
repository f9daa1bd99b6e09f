// Fonts and painting on the Win32 API: GDI fonts, and a paint context between BeginPaint
// and EndPaint.
#include "framework/Gdi.h"

#include "framework/Wnd.h"

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    if (lpLogFont == nullptr)
        return FALSE;
    DeleteObject();
    m_hObject = ::CreateFontIndirectA(lpLogFont);
    m_bOwned = m_hObject != nullptr;
    return m_bOwned ? TRUE : FALSE;
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    if (m_hObject == nullptr || pLogFont == nullptr)
        return 0;
    return ::GetObjectA(m_hObject, sizeof(LOGFONT), pLogFont);
}

int CDC::SetBkMode(int nBkMode)
{
    return ::SetBkMode(m_hDC, nBkMode);
}

int CDC::DrawText(const std::string& strText, RECT* lpRect, UINT nFormat)
{
    if (lpRect == nullptr)
        return 0;
    return ::DrawTextA(m_hDC, strText.c_str(), static_cast<int>(strText.size()), lpRect, nFormat);
}

CPaintDC::CPaintDC(CWnd* pWnd)
    : m_hWnd(pWnd->m_hWnd)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
}
