// Control objects a page holds as members and attaches with DDX_Control.
#pragma once

#include "Wnd.h"

class CStatic : public CWnd
{
};

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
    void GetRange(int& nLower, int& nUpper) const;
    // Returns the position before.
    int SetPos(int nPos);
    int GetPos() const;
};
