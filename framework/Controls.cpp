#include "Controls.h"

#include <QAbstractButton>
#include <QProgressBar>

int CButton::GetCheck() const
{
    const auto* pButton = qobject_cast<const QAbstractButton*>(GetWidget());
    return pButton != nullptr && pButton->isChecked() ? 1 : 0;
}

void CButton::SetCheck(int nCheck)
{
    if (auto* pButton = qobject_cast<QAbstractButton*>(GetWidget()))
        pButton->setChecked(nCheck != 0);
}

void CProgressCtrl::SetRange(short nLower, short nUpper)
{
    if (auto* pBar = qobject_cast<QProgressBar*>(GetWidget()))
        pBar->setRange(nLower, nUpper);
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const
{
    const auto* pBar = qobject_cast<const QProgressBar*>(GetWidget());
    nLower = pBar != nullptr ? pBar->minimum() : 0;
    nUpper = pBar != nullptr ? pBar->maximum() : 0;
}

int CProgressCtrl::SetPos(int nPos)
{
    auto* pBar = qobject_cast<QProgressBar*>(GetWidget());
    if (pBar == nullptr)
        return 0;
    const int nOld = pBar->value();
    pBar->setValue(nPos);
    return nOld;
}

int CProgressCtrl::GetPos() const
{
    const auto* pBar = qobject_cast<const QProgressBar*>(GetWidget());
    return pBar != nullptr ? pBar->value() : 0;
}
