// Fonts and painting on the Win32 API: GDI fonts, and a paint context between BeginPaint
// and EndPaint.
#include "framework/BackEnd.h"

HFONT AfxCreateFont(const LOGFONT& logFont)
{
    return ::CreateFontIndirectA(&logFont);
}

int AfxGetLogFont(HFONT hFont, LOGFONT* pLogFont)
{
    return ::GetObjectA(hFont, sizeof(LOGFONT), pLogFont);
}

void AfxDeleteFont(HFONT hFont)
{
    ::DeleteObject(hFont);
}

HFONT AfxSelectFont(HDC hDC, HFONT hFont)
{
    return static_cast<HFONT>(::SelectObject(hDC, hFont));
}

int AfxSetBkMode(HDC hDC, int nBkMode)
{
    return ::SetBkMode(hDC, nBkMode);
}

int AfxDrawText(HDC hDC, const std::string& strText, RECT* lpRect, UINT nFormat)
{
    return ::DrawTextA(hDC, strText.c_str(), static_cast<int>(strText.size()), lpRect, nFormat);
}

HDC AfxBeginPaint(HWND hWnd, PAINTSTRUCT* pPaint)
{
    return ::BeginPaint(hWnd, pPaint);
}

void AfxEndPaint(HWND hWnd, const PAINTSTRUCT* pPaint)
{
    ::EndPaint(hWnd, pPaint);
}
