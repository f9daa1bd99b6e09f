// The page sequence: which page follows which result, and the loop over the pages.
#include "PageSequence.h"

#include "framework/Dialog.h"
#include "res/Resource.h"
#include "writer/WizardState.h"

int NextPagePosition(int nPosition, int nResult)
{
    switch (nResult) {
    case IDCANCEL:
    case -1:
        return POS_END;
    case IDC_PREV:
        return nPosition == POS_RESULT ? POS_RESULT : nPosition - 1;
    case IDC_NEXT:
        return nPosition == POS_RESULT ? POS_END : nPosition + 1;
    default:
        return nPosition;
    }
}

void RunPageSequence(CDialog& welcomePage, CDialog& drivePage, CDialog& writePage, CDialog& finishPage,
                     CDialog& errorPage)
{
    int nPosition = POS_WELCOME;
    while (nPosition > POS_END) {
        CDialog* pPage = nullptr;
        switch (nPosition) {
        case POS_WELCOME:
            pPage = &welcomePage;
            break;
        case POS_DRIVE:
            pPage = &drivePage;
            break;
        case POS_WRITE:
            pPage = &writePage;
            break;
        default:
            // The write's outcome is final once the writing page has ended.
            pPage = g_nStatus == 0 ? &finishPage : &errorPage;
            break;
        }
        nPosition = NextPagePosition(nPosition, pPage->DoModal());
    }
}
