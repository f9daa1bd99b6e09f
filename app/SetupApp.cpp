// The application object: runs the wizard as its start-up.
#include "SetupApp.h"

#include "PageSequence.h"
#include "pages/DrivePage.h"
#include "pages/ErrorPage.h"
#include "pages/FinishPage.h"
#include "pages/WelcomePage.h"
#include "pages/WritePage.h"
#include "res/Resource.h"

CSetupApp theApp;

BEGIN_MESSAGE_MAP(CSetupApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CSetupApp::CSetupApp() = default;

CSetupApp::~CSetupApp() = default;

BOOL CSetupApp::InitInstance()
{
    Enable3dControlsStatic();
    RunWizard<CWelcomePage, CDrivePage, CWritePage, CFinishPage, CErrorPage>();
    return FALSE;
}
