#include "DataExchange.h"

#include "Dialog.h"
#include "DialogWindow.h"

#include <QAbstractButton>
#include <QButtonGroup>

BOOL CUserException::GetErrorMessage(char* lpszError, UINT nMaxError) const
{
    return CopyMessage("The data exchange failed.", lpszError, nMaxError);
}

CDataExchange::CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

QWidget* CDataExchange::PrepareCtrl(int nIDC)
{
    QWidget* pWidget = m_pDlgWnd->GetDlgItem(nIDC);
    if (pWidget == nullptr)
        Fail();
    return pWidget;
}

std::vector<QWidget*> CDataExchange::RadioGroup(int nIDC)
{
    std::vector<QWidget*> radios;
    const CDialogWindow* pWindow = m_pDlgWnd->m_pWindow;
    if (pWindow == nullptr)
        Fail();
    bool bInGroup = false;
    for (const CDialogWindow::SItem& item : pWindow->Items()) {
        if (!bInGroup) {
            bInGroup = item.pTemplate->nID == nIDC;
        } else if ((item.pTemplate->dwStyle & WS_GROUP) != 0) {
            break;
        }
        if (bInGroup && item.pRadioGroup != nullptr)
            radios.push_back(item.pWidget);
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
    if (rControl.GetWidget() == nullptr)
        rControl.SubclassWindow(pDX->PrepareCtrl(nIDC));
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value)
{
    QWidget* pWidget = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = GetWidgetText(pWidget).toLocal8Bit().toStdString();
    else
        SetWidgetText(pWidget, QString::fromLocal8Bit(value.data(), static_cast<qsizetype>(value.size())));
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    const std::vector<QWidget*> radios = pDX->RadioGroup(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (std::size_t i = 0; i < radios.size(); ++i)
            if (static_cast<QAbstractButton*>(radios[i])->isChecked())
                value = static_cast<int>(i);
        return;
    }
    // An exclusive group never lets its last checked button go; -1 clears them all.
    auto* pFirst = static_cast<QAbstractButton*>(radios.front());
    QButtonGroup* pGroup = pFirst->group();
    const bool bExclusive = pGroup != nullptr && pGroup->exclusive();
    if (bExclusive)
        pGroup->setExclusive(false);
    for (std::size_t i = 0; i < radios.size(); ++i)
        static_cast<QAbstractButton*>(radios[i])->setChecked(static_cast<int>(i) == value);
    if (bExclusive)
        pGroup->setExclusive(true);
}
