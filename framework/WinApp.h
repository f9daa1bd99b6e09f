// The application object. The program's start-up prepares the window system and hands
// over to InitInstance; when that returns FALSE, ExitInstance follows and the program ends
// without running a message loop of its own.
#pragma once

#include "AfxRes.h"
#include "CmdTarget.h"

class CWinApp : public CCmdTarget
{
public:
    // With a null name the program's title from its string table is used, or else the name
    // of the program file.
    explicit CWinApp(const char* pszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Dialog controls get the classic three-dimensional look. On Windows that is the look
    // the system's plain controls have; on the toolkit, its Windows style with the classic
    // grey colours. Returns FALSE if that look is not available.
    BOOL Enable3dControlsStatic();

    // The help command (F1). There is no help viewer for the old help files, so asking for
    // help shows nothing.
    void OnHelp();

    const char* m_pszAppName;

    DECLARE_MESSAGE_MAP()
};

// The one application object, or nullptr when there is none.
CWinApp* AfxGetApp();

// The program's start-up: everything that main does once the command line has been answered.
// On the toolkit, without a display to show windows on, it says so in one line and returns 1.
int AfxWinMain(int argc, char* argv[]);
