// Control objects a page holds as members and attaches with DDX_Control.
#pragma once

#include "Wnd.h"

class CStatic : public CWnd
{
};

// The pages read their radio buttons through the data exchange; the check is here for the
// tests, which look at a button the way a page could.
class CButton : public CWnd
{
public:
    // 1 when a radio button is selected, 0 otherwise.
    int GetCheck() const;
    void SetCheck(int nCheck);
};

class CProgressCtrl : public CWnd
{
public:
    void SetRange(short nLower, short nUpper);
    // Returns the position before.
    int SetPos(int nPos);
    // The pages only set the bar; the tests read it back.
    void GetRange(int& nLower, int& nUpper) const;
    int GetPos() const;
};
