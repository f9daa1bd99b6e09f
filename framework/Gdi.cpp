// Fonts and paint contexts, the same on every back end: who releases a font, which font
// object a paint context has selected, and the paint of a window from its begin to its end.
#include "Gdi.h"

#include "BackEnd.h"
#include "Wnd.h"

CFont::~CFont()
{
    DeleteObject();
    Detach();
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    if (lpLogFont == nullptr)
        return FALSE;
    DeleteObject();
    m_hObject = AfxCreateFont(*lpLogFont);
    m_bOwned = m_hObject != nullptr;
    return m_bOwned ? TRUE : FALSE;
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    if (m_hObject == nullptr || pLogFont == nullptr)
        return 0;
    return AfxGetLogFont(m_hObject, pLogFont);
}

BOOL CFont::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    // A font that someone else made is only let go of.
    if (m_bOwned)
        AfxDeleteFont(m_hObject);
    m_hObject = nullptr;
    m_bOwned = false;
    return TRUE;
}

void CFont::Attach(HFONT hFont)
{
    DeleteObject();
    m_hObject = hFont;
    m_bOwned = false;
}

HFONT CFont::Detach()
{
    const HFONT hFont = m_hObject;
    m_hObject = nullptr;
    m_bOwned = false;
    return hFont;
}

CFont* CDC::SelectObject(CFont* pFont)
{
    if (pFont == nullptr || pFont->m_hObject == nullptr)
        return nullptr;
    const HFONT hBefore = AfxSelectFont(m_hDC, pFont->m_hObject);
    if (hBefore == nullptr)
        return nullptr;
    CFont* pBefore = m_pFont;
    if (pBefore == nullptr) {
        // A font deleted while still selected is never freed on the 95 family: the caller
        // must be able to select the context's own font again before the paint ends.
        m_fontBefore.Attach(hBefore);
        pBefore = &m_fontBefore;
    }
    m_pFont = pFont;
    return pBefore;
}

int CDC::SetBkMode(int nBkMode)
{
    return AfxSetBkMode(m_hDC, nBkMode);
}

int CDC::DrawText(const std::string& strText, RECT* lpRect, UINT nFormat)
{
    if (lpRect == nullptr)
        return 0;
    return AfxDrawText(m_hDC, strText, lpRect, nFormat);
}

CPaintDC::CPaintDC(CWnd* pWnd)
    : m_hWnd(pWnd->m_hWnd)
{
    m_hDC = AfxBeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    AfxEndPaint(m_hWnd, &m_ps);
}
