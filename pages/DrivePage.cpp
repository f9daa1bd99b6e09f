// The drive page: its texts, the radio choice, and the choice kept in the wizard state.
#include "DrivePage.h"

#include "PageFrame.h"
#include "res/Resource.h"
#include "writer/WizardState.h"

BEGIN_MESSAGE_MAP(CDrivePage, CDialog)
    ON_COMMAND(IDC_NEXT, &CDrivePage::OnNext)
    ON_COMMAND(IDC_PREV, &CDrivePage::OnPrev)
END_MESSAGE_MAP()

CDrivePage::CDrivePage()
    : CDialog(IDD_DRIVE),
      m_strTitle1("Boot disk creation"),
      m_strText1("Select the drive, in what the boot diskette is to be created."),
      m_strText3("Now insert a formatted 3.5\" HD diskette into the drive and click \"Next\" to start the "
                 "writing process."),
      m_strText4("NOTE:\nAll files on this diskette will be deleted!"),
      m_nDrive(0),
      m_strTitle2("Drive selection"),
      m_strText2("&Drive:")
{
}

CDrivePage::~CDrivePage() = default;

void CDrivePage::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLE2, m_ctlTitle2);
    DDX_Control(pDX, IDC_TEXT4, m_ctlText4);
    DDX_Control(pDX, IDC_TITLE1, m_ctlTitle1);
    DDX_Control(pDX, IDC_TEXT2, m_ctlText2);
    DDX_Text(pDX, IDC_TITLE1, m_strTitle1);
    DDX_Text(pDX, IDC_TEXT1, m_strText1);
    DDX_Text(pDX, IDC_TEXT3, m_strText3);
    DDX_Text(pDX, IDC_TEXT4, m_strText4);
    DDX_Radio(pDX, IDC_RADIO1, m_nDrive);
    DDX_Text(pDX, IDC_TITLE2, m_strTitle2);
}

BOOL CDrivePage::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetPageFrame(*this);
    m_ctlText2.SetWindowText(m_strText2);
    return TRUE;
}

bool CDrivePage::StoreDrive()
{
    if (!UpdateData(TRUE))
        return false;
    g_nDrive = m_nDrive;
    return true;
}

void CDrivePage::OnNext()
{
    if (StoreDrive())
        EndDialog(IDC_NEXT);
}

void CDrivePage::OnPrev()
{
    if (StoreDrive())
        EndDialog(IDC_PREV);
}
