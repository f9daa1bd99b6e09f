// The error page: its texts, and the outcome of the write copied in when it opens.
#include "ErrorPage.h"

#include "PageFrame.h"
#include "res/Resource.h"
#include "writer/WizardState.h"

BEGIN_MESSAGE_MAP(CErrorPage, CDialog)
END_MESSAGE_MAP()

CErrorPage::CErrorPage()
    : CDialog(IDD_ERROR),
      m_strTitle1("Boot disk creation"),
      m_strText1("The following error occurred with the creation of the boot diskette:"),
      m_strText3("Input file:"),
      m_strText5("Output device:"),
      m_strText7("Please insert another diskette and start this program again."),
      m_strTitle2("Error")
{
}

CErrorPage::~CErrorPage() = default;

void CErrorPage::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLE2, m_ctlTitle2);
    DDX_Control(pDX, IDC_TEXT2, m_ctlText2);
    DDX_Control(pDX, IDC_TITLE1, m_ctlTitle1);
    DDX_Text(pDX, IDC_TITLE1, m_strTitle1);
    DDX_Text(pDX, IDC_TEXT1, m_strText1);
    DDX_Text(pDX, IDC_TEXT2, m_strText2);
    DDX_Text(pDX, IDC_TEXT3, m_strText3);
    DDX_Text(pDX, IDC_TEXT4, m_strText4);
    DDX_Text(pDX, IDC_TEXT5, m_strText5);
    DDX_Text(pDX, IDC_TEXT6, m_strText6);
    DDX_Text(pDX, IDC_TEXT7, m_strText7);
    DDX_Text(pDX, IDC_TITLE2, m_strTitle2);
}

BOOL CErrorPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetPageFrame(*this);
    // The writer has ended before this page opens, so its outcome is final.
    m_strText2 = g_strError;
    m_strText4 = g_strInputFile;
    m_strText6 = g_strOutputDevice;
    UpdateData(FALSE);
    BringWindowToTop();
    return TRUE;
}
