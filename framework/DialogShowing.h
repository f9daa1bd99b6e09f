// What the shared dialog offers its back end: one showing of a page, which the back end tells
// of its window's life, and the page's answers to it.
#pragma once

#include "WinDefs.h"

// What the page asks of the back end once its window is up.
struct SShowingStart
{
    bool bRunModalLoop;  // false: the page ended while it was being set up
    bool bSetFocus;      // false: the page has placed the focus itself, or cannot have it
    HWND hFocus;         // where the focus goes; nullptr leaves the choice to the system
};

class CDialogShowing
{
public:
    // The window exists, in the font the back end made or borrowed for it and keeps until
    // End: the page takes both and sets its controls up.
    virtual SShowingStart Begin(HWND hDialog, HFONT hFont) = 0;
    // A command from a button, a key or a posted WM_COMMAND.
    virtual void Command(UINT nID) = 0;
    // Any other message for the window, posted ones included; false when no handler ran,
    // and the window's default processing takes it.
    virtual bool Message(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult) = 0;
    // The window is about to go: the page lets go of it and of its font.
    virtual void End() = 0;

protected:
    ~CDialogShowing() = default;
};
