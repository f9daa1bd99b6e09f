// The data exchange's rules, the same on every back end: which control an id names, which
// buttons make a radio group, what -1 means for it, and which way each exchange goes.
#include "DataExchange.h"

#include "BackEnd.h"
#include "Dialog.h"

BOOL CUserException::GetErrorMessage(char* lpszError, UINT nMaxError) const
{
    return CopyMessage("The data exchange failed.", lpszError, nMaxError);
}

CDataExchange::CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    const HWND hDialog = m_pDlgWnd->m_hWnd;
    const HWND hCtrl = hDialog != nullptr ? AfxGetDlgItem(hDialog, nIDC) : nullptr;
    if (hCtrl == nullptr)
        Fail();
    return hCtrl;
}

std::vector<HWND> CDataExchange::RadioGroup(int nIDC)
{
    const HWND hDialog = m_pDlgWnd->m_hWnd;
    if (hDialog == nullptr)
        Fail();
    // The group is the control with the id and those after it up to the next WS_GROUP.
    std::vector<HWND> radios;
    bool bInGroup = false;
    for (const SDialogControl& control : AfxGetDialogControls(hDialog)) {
        if (!bInGroup)
            bInGroup = control.nID == nIDC;
        else if ((control.dwStyle & WS_GROUP) != 0)
            break;
        if (bInGroup && control.bRadioButton)
            radios.push_back(control.hWnd);
    }
    if (radios.empty())
        Fail();
    return radios;
}

void CDataExchange::Fail()
{
    throw new CUserException;
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd == nullptr)
        rControl.SubclassWindow(pDX->PrepareCtrl(nIDC));
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value)
{
    const HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = AfxGetWindowText(hCtrl);
    else
        AfxSetWindowText(hCtrl, value);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    const std::vector<HWND> radios = pDX->RadioGroup(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (std::size_t i = 0; i < radios.size(); ++i)
            if (AfxGetCheck(radios[i]) != 0)
                value = static_cast<int>(i);
        return;
    }
    // -1 (or any index outside the group) leaves every button of the group cleared.
    for (std::size_t i = 0; i < radios.size(); ++i)
        AfxSetCheck(radios[i], static_cast<int>(i) == value ? 1 : 0);
}
