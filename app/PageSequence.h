// The wizard's page sequence: which page comes next after a page has ended.
#pragma once

class CDialog;

// Positions of the sequence; the result page is the finish page or the error page.
enum EPagePosition { POS_END = 0, POS_WELCOME = 1, POS_DRIVE = 2, POS_WRITE = 3, POS_RESULT = 4 };

// The position that follows a page at nPosition ending with nResult. IDCANCEL, and a page
// that could not be shown at all (-1), end the wizard; IDC_PREV goes back, except from the
// result page, which is shown again; IDC_NEXT goes on, and past the result page ends the
// wizard; any other result shows the same page again.
int NextPagePosition(int nPosition, int nResult);

// Shows one page after the other, starting with the welcome page, until the sequence ends.
// The result page is the finish page if g_nStatus is 0 when it is about to be shown, the
// error page otherwise.
void RunPageSequence(CDialog& welcomePage, CDialog& drivePage, CDialog& writePage, CDialog& finishPage,
                     CDialog& errorPage);

// Builds the five pages once, in this order, runs the sequence over them and destroys them
// in the reverse order.
template <class TWelcome, class TDrive, class TWrite, class TFinish, class TError>
void RunWizard()
{
    TWelcome welcomePage;
    TDrive drivePage;
    TWrite writePage;
    TFinish finishPage;
    TError errorPage;
    RunPageSequence(welcomePage, drivePage, writePage, finishPage, errorPage);
}
