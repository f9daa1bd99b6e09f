#include "WinApp.h"

#include "framework/core/ModulePath.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <string>

namespace {

CWinApp* s_pApp = nullptr;

QPalette ClassicPalette()
{
    const QColor face(0xD4, 0xD0, 0xC8);
    const QColor shadow(0x80, 0x80, 0x80);
    QPalette palette(face);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, face);
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::Light, Qt::white);
        palette.setColor(group, QPalette::Midlight, face);
        palette.setColor(group, QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
        palette.setColor(group, QPalette::Dark, shadow);
        palette.setColor(group, QPalette::Shadow, QColor(0x40, 0x40, 0x40));
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::Highlight, QColor(0x0A, 0x24, 0x6A));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        const QColor text = group == QPalette::Disabled ? shadow : QColor(Qt::black);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::Text, text);
    }
    return palette;
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

BOOL CWinApp::Enable3dControlsStatic()
{
    QStyle* pStyle = QStyleFactory::create(QStringLiteral("Windows"));
    if (pStyle == nullptr)
        return FALSE;
    QApplication::setStyle(pStyle);
    QApplication::setPalette(ClassicPalette());
    return TRUE;
}

void CWinApp::OnHelp()
{
}

CWinApp* AfxGetApp()
{
    return s_pApp;
}

int AfxWinMain(int argc, char* argv[])
{
    // The program takes no command line: the toolkit is shown only the program's name.
    int nArgs = argc > 0 ? 1 : 0;
    QApplication app(nArgs, argv);
    // The pages come and go one after the other; no window closing ends anything.
    QApplication::setQuitOnLastWindowClosed(false);

    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    if (pApp->m_pszAppName == nullptr) {
        static std::string s_strAppName;
        const std::string strPath = GetModuleFilePath();
        s_strAppName = strPath.substr(strPath.find_last_of('/') + 1);
        pApp->m_pszAppName = s_strAppName.c_str();
    }
    if (!pApp->InitInstance())
        return pApp->ExitInstance();
    QApplication::exec();
    return pApp->ExitInstance();
}
