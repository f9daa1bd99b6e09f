// The data exchange's rules, the same on every back end: which control an id names, which
// buttons make a radio group, what -1 means for it, and which way each exchange goes.
#include "DataExchange.h"

#include "BackEnd.h"
#include "ControlGroups.h"
#include "Wnd.h"

#include <algorithm>

BOOL CUserException::GetErrorMessage(char* lpszError, UINT nMaxError) const
{
    return CopyMessage("The data exchange failed.", lpszError, nMaxError);
}

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
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
    // The control with the id and those after it in its group.
    const std::vector<SDialogControl> controls = AfxGetDialogControls(hDialog);
    const std::vector<int> groups = ControlGroups(controls);
    const auto nFirst = static_cast<std::size_t>(
        std::find_if(controls.begin(), controls.end(), [nIDC](const SDialogControl& control) { return control.nID == nIDC; })
        - controls.begin());
    std::vector<HWND> radios;
    for (std::size_t i = nFirst; i < controls.size() && groups[i] == groups[nFirst]; ++i)
        if (controls[i].bRadioButton)
            radios.push_back(controls[i].hWnd);
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
