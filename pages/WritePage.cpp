// The writing page: starts the writer, moves the bar, and waits for the writer on both ways out.
#include "WritePage.h"

#include "PageFrame.h"
#include "res/Resource.h"

BEGIN_MESSAGE_MAP(CWritePage, CDialog)
    ON_MESSAGE(WM_APP, &CWritePage::OnProgress)
    ON_COMMAND(IDC_NEXT, &CWritePage::OnNext)
END_MESSAGE_MAP()

CWritePage::CWritePage() : CWritePage(CWriteSite::Product())
{
}

CWritePage::CWritePage(const CWriteSite& site)
    : CDialog(IDD_WRITE),
      m_strTitle1("Boot disk creation"),
      m_strText1("One moment please, the disk is being created..."),
      m_strTitle2("Writing process"),
      m_thread(site)
{
}

CWritePage::~CWritePage() = default;

void CWritePage::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLE2, m_ctlTitle2);
    DDX_Control(pDX, IDC_PROGRESS, m_ctlProgress);
    DDX_Control(pDX, IDC_TITLE1, m_ctlTitle1);
    DDX_Text(pDX, IDC_TITLE1, m_strTitle1);
    DDX_Text(pDX, IDC_TEXT1, m_strText1);
    DDX_Text(pDX, IDC_TITLE2, m_strTitle2);
}

BOOL CWritePage::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetPageFrame(*this);
    m_ctlProgress.SetRange(0, 100);
    m_thread.SetPage(this);
    // A writer that cannot start would leave the page at 0 with nothing to say why; the
    // error page says it instead, with the image and the drive.
    if (!m_thread.CreateThread(0, 0, nullptr)) {
        m_thread.RecordNotStarted();
        EndDialog(IDC_NEXT);
    }
    return TRUE;
}

LRESULT CWritePage::OnProgress(WPARAM wParam, LPARAM)
{
    m_ctlProgress.SetPos(static_cast<int>(wParam));
    return 0;
}

void CWritePage::OnNext()
{
    // The writer posts this as its last word; only its end remains, so the wait is short,
    // unless the medium keeps the writer in its last request.
    WaitKeepingAlive(m_thread.m_hThread);
    EndDialog(IDC_NEXT);
}

void CWritePage::OnCancel()
{
    // The writer never waits for this thread, so it ends within the track it is writing; a
    // slow medium may take long over that track, and the window stays alive meanwhile. No
    // message of the page is handled while we wait, so no completion can slip in.
    m_thread.Stop();
    WaitKeepingAlive(m_thread.m_hThread);
    CDialog::OnCancel();
}
