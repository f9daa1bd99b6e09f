// The finish page: its texts and "Finish".
#include "FinishPage.h"

#include "PageFrame.h"
#include "res/Resource.h"

BEGIN_MESSAGE_MAP(CFinishPage, CDialog)
END_MESSAGE_MAP()

CFinishPage::CFinishPage()
    : CDialog(IDD_FINISH),
      m_strTitle1("Boot disk creation"),
      m_strText1("The boot disk has been created successfully."),
      m_strText2("In order to install the boot manager, you can now boot your PC from this diskette and then "
                 "start the program KORVANT by typing KORVANT followed by the Enter button."),
      m_strText3("A wizard will than lead you through the rest of the process."),
      m_strTitle2("End")
{
}

CFinishPage::~CFinishPage() = default;

void CFinishPage::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLE2, m_ctlTitle2);
    DDX_Control(pDX, IDC_TITLE1, m_ctlTitle1);
    DDX_Text(pDX, IDC_TITLE1, m_strTitle1);
    DDX_Text(pDX, IDC_TEXT1, m_strText1);
    DDX_Text(pDX, IDC_TEXT2, m_strText2);
    DDX_Text(pDX, IDC_TEXT3, m_strText3);
    DDX_Text(pDX, IDC_TITLE2, m_strTitle2);
}

BOOL CFinishPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetPageFrame(*this, "Finish");
    return TRUE;
}
