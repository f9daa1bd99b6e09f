// The progress bar on the toolkit: the bar widget's range and value.
#include "framework/Controls.h"

#include "QtHandles.h"

#include <QProgressBar>

void CProgressCtrl::SetRange(short nLower, short nUpper)
{
    if (auto* pBar = qobject_cast<QProgressBar*>(WidgetOf(m_hWnd)))
        pBar->setRange(nLower, nUpper);
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const
{
    const auto* pBar = qobject_cast<const QProgressBar*>(WidgetOf(m_hWnd));
    nLower = pBar != nullptr ? pBar->minimum() : 0;
    nUpper = pBar != nullptr ? pBar->maximum() : 0;
}

int CProgressCtrl::SetPos(int nPos)
{
    auto* pBar = qobject_cast<QProgressBar*>(WidgetOf(m_hWnd));
    if (pBar == nullptr)
        return 0;
    const int nOld = pBar->value();
    pBar->setValue(nPos);
    return nOld;
}

int CProgressCtrl::GetPos() const
{
    const auto* pBar = qobject_cast<const QProgressBar*>(WidgetOf(m_hWnd));
    return pBar != nullptr ? pBar->value() : 0;
}
