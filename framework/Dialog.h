// A modal dialog page. The object lives across showings; each DoModal makes a fresh window
// from the page's template, runs OnInitDialog, runs the modal loop until EndDialog, and
// destroys the window again. Other threads reach the window of the moment by Post; a
// command reaches the page from its buttons and keys, or posted as WM_COMMAND.
#pragma once

#include "AfxRes.h"
#include "DataExchange.h"
#include "Gdi.h"
#include "Wnd.h"
#include "framework/core/CriticalSection.h"
#include "framework/core/PostTarget.h"

#include <memory>
#include <string>
#include <vector>

class CDialog : public CWnd, public CPostTarget
{
public:
    explicit CDialog(UINT nIDTemplate);
    ~CDialog() override;

    // Shows the page and returns the code given to EndDialog; -1 if the page could not be
    // opened or ended without one.
    virtual int DoModal();
    // Ends the modal loop once the handler that calls it has returned.
    void EndDialog(int nResult);

    // Runs the data exchange toward the controls (FALSE) or back into the fields (TRUE);
    // FALSE when it failed.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    void SetDlgItemText(int nID, const std::string& strText);
    // The control with this id in the current showing, or nullptr: the object attached to
    // it if there is one, else a temporary object that the page holds until the showing ends.
    CWnd* GetDlgItem(int nID) const;
    BOOL BringWindowToTop();

    CFont* GetFont() const override;

    // Queues a message for the page's window, from any thread; dropped when the page has no
    // window, and with the window when it is destroyed before the message was handled.
    void Post(UINT nMessage, WPARAM wParam, LPARAM lParam) override;

protected:
    // Runs the data exchange toward the controls; if that fails, ends the page with -1.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    // Reads the controls back and, if that worked, ends the page with IDOK.
    virtual void OnOK();
    // Ends the page with IDCANCEL.
    virtual void OnCancel();
    // Waits without a time limit until hObject is signalled. The page's window stays alive
    // meanwhile, as a window the desktop would otherwise offer to kill must: it paints and
    // answers the window system, shows the wait cursor and takes no input, and nothing queued
    // for the page is handled. Without a window, a plain wait.
    void WaitKeepingAlive(HANDLE hObject);

    DECLARE_MESSAGE_MAP()

private:
    // What the back end tells the page of one showing's window (DialogShowing.h).
    class CShowing;

    // The showing's window exists: the page takes it and may be posted to.
    void BeginShowing(HWND hWnd, HFONT hFont);
    // The showing's window is about to go: nothing more is queued for it, and the page and
    // its temporary control objects let go of it.
    void EndShowing();
    // A command from a button, a key or a posted WM_COMMAND: the page's message map first,
    // then the application's. Ignored once the page has ended.
    void OnCommand(UINT nID);
    // A message for the page's window through the message maps: WM_COMMAND as a command,
    // anything else to the page's handler for it. false when no handler ran: the page has
    // none, or it has ended, and the window's default processing takes the message.
    bool RouteMessage(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    const UINT m_nIDTemplate;
    mutable CFont m_font;
    int m_nModalResult = -1;
    bool m_bEnded = false;
    mutable std::vector<std::unique_ptr<CWnd>> m_temporaries;

    CCriticalSection m_postLock;
    HWND m_hPostWnd = nullptr;  // guarded by m_postLock
};
