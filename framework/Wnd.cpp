#include "Wnd.h"

#include "ControlWidgets.h"

#include "Dialog.h"
#include "DialogWindow.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

CWnd::~CWnd()
{
    UnsubclassWindow();
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

void CWnd::SetWindowText(const std::string& strText)
{
    SetWidgetText(m_pWidget, QString::fromLocal8Bit(strText.data(), static_cast<qsizetype>(strText.size())));
}

void CWnd::GetWindowText(std::string& rString) const
{
    rString = GetWidgetText(m_pWidget).toLocal8Bit().toStdString();
}

void CWnd::GetClientRect(RECT* lpRect) const
{
    if (lpRect == nullptr)
        return;
    const QWidget* pWidget = m_pWidget.data();
    const QRect rect = pWidget != nullptr ? pWidget->rect() : QRect();
    *lpRect = CRect(0, 0, rect.width(), rect.height());
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    const BOOL bWasDisabled = IsWindowEnabled() ? FALSE : TRUE;
    if (QWidget* pWidget = m_pWidget.data())
        pWidget->setEnabled(bEnable != FALSE);
    return bWasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    const QWidget* pWidget = m_pWidget.data();
    return pWidget != nullptr && pWidget->isEnabled() ? TRUE : FALSE;
}

CWnd* CWnd::GetParent() const
{
    QWidget* pWidget = m_pWidget.data();
    if (pWidget == nullptr)
        return nullptr;
    auto* pWindow = dynamic_cast<CDialogWindow*>(pWidget->window());
    if (pWindow == nullptr || pWindow == pWidget)
        return nullptr;
    return &pWindow->Owner();
}

CFont* CWnd::GetFont() const
{
    CWnd* pParent = GetParent();
    return pParent != nullptr ? pParent->GetFont() : nullptr;
}

BOOL CWnd::SubclassWindow(QWidget* pWidget)
{
    if (m_pWidget || pWidget == nullptr)
        return FALSE;
    m_pWidget = pWidget;
    if (auto* pHooked = dynamic_cast<CHookedWidget*>(pWidget))
        pHooked->m_pHook = this;
    return TRUE;
}

QWidget* CWnd::UnsubclassWindow()
{
    QWidget* pWidget = m_pWidget.data();
    if (auto* pHooked = dynamic_cast<CHookedWidget*>(pWidget); pHooked != nullptr && pHooked->m_pHook == this)
        pHooked->m_pHook = nullptr;
    m_pWidget = nullptr;
    return pWidget;
}

bool CWnd::OnWndMsg(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return OnCmdMsg(nMessage, 0, wParam, lParam, pResult);
}
