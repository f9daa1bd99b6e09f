// The dialog, the same on every back end: a showing from the page's template, the page-ended
// guard, the routing of commands through the message maps, the data exchange's entry, the
// initial focus, temporary control objects, and the posting mutex that keeps other threads
// from reaching a window that is going away.
#include "Dialog.h"

#include "BackEnd.h"
#include "ControlGroups.h"
#include "DialogShowing.h"
#include "DialogTemplate.h"
#include "WinApp.h"

#include <new>

namespace {

// The control that has the focus when a page opens: the first enabled tab stop, and inside
// a radio group its checked button, where tabbing into the group lands too; nullptr when
// no control can take the focus.
HWND InitialFocus(HWND hDialog)
{
    const std::vector<SDialogControl> controls = AfxGetDialogControls(hDialog);
    const std::vector<int> groups = ControlGroups(controls);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const SDialogControl& control = controls[i];
        if ((control.dwStyle & WS_TABSTOP) == 0 || !AfxIsWindowEnabled(control.hWnd))
            continue;
        if (!control.bRadioButton)
            return control.hWnd;
        for (std::size_t j = 0; j < controls.size(); ++j)
            if (groups[j] == groups[i] && controls[j].bRadioButton && AfxGetCheck(controls[j].hWnd) != 0)
                return controls[j].hWnd;
        return control.hWnd;
    }
    return nullptr;
}

} // namespace

class CDialog::CShowing final : public CDialogShowing
{
public:
    explicit CShowing(CDialog& page) : m_page(page) {}

    SShowingStart Begin(HWND hDialog, HFONT hFont) override
    {
        m_page.BeginShowing(hDialog, hFont);
        // A page that returns FALSE has placed the focus itself, as the system's dialogs agree.
        const bool bSetFocus = m_page.OnInitDialog() != FALSE && !m_page.m_bEnded;
        return {!m_page.m_bEnded, bSetFocus, bSetFocus ? InitialFocus(hDialog) : nullptr};
    }

    void Command(UINT nID) override { m_page.OnCommand(nID); }

    bool Message(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        return m_page.RouteMessage(nMessage, wParam, lParam, pResult);
    }

    void End() override { m_page.EndShowing(); }

private:
    CDialog& m_page;
};

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate)
    : m_nIDTemplate(nIDTemplate)
{
}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    const SDialogTemplate* pTemplate = FindDialogTemplate(m_nIDTemplate);
    if (pTemplate == nullptr || m_hWnd != nullptr)
        return -1;
    m_nModalResult = -1;
    CShowing showing(*this);
    if (!AfxRunModalDialog(*pTemplate, showing))
        return -1;
    return m_nModalResult;
}

void CDialog::BeginShowing(HWND hWnd, HFONT hFont)
{
    Attach(hWnd);
    // The back end made the template's font, or the system did; the page only borrows it.
    m_font.Attach(hFont);
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
    m_font.Detach();
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

void CDialog::WaitKeepingAlive(HANDLE hObject)
{
    if (m_hWnd != nullptr)
        AfxWaitKeepingAlive(m_hWnd, hObject);
    else
        ::WaitForSingleObject(hObject, INFINITE);
}
