#include "PlaceholderPage.h"

#include "PageFrame.h"
#include "framework/DialogTemplate.h"
#include "res/Resource.h"

#include <utility>

CPlaceholderPage::CPlaceholderPage(UINT nIDTemplate, std::string strTitle2, std::string strText1, const char* pszCancel)
    : CDialog(nIDTemplate),
      m_strTitle1("Boot disk creation"),
      m_strTitle2(std::move(strTitle2)),
      m_strText1(std::move(strText1)),
      m_pszCancel(pszCancel)
{
}

CPlaceholderPage::~CPlaceholderPage() = default;

void CPlaceholderPage::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLE2, m_ctlTitle2);
    DDX_Control(pDX, IDC_TITLE1, m_ctlTitle1);
    DDX_Text(pDX, IDC_TITLE1, m_strTitle1);
    DDX_Text(pDX, IDC_TEXT1, m_strText1);
    DDX_Text(pDX, IDC_TITLE2, m_strTitle2);
}

BOOL CPlaceholderPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetPageFrame(*this, m_pszCancel);
    // The template's other texts are not this page's yet: leave them empty, not "<IDC_...>".
    if (const SDialogTemplate* pTemplate = FindDialogTemplate(GetTemplateID())) {
        for (const SDialogItem& item : pTemplate->items)
            if (item.nID >= IDC_TEXT2 && item.nID <= IDC_TEXT7)
                SetDlgItemText(item.nID, "");
    }
    return TRUE;
}

CWritePage::CWritePage()
    : CPlaceholderPage(IDD_WRITE, "Writing process", "Writing is not part of this build yet. Click \"Cancel\" to leave.")
{
}

CFinishPage::CFinishPage()
    : CPlaceholderPage(IDD_FINISH, "End", "The boot disk has been created successfully.", "Finish")
{
}

CErrorPage::CErrorPage()
    : CPlaceholderPage(IDD_ERROR, "Error", "The following error occurred with the creation of the boot diskette:")
{
}
