// The application object's toolkit-free part: the one application, its name and its
// default steps. Each back end has the start-up (AfxWinMain) and the look of the controls.
#include "WinApp.h"

#include "BackEnd.h"
#include "framework/core/ModulePath.h"
#include "framework/core/StringResource.h"

#include <string>

namespace {

CWinApp* s_pApp = nullptr;

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

void AfxNameApplication(CWinApp& app)
{
    // Without a name of its own the program goes by its title, and failing that by its file.
    if (app.m_pszAppName == nullptr)
        app.m_pszAppName = AfxFindStringResource(AFX_IDS_APP_TITLE);
    if (app.m_pszAppName == nullptr) {
        static std::string s_strAppName;
        const std::string strPath = GetModuleFilePath();
        s_strAppName = strPath.substr(strPath.find_last_of("/\\") + 1);
        app.m_pszAppName = s_strAppName.c_str();
    }
}
