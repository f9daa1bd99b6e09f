// The program's entry on Windows: the wizard and nothing else, as the system takes no command
// line and a program of the window system has no console to answer on.
#include "framework/WinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(0, nullptr);
}
