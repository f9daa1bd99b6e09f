#include "Dialog.h"

#include "DialogWindow.h"
#include "WinApp.h"
#include "res/Resource.h"

#include <QApplication>

#include <memory>
#include <new>

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd*)
    : m_nIDTemplate(nIDTemplate)
{
}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    const SDialogTemplate* pTemplate = FindDialogTemplate(m_nIDTemplate);
    if (pTemplate == nullptr || QApplication::instance() == nullptr || m_pWindow != nullptr)
        return -1;

    LOGFONT lf = MakeLogFont(pTemplate->pszFaceName, pTemplate->nPointSize);
    m_font.CreateFontIndirect(&lf);
    auto pWindow = std::make_unique<CDialogWindow>(*this, *pTemplate, *m_font.GetQFont());
    m_pWindow = pWindow.get();
    m_pWidget = pWindow.get();
    {
        std::lock_guard lock(m_postMutex);
        m_pPostWindow = pWindow.get();
    }
    m_nModalResult = -1;
    m_bEnded = false;

    if (OnInitDialog())
        pWindow->SetInitialFocus();
    if (!m_bEnded)
        pWindow->exec();

    // From here on nothing new is queued for the window; destroying it drops what was.
    {
        std::lock_guard lock(m_postMutex);
        m_pPostWindow = nullptr;
    }
    m_pWindow = nullptr;
    m_pWidget = nullptr;
    pWindow.reset();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bEnded = true;
    if (m_pWindow != nullptr)
        m_pWindow->done(nResult);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    if (m_pWindow == nullptr)
        return FALSE;
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
        return TRUE;
    } catch (CException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
    }
    return FALSE;
}

void CDialog::SetDlgItemText(int nID, const std::string& strText)
{
    SetWidgetText(GetDlgItem(nID), QString::fromLocal8Bit(strText.data(), static_cast<qsizetype>(strText.size())));
}

QWidget* CDialog::GetDlgItem(int nID) const
{
    return m_pWindow != nullptr ? m_pWindow->Item(nID) : nullptr;
}

BOOL CDialog::BringWindowToTop()
{
    if (m_pWindow == nullptr)
        return FALSE;
    m_pWindow->raise();
    m_pWindow->activateWindow();
    return TRUE;
}

CFont* CDialog::GetFont() const
{
    return m_pWindow != nullptr ? &m_font : nullptr;
}

void CDialog::Post(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    std::lock_guard lock(m_postMutex);
    if (m_pPostWindow != nullptr)
        QCoreApplication::postEvent(m_pPostWindow, new CPostedMessageEvent(nMessage, wParam, lParam));
}

void CDialog::OnCommand(UINT nID)
{
    // Once the page has ended, what is still queued for its window (a posted command, keys
    // typed ahead) must not reach a handler: it would run on a page that is closing and could
    // replace the result, say a Return after Escape turning the cancel into Next.
    if (m_bEnded)
        return;
    if (OnCmdMsg(WM_COMMAND, nID, 0, 0))
        return;
    if (CWinApp* pApp = AfxGetApp())
        pApp->OnCmdMsg(WM_COMMAND, nID, 0, 0);
}

LRESULT CDialog::WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (m_bEnded)
        return 0;
    if (nMessage == WM_COMMAND) {
        OnCommand(LOWORD(wParam));
        return 0;
    }
    LRESULT lResult = 0;
    OnCmdMsg(nMessage, 0, wParam, lParam, &lResult);
    return lResult;
}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
