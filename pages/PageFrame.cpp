// The opening step every page shares: caption and button labels.
#include "PageFrame.h"

#include "framework/Dialog.h"
#include "res/Resource.h"

void SetPageFrame(CDialog& page, const char* pszCancel)
{
    page.SetWindowText(PAGE_CAPTION);
    page.SetDlgItemText(IDC_NEXT, "Next >");
    page.SetDlgItemText(IDC_PREV, "< Prev");
    page.SetDlgItemText(IDCANCEL, pszCancel);
}
