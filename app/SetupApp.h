// The application: runs the whole wizard in its start-up step.
#pragma once

#include "framework/WinApp.h"

class CSetupApp : public CWinApp
{
public:
    CSetupApp();
    ~CSetupApp() override;

    // Runs the wizard from the first page to the last; always FALSE, so that the program
    // ends when the wizard does.
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CSetupApp theApp;
