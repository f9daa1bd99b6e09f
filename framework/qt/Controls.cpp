// The progress bar on the toolkit: the bar widget's range and value.
#include "framework/BackEnd.h"

#include "QtHandles.h"

#include <QProgressBar>

namespace {

QProgressBar* BarOf(HWND hWnd)
{
    return qobject_cast<QProgressBar*>(WidgetOf(hWnd));
}

} // namespace

void AfxSetProgressRange(HWND hWnd, short nLower, short nUpper)
{
    if (QProgressBar* pBar = BarOf(hWnd))
        pBar->setRange(nLower, nUpper);
}

void AfxGetProgressRange(HWND hWnd, int& nLower, int& nUpper)
{
    if (const QProgressBar* pBar = BarOf(hWnd)) {
        nLower = pBar->minimum();
        nUpper = pBar->maximum();
    }
}

int AfxSetProgressPos(HWND hWnd, int nPos)
{
    QProgressBar* pBar = BarOf(hWnd);
    if (pBar == nullptr)
        return 0;
    const int nOld = pBar->value();
    pBar->setValue(nPos);
    return nOld;
}

int AfxGetProgressPos(HWND hWnd)
{
    const QProgressBar* pBar = BarOf(hWnd);
    return pBar != nullptr ? pBar->value() : 0;
}
