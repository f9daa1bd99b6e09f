// The button's check, the same on every back end; the progress bar is each back end's own.
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
