// The welcome page: its texts and Next.
#include "WelcomePage.h"

#include "PageFrame.h"
#include "res/Resource.h"

BEGIN_MESSAGE_MAP(CWelcomePage, CDialog)
    ON_COMMAND(IDC_NEXT, &CWelcomePage::OnNext)
END_MESSAGE_MAP()

CWelcomePage::CWelcomePage()
    : CDialog(IDD_WELCOME),
      m_strTitle1("Welcome"),
      m_strText1("Thank you for choosing the boot manager. That gives you the possibility of installing "
                 "up to 12 operating systems on your computer"),
      m_strText2("This program will create a boot diskette for the start of your computer and for the "
                 "installation of the boot manager."),
      m_strText3("Click \"Next\" to continue with the installation. Select \"Cancel\" to terminate the program.")
{
}

CWelcomePage::~CWelcomePage() = default;

void CWelcomePage::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEXT3, m_ctlText3);
    DDX_Control(pDX, IDC_TEXT2, m_ctlText2);
    DDX_Control(pDX, IDC_TEXT1, m_ctlText1);
    DDX_Control(pDX, IDC_TITLE1, m_ctlTitle1);
    DDX_Text(pDX, IDC_TITLE1, m_strTitle1);
    DDX_Text(pDX, IDC_TEXT1, m_strText1);
    DDX_Text(pDX, IDC_TEXT2, m_strText2);
    DDX_Text(pDX, IDC_TEXT3, m_strText3);
}

BOOL CWelcomePage::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetPageFrame(*this);
    return TRUE;
}

void CWelcomePage::OnNext()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDC_NEXT);
}
