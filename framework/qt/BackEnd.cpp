// The back end's primitives on the toolkit: window handles are widgets, and each primitive
// is the widget call that does what the Win32 API call of the same name does.
#include "framework/BackEnd.h"

#include "ControlWidgets.h"
#include "DialogWindow.h"
#include "QtHandles.h"
#include "framework/Wnd.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

QWidget* WidgetOf(const CWnd* pWnd)
{
    return pWnd != nullptr ? WidgetOf(pWnd->m_hWnd) : nullptr;
}

QString GetWidgetText(const QWidget* pWidget)
{
    if (pWidget == nullptr)
        return {};
    if (const auto* pLabel = qobject_cast<const QLabel*>(pWidget))
        return pLabel->text();
    if (const auto* pButton = qobject_cast<const QAbstractButton*>(pWidget))
        return pButton->text();
    if (const auto* pGroup = qobject_cast<const QGroupBox*>(pWidget))
        return pGroup->title();
    return pWidget->windowTitle();
}

void SetWidgetText(QWidget* pWidget, const QString& strText)
{
    if (pWidget == nullptr)
        return;
    if (auto* pStatic = dynamic_cast<CStaticTextWidget*>(pWidget)) {
        pStatic->SetText(strText);
    } else if (auto* pLabel = qobject_cast<QLabel*>(pWidget)) {
        pLabel->setText(strText);
    } else if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget)) {
        pButton->setText(strText);
    } else if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget)) {
        pGroup->setTitle(strText);
    } else {
        pWidget->setWindowTitle(strText);
    }
}

void AfxSetWindowText(HWND hWnd, const std::string& strText)
{
    SetWidgetText(WidgetOf(hWnd), QString::fromLocal8Bit(strText.data(), static_cast<qsizetype>(strText.size())));
}

std::string AfxGetWindowText(HWND hWnd)
{
    return GetWidgetText(WidgetOf(hWnd)).toLocal8Bit().toStdString();
}

void AfxGetClientRect(HWND hWnd, RECT* lpRect)
{
    const QRect rect = WidgetOf(hWnd)->rect();
    *lpRect = CRect(0, 0, rect.width(), rect.height());
}

bool AfxIsWindowEnabled(HWND hWnd)
{
    return WidgetOf(hWnd)->isEnabled();
}

HWND AfxGetParentDialog(HWND hWnd)
{
    QWidget* pWidget = WidgetOf(hWnd);
    auto* pWindow = dynamic_cast<CDialogWindow*>(pWidget->window());
    return pWindow != nullptr && pWindow != pWidget ? HandleOf(pWindow) : nullptr;
}

int AfxGetCheck(HWND hWnd)
{
    const auto* pButton = qobject_cast<const QAbstractButton*>(WidgetOf(hWnd));
    return pButton != nullptr && pButton->isChecked() ? 1 : 0;
}

void AfxSetCheck(HWND hWnd, int nCheck)
{
    auto* pButton = qobject_cast<QAbstractButton*>(WidgetOf(hWnd));
    if (pButton == nullptr)
        return;
    // An exclusive group never lets its last checked button go; the system's radio buttons do.
    QButtonGroup* pGroup = pButton->group();
    const bool bHoldsOn = nCheck == 0 && pGroup != nullptr && pGroup->exclusive();
    if (bHoldsOn)
        pGroup->setExclusive(false);
    pButton->setChecked(nCheck != 0);
    if (bHoldsOn)
        pGroup->setExclusive(true);
}

std::vector<SDialogControl> AfxGetDialogControls(HWND hDialog)
{
    std::vector<SDialogControl> controls;
    if (const auto* pWindow = dynamic_cast<const CDialogWindow*>(WidgetOf(hDialog)))
        for (const CDialogWindow::SItem& item : pWindow->Items())
            controls.push_back({HandleOf(item.pWidget), item.pTemplate->nID, item.pTemplate->dwStyle,
                                qobject_cast<QRadioButton*>(item.pWidget) != nullptr});
    return controls;
}

HWND AfxGetDlgItem(HWND hDialog, int nID)
{
    const auto* pWindow = dynamic_cast<const CDialogWindow*>(WidgetOf(hDialog));
    return pWindow != nullptr ? HandleOf(pWindow->Item(nID)) : nullptr;
}

namespace {

// What a hooked window procedure is on the Win32 API: the attached object sees the widget's
// messages before the widget does. Of the toolkit's events only painting has a message the
// pages handle (WM_PAINT); a handler that ran stands for the widget's own painting.
class CHookedWidgets : public QObject
{
public:
    static CHookedWidgets& Filter()
    {
        static CHookedWidgets s_filter;
        return s_filter;
    }

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (pEvent->type() != QEvent::Paint)
            return false;
        CWnd* pAttached = CWnd::FromHandlePermanent(HandleOf(static_cast<QWidget*>(pObject)));
        return pAttached != nullptr && pAttached->OnWndMsg(WM_PAINT, 0, 0, nullptr);
    }
};

} // namespace

void AfxHookWindow(CWnd& wnd)
{
    // Once the widget is gone, whatever object is attached to it then lets go.
    const HWND hWnd = wnd.m_hWnd;
    QWidget* pWidget = WidgetOf(hWnd);
    pWidget->installEventFilter(&CHookedWidgets::Filter());
    QObject::connect(pWidget, &QObject::destroyed, [hWnd] {
        if (CWnd* pAttached = CWnd::FromHandlePermanent(hWnd))
            pAttached->UnsubclassWindow();
    });
}

void AfxUnhookWindow(CWnd& wnd)
{
    WidgetOf(wnd.m_hWnd)->removeEventFilter(&CHookedWidgets::Filter());
}

void AfxPostDialogMessage(HWND hDialog, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    QCoreApplication::postEvent(WidgetOf(hDialog), new CPostedMessageEvent(nMessage, wParam, lParam));
}

void AfxEndDialog(HWND hDialog, int nResult)
{
    if (auto* pWindow = dynamic_cast<CDialogWindow*>(WidgetOf(hDialog)))
        pWindow->done(nResult);
}

void AfxBringWindowToTop(HWND hWnd)
{
    QWidget* pWindow = WidgetOf(hWnd);
    pWindow->raise();
    pWindow->activateWindow();
}
