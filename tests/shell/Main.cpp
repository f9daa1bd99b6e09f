// The wizard shell's tests run inside one offscreen application, as the program does: the
// classic style and colours on, and an application object that counts the help commands.
#include "ShellTestApp.h"

#include <gtest/gtest.h>

#include <QApplication>

CShellTestApp* g_pTestApp = nullptr;

BEGIN_MESSAGE_MAP(CShellTestApp, CWinApp)
    ON_COMMAND(ID_HELP, &CShellTestApp::OnHelpCounted)
END_MESSAGE_MAP()

void CShellTestApp::OnHelpCounted()
{
    ++m_nHelpCommands;
    OnHelp();
}

int main(int argc, char* argv[])
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    CShellTestApp testApp;
    g_pTestApp = &testApp;
    testApp.Enable3dControlsStatic();
    return RUN_ALL_TESTS();
}
