// A Windows program built the way ours were before they were made to load on the oldest
// Windows: the POSIX thread model's C++ threads, a file stream, the newer start of the common
// controls, and the compiler's default processor, whose floating-point compares and conditional
// moves the Pentium lacks. The program check must refuse it.
#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <thread>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR pszCommandLine, int nShow)
{
    INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&icc);
    int nLength = 0;
    std::thread counter([&] { nLength = ::lstrlenA(pszCommandLine); });
    counter.join();
    std::ifstream file(pszCommandLine);
    const auto nAvailable = file.rdbuf()->in_avail();
    // Compared in the x87 unit, which the Pentium Pro's FCOMI compares straight into the flags.
    const double dShare = static_cast<double>(nAvailable) / (nLength + 1.0);
    return dShare > nShow ? static_cast<int>(nAvailable) : nShow;
}
