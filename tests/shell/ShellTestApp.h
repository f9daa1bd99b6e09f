// The application object of the shell's tests.
#pragma once

#include "framework/WinApp.h"
#include "res/Resource.h"

class CShellTestApp : public CWinApp
{
public:
    int m_nHelpCommands = 0;

protected:
    void OnHelpCounted();

    DECLARE_MESSAGE_MAP()
};

extern CShellTestApp* g_pTestApp;
