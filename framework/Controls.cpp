// The control objects, the same on every back end: a button's check and a progress bar's
// range and position, on the control the object stands for now.
#include "Controls.h"

#include "BackEnd.h"

int CButton::GetCheck() const
{
    return m_hWnd != nullptr ? AfxGetCheck(m_hWnd) : 0;
}

void CButton::SetCheck(int nCheck)
{
    if (m_hWnd != nullptr)
        AfxSetCheck(m_hWnd, nCheck);
}

void CProgressCtrl::SetRange(short nLower, short nUpper)
{
    if (m_hWnd != nullptr)
        AfxSetProgressRange(m_hWnd, nLower, nUpper);
}

int CProgressCtrl::SetPos(int nPos)
{
    return m_hWnd != nullptr ? AfxSetProgressPos(m_hWnd, nPos) : 0;
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const
{
    nLower = 0;
    nUpper = 0;
    if (m_hWnd != nullptr)
        AfxGetProgressRange(m_hWnd, nLower, nUpper);
}

int CProgressCtrl::GetPos() const
{
    return m_hWnd != nullptr ? AfxGetProgressPos(m_hWnd) : 0;
}
