// The dialog's toolkit-free part: the page-ended guard, the routing of commands through the
// message maps, the data exchange's entry, temporary control objects, and the posting
// mutex that keeps other threads from reaching a window that is going away.
#include "Dialog.h"

#include "BackEnd.h"
#include "WinApp.h"

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

void CDialog::BeginShowing(HWND hWnd)
{
    Attach(hWnd);
    m_nModalResult = -1;
    m_bEnded = false;
    CSingleLock lock(m_postLock);
    m_hPostWnd = hWnd;
}

void CDialog::EndShowing()
{
    // From here on nothing new is queued for the window; destroying it drops what was.
    {
        CSingleLock lock(m_postLock);
        m_hPostWnd = nullptr;
    }
    for (const std::unique_ptr<CWnd>& pTemporary : m_temporaries)
        pTemporary->m_hWnd = nullptr;
    m_temporaries.clear();
    Detach();
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bEnded = true;
    if (m_hWnd != nullptr)
        AfxEndDialog(m_hWnd, nResult);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    if (m_hWnd == nullptr)
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
    if (CWnd* pItem = GetDlgItem(nID))
        pItem->SetWindowText(strText);
}

CWnd* CDialog::GetDlgItem(int nID) const
{
    const HWND hItem = m_hWnd != nullptr ? AfxGetDlgItem(m_hWnd, nID) : nullptr;
    if (hItem == nullptr)
        return nullptr;
    if (CWnd* pPermanent = FromHandlePermanent(hItem))
        return pPermanent;
    for (const std::unique_ptr<CWnd>& pTemporary : m_temporaries)
        if (pTemporary->m_hWnd == hItem)
            return pTemporary.get();
    m_temporaries.push_back(std::make_unique<CWnd>());
    m_temporaries.back()->m_hWnd = hItem;
    return m_temporaries.back().get();
}

BOOL CDialog::BringWindowToTop()
{
    if (m_hWnd == nullptr)
        return FALSE;
    AfxBringWindowToTop(m_hWnd);
    return TRUE;
}

CFont* CDialog::GetFont() const
{
    return m_hWnd != nullptr && m_font.m_hObject != nullptr ? &m_font : nullptr;
}

void CDialog::Post(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    CSingleLock lock(m_postLock);
    if (m_hPostWnd != nullptr)
        AfxPostDialogMessage(m_hPostWnd, nMessage, wParam, lParam);
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
    LRESULT lResult = 0;
    RouteMessage(nMessage, wParam, lParam, &lResult);
    return lResult;
}

bool CDialog::RouteMessage(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (nMessage == WM_COMMAND) {
        OnCommand(LOWORD(wParam));
        return true;
    }
    // The same guard as for commands: a message still queued for an ended page (a progress
    // report behind the cancel) reaches no handler.
    if (m_bEnded)
        return false;
    return OnCmdMsg(nMessage, 0, wParam, lParam, pResult);
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

HWND AfxInitialFocus(HWND hDialog)
{
    const std::vector<SDialogControl> controls = AfxGetDialogControls(hDialog);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const SDialogControl& control = controls[i];
        if ((control.dwStyle & WS_TABSTOP) == 0 || !AfxIsWindowEnabled(control.hWnd))
            continue;
        if (!control.bRadioButton)
            return control.hWnd;
        // The radio group runs from its first button to the next group's start.
        std::size_t nFirst = i;
        while (nFirst > 0 && (controls[nFirst].dwStyle & WS_GROUP) == 0)
            --nFirst;
        for (std::size_t j = nFirst; j < controls.size(); ++j) {
            if (j > nFirst && (controls[j].dwStyle & WS_GROUP) != 0)
                break;
            if (controls[j].bRadioButton && AfxGetCheck(controls[j].hWnd) != 0)
                return controls[j].hWnd;
        }
        return control.hWnd;
    }
    return nullptr;
}
