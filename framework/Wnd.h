// A window object: stands for one window at a time. Page objects and the control objects
// they hold live across showings; each showing attaches them to that showing's windows.
#pragma once

#include "CmdTarget.h"

#include <string>

class CFont;

class CWnd : public CCmdTarget
{
public:
    CWnd() = default;
    ~CWnd() override;

    // The window this object stands for now; nullptr while it has none.
    HWND m_hWnd = nullptr;

    // The object attached to this window (by SubclassWindow, or a dialog to its own window);
    // nullptr for a window that has none.
    static CWnd* FromHandlePermanent(HWND hWnd);

    void SetWindowText(const std::string& strText);
    void GetWindowText(std::string& rString) const;
    void GetClientRect(RECT* lpRect) const;
    BOOL IsWindowEnabled() const;

    // The dialog a control stands on; nullptr for a dialog or a window without one.
    virtual CWnd* GetParent() const;
    // The font the window draws with (WM_GETFONT): a control answers with its dialog's.
    virtual CFont* GetFont() const;

    // Attaches this object to a control window, so that the window's messages reach this
    // object's message map first, until the window is destroyed or the object lets go.
    // FALSE if the object already has a window or the window already has an object.
    BOOL SubclassWindow(HWND hWnd);
    // Comes loose from the window and returns it.
    HWND UnsubclassWindow();

    // Runs this object's handler for a message of its window; false when it has none.
    bool OnWndMsg(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

protected:
    // Enters this object in the permanent map for the window without hooking its messages:
    // how a dialog object takes the window the back end made for it.
    void Attach(HWND hWnd);
    // Leaves the permanent map; the object has no window afterwards.
    HWND Detach();
};
