// Data exchange between a page's fields and its controls, in either direction.
#pragma once

#include "WinDefs.h"
#include "framework/core/Exception.h"

#include <string>
#include <vector>

class CWnd;

// Thrown (as a pointer) by a failed exchange; UpdateData catches it and reports FALSE.
class CUserException : public CException
{
public:
    BOOL GetErrorMessage(char* lpszError, UINT nMaxError) const override;
};

class CDataExchange
{
public:
    // The exchange of the dialog window that pDlgWnd stands for.
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // The control with this id in the current showing; fails the exchange if there is none.
    HWND PrepareCtrl(int nIDC);
    // The radio buttons of the group that begins at nIDC, in order; fails if there are none.
    std::vector<HWND> RadioGroup(int nIDC);
    [[noreturn]] void Fail();

    const BOOL m_bSaveAndValidate;  // TRUE: controls into fields
    CWnd* const m_pDlgWnd;
};

// Attaches the control object to the control for this showing (only if it has no window).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The control's window text and the string.
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
// The radio group that begins at nIDC and the index of its selected button; -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
