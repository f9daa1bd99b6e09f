// The program's start-up on the Win32 API, where the system's plain controls are the
// classic look itself.
#include "framework/BackEnd.h"

bool AfxEnable3dControls()
{
    // The three-dimensional look came with the system itself from Windows 95 and NT 4 on;
    // nothing is to be switched on, and no visual styles are asked for.
    return true;
}

bool AfxStartWindowSystem(int, char*[], const char*)
{
    // The window system is there whenever a program of it runs.
    return true;
}

void AfxRunMessageLoop()
{
    MSG msg{};
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void AfxEndWindowSystem()
{
}
