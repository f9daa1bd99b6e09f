// The progress bar on the Win32 API: the common controls' msctls_progress32.
#include "framework/BackEnd.h"

#include <commctrl.h>

void AfxSetProgressRange(HWND hWnd, short nLower, short nUpper)
{
    ::SendMessageA(hWnd, PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
}

void AfxGetProgressRange(HWND hWnd, int& nLower, int& nUpper)
{
    PBRANGE range{};
    ::SendMessageA(hWnd, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    nLower = range.iLow;
    nUpper = range.iHigh;
}

int AfxSetProgressPos(HWND hWnd, int nPos)
{
    return static_cast<int>(::SendMessageA(hWnd, PBM_SETPOS, static_cast<WPARAM>(nPos), 0));
}

int AfxGetProgressPos(HWND hWnd)
{
    return static_cast<int>(::SendMessageA(hWnd, PBM_GETPOS, 0, 0));
}
