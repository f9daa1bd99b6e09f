// What each back end (framework/qt, framework/win32) does beneath the shared classes: the
// few primitives on windows that the toolkit and the Win32 API each do their own way. The
// shared code is written against these alone; pages and the program never include this.
#pragma once

#include "WinDefs.h"

#include <string>
#include <vector>

class CWinApp;
class CWnd;

// The window text, in the system's multi-byte code page.
void AfxSetWindowText(HWND hWnd, const std::string& strText);
std::string AfxGetWindowText(HWND hWnd);
void AfxGetClientRect(HWND hWnd, RECT* lpRect);
void AfxEnableWindow(HWND hWnd, BOOL bEnable);
bool AfxIsWindowEnabled(HWND hWnd);
// The dialog window a control stands on; nullptr for a dialog itself.
HWND AfxGetParentDialog(HWND hWnd);

// A radio button's or check box's state: 1 checked, 0 not. Setting 0 clears a radio button
// even when it is the last checked one of its group, as BM_SETCHECK does.
int AfxGetCheck(HWND hWnd);
void AfxSetCheck(HWND hWnd, int nCheck);

// One control of a dialog as its template made it.
struct SDialogControl
{
    HWND hWnd;
    int nID;
    DWORD dwStyle;  // the template's style: WS_GROUP, WS_TABSTOP and the control's type
    bool bRadioButton;
};
// The dialog's controls in template order, which is their tab order.
std::vector<SDialogControl> AfxGetDialogControls(HWND hDialog);
// The first control with this id, or nullptr.
HWND AfxGetDlgItem(HWND hDialog, int nID);

// From now on the messages of the object's window reach its message map first, and the
// object lets go of the window when the window is destroyed (CWnd::UnsubclassWindow).
void AfxHookWindow(CWnd& wnd);
// Undoes AfxHookWindow while the window still exists.
void AfxUnhookWindow(CWnd& wnd);

// Queues a message for a dialog window; safe from any thread while the window exists.
void AfxPostDialogMessage(HWND hDialog, UINT nMessage, WPARAM wParam, LPARAM lParam);
// Ends the modal loop of the dialog window with this result.
void AfxEndDialog(HWND hDialog, int nResult);
void AfxBringWindowToTop(HWND hWnd);

// Fonts and paint contexts.
void AfxDeleteFont(HFONT hFont);
// Selects the font into the context; returns the font it had before, nullptr when the font
// cannot be selected.
HFONT AfxSelectFont(HDC hDC, HFONT hFont);

// The control that has the focus when a page opens: the first enabled tab stop, and inside
// a radio group its checked button, where tabbing into the group lands too. Shared logic;
// nullptr when no control can take the focus.
HWND AfxInitialFocus(HWND hDialog);

// Gives the application the name it goes by, if it has none: its title from the string
// table, else the name of its program file. Shared logic for the start-ups.
void AfxNameApplication(CWinApp& app);
