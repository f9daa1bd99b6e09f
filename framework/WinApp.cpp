// The application object, the same on every back end: the one application, its name, its
// default steps and the program's start-up around them.
#include "WinApp.h"

#include "BackEnd.h"
#include "framework/core/ModulePath.h"
#include "framework/core/StringResource.h"

#include <string>

namespace {

CWinApp* s_pApp = nullptr;

// Gives the application the name it goes by, if it has none: its title from the string
// table, else the name of its program file.
void NameApplication(CWinApp& app)
{
    if (app.m_pszAppName == nullptr)
        app.m_pszAppName = AfxFindStringResource(AFX_IDS_APP_TITLE);
    if (app.m_pszAppName == nullptr) {
        static std::string s_strAppName;
        const std::string strPath = GetModuleFilePath();
        s_strAppName = strPath.substr(strPath.find_last_of("/\\") + 1);
        app.m_pszAppName = s_strAppName.c_str();
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* pszAppName)
    : m_pszAppName(pszAppName)
{
    s_pApp = this;
}

CWinApp::~CWinApp()
{
    if (s_pApp == this)
        s_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

void CWinApp::OnHelp()
{
}

CWinApp* AfxGetApp()
{
    return s_pApp;
}

BOOL CWinApp::Enable3dControlsStatic()
{
    return AfxEnable3dControls() ? TRUE : FALSE;
}

int AfxWinMain(int argc, char* argv[])
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    NameApplication(*pApp);
    if (!AfxStartWindowSystem(argc, argv, pApp->m_pszAppName))
        return 1;
    // An application that runs its pages inside InitInstance returns FALSE there and needs
    // no message loop of its own.
    if (pApp->InitInstance())
        AfxRunMessageLoop();
    const int nResult = pApp->ExitInstance();
    AfxEndWindowSystem();
    return nResult;
}
