// What fonts and paint contexts do the same way on every back end: who releases a font,
// and which font object a paint context has selected.
#include "Gdi.h"

#include "BackEnd.h"

CFont::~CFont()
{
    DeleteObject();
    Detach();
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
