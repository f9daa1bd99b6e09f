// The program's start-up on the Win32 API, where the system's plain controls are the
// classic look itself.
#include "framework/WinApp.h"

#include "framework/BackEnd.h"

BOOL CWinApp::Enable3dControlsStatic()
{
    // The three-dimensional look came with the system itself from Windows 95 and NT 4 on;
    // nothing is to be switched on, and no visual styles are asked for.
    return TRUE;
}

int AfxWinMain(int, char*[])
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    AfxNameApplication(*pApp);

    if (!pApp->InitInstance())
        return pApp->ExitInstance();
    MSG msg{};
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return pApp->ExitInstance();
}
