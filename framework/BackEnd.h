// Everything a back end (framework/qt, framework/win32) supplies beneath the shared classes:
// the primitives on windows, dialogs, fonts, painting, controls and the start-up that the
// toolkit and the Win32 API each do their own way. A back end defines these functions and
// nothing else of the framework's. What the shared code offers it in return is a page's
// showing (DialogShowing.h), the grouping of controls (ControlGroups.h) and the window
// objects' public calls. Pages and the program never include this.
#pragma once

#include "WinDefs.h"

#include <string>
#include <vector>

class CDialogShowing;
class CWnd;
struct SDialogTemplate;

// --- Windows ---

// The window text, in the system's multi-byte code page.
void AfxSetWindowText(HWND hWnd, const std::string& strText);
std::string AfxGetWindowText(HWND hWnd);
void AfxGetClientRect(HWND hWnd, RECT* lpRect);
bool AfxIsWindowEnabled(HWND hWnd);
// The dialog window a control stands on; nullptr for a dialog itself.
HWND AfxGetParentDialog(HWND hWnd);
void AfxBringWindowToTop(HWND hWnd);

// From now on the messages of the object's window reach the object (CWnd::OnWndMsg) first,
// and the object lets go of the window when the window is destroyed (CWnd::UnsubclassWindow).
void AfxHookWindow(CWnd& wnd);
// Undoes AfxHookWindow while the window still exists.
void AfxUnhookWindow(CWnd& wnd);

// --- Dialogs ---

// Makes the dialog's window from the template, tells the showing of the window's life
// (Begin, each command and message, End) and runs the modal loop between Begin and End
// unless Begin returns false. false when no window could be made; then nothing was told.
bool AfxRunModalDialog(const SDialogTemplate& dialogTemplate, CDialogShowing& showing);
// Ends the modal loop of the dialog window with this result.
void AfxEndDialog(HWND hDialog, int nResult);
// Queues a message for a dialog window; safe from any thread while the window exists. The
// showing is told of it as a command (WM_COMMAND) or a message.
void AfxPostDialogMessage(HWND hDialog, UINT nMessage, WPARAM wParam, LPARAM lParam);
// Returns once hObject is signalled, however long that takes, while the dialog window stays
// alive: the window system's events are served (painting, its pings, the messages other
// programs send), the wait cursor shows, keyboard and mouse input is dropped, and so is
// whatever was queued for the dialog itself, which would have gone with its window anyway.
void AfxWaitKeepingAlive(HWND hDialog, HANDLE hObject);
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

// --- Controls ---

// A radio button's or check box's state: 1 checked, 0 not. Setting 0 clears a radio button
// even when it is the last checked one of its group, as BM_SETCHECK does.
int AfxGetCheck(HWND hWnd);
void AfxSetCheck(HWND hWnd, int nCheck);

// A progress bar's range and position; setting the position returns the one before.
void AfxSetProgressRange(HWND hWnd, short nLower, short nUpper);
void AfxGetProgressRange(HWND hWnd, int& nLower, int& nUpper);
int AfxSetProgressPos(HWND hWnd, int nPos);
int AfxGetProgressPos(HWND hWnd);

// --- Fonts and painting ---

// The font this description asks for; nullptr when none can be made.
HFONT AfxCreateFont(const LOGFONT& logFont);
// Copies the description the font was made from; returns its size, 0 when it has none.
int AfxGetLogFont(HFONT hFont, LOGFONT* pLogFont);
void AfxDeleteFont(HFONT hFont);
// Selects the font into the context; returns the font it had before, nullptr when the font
// cannot be selected.
HFONT AfxSelectFont(HDC hDC, HFONT hFont);
// The background mode (TRANSPARENT or OPAQUE); returns the mode before.
int AfxSetBkMode(HDC hDC, int nBkMode);
// DrawText's meaning of the format (see CDC::DrawText); returns the height of the text drawn.
int AfxDrawText(HDC hDC, const std::string& strText, RECT* lpRect, UINT nFormat);
// A paint of the window's own area, from the begin to the end.
HDC AfxBeginPaint(HWND hWnd, PAINTSTRUCT* pPaint);
void AfxEndPaint(HWND hWnd, const PAINTSTRUCT* pPaint);

// --- The application ---

// Prepares the window system for the application of this name; false, with one line for
// the user, when there is no window system to show pages on.
bool AfxStartWindowSystem(int argc, char* argv[], const char* pszAppName);
// Runs the application's message loop until the application is told to quit.
void AfxRunMessageLoop();
// Lets go of the window system again, after the application's last step.
void AfxEndWindowSystem();
// The classic three-dimensional look for the controls; false when it is not available.
bool AfxEnable3dControls();
