// Starts a 32-bit Windows program with the rule book loaded into it before the program's own
// first instruction runs:  rule-book SETTING PROGRAM
// SETTING is "95" or "nt4" (see RuleBook.cpp). The program's exit status is the launcher's.
// Wine answers every call as the newest Windows would; the rule book, a DLL in the program's
// own process, makes the program's calls answer as the older Windows answers them.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int Failed(const char* pszWhat)
{
    std::fprintf(stderr, "rule-book: %s (error %lu)\n", pszWhat, ::GetLastError());
    return 3;
}

// The file beside this program of the given name.
std::string Beside(const char* pszName)
{
    char szPath[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strPath(szPath, n);
    return strPath.substr(0, strPath.find_last_of("\\/") + 1) + pszName;
}

void Append(std::vector<BYTE>& code, BYTE b)
{
    code.push_back(b);
}

void Append(std::vector<BYTE>& code, DWORD dw)
{
    for (int i = 0; i < 4; ++i)
        code.push_back(static_cast<BYTE>(dw >> (8 * i)));
}

DWORD AddressOf(const void* p)
{
    return static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(p));
}

// What the program's first thread runs in place of the program's entry point: it loads the
// rule book, whose start points the program's imports at the rules, and then jumps to the
// entry point with the stack as the system left it. The system's DLLs lie at the same place
// in every process of a session, so this process's LoadLibraryA is the program's too.
std::vector<BYTE> FirstCode(DWORD dwAt, const std::string& strDll, DWORD dwEntry)
{
    std::vector<BYTE> code;
    const DWORD dwPath = dwAt + 64;
    Append(code, BYTE{0x68});  // push the DLL's path
    Append(code, dwPath);
    Append(code, BYTE{0xB8});  // mov eax, LoadLibraryA
    Append(code, AddressOf(reinterpret_cast<const void*>(&::LoadLibraryA)));
    Append(code, BYTE{0xFF});  // call eax
    Append(code, BYTE{0xD0});
    Append(code, BYTE{0x85});  // test eax, eax
    Append(code, BYTE{0xC0});
    Append(code, BYTE{0x75});  // jnz over the exit
    Append(code, BYTE{0x0C});
    Append(code, BYTE{0x68});  // push 3: the rule book could not be loaded
    Append(code, DWORD{3});
    Append(code, BYTE{0xB8});  // mov eax, ExitProcess
    Append(code, AddressOf(reinterpret_cast<const void*>(&::ExitProcess)));
    Append(code, BYTE{0xFF});  // call eax
    Append(code, BYTE{0xD0});
    Append(code, BYTE{0xB8});  // mov eax, the program's entry point
    Append(code, dwEntry);
    Append(code, BYTE{0xFF});  // jmp eax
    Append(code, BYTE{0xE0});
    code.resize(64, 0xCC);
    code.insert(code.end(), strDll.begin(), strDll.end());
    code.push_back(0);
    return code;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || (std::strcmp(argv[1], "95") != 0 && std::strcmp(argv[1], "nt4") != 0)) {
        std::fprintf(stderr, "usage: rule-book 95|nt4 PROGRAM\n");
        return 2;
    }
    // The rule book reads its setting from the environment the program inherits.
    if (!::SetEnvironmentVariableA("KORVANT_RULE_BOOK", argv[1]))
        return Failed("the setting cannot be passed on");

    // The program goes with the launcher: should the launcher be killed, the system closes
    // its handle to the job, and the job's close ends the program too.
    const HANDLE hJob = ::CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (hJob == nullptr ||
        !::SetInformationJobObject(hJob, JobObjectExtendedLimitInformation, &limits, sizeof limits))
        return Failed("no job can hold the program");

    std::string strCommandLine = std::string("\"") + argv[2] + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(argv[2], strCommandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                          nullptr, &startup, &process))
        return Failed("the program cannot be started");
    if (!::AssignProcessToJobObject(hJob, process.hProcess)) {
        const int nStatus = Failed("the program cannot be put in the launcher's job");
        ::TerminateProcess(process.hProcess, 3);
        return nStatus;
    }

    // A new process's first thread starts in the system, which calls the entry point that EAX
    // holds once the DLLs and the program's imports are in place.
    CONTEXT context{};
    context.ContextFlags = CONTEXT_INTEGER;
    const std::string strDll = Beside("rule-book.dll");
    bool bReady = ::GetThreadContext(process.hThread, &context) != FALSE;
    void* pCode = bReady ? ::VirtualAllocEx(process.hProcess, nullptr, 4096, MEM_RESERVE | MEM_COMMIT,
                                            PAGE_EXECUTE_READWRITE)
                         : nullptr;
    if (pCode != nullptr) {
        const std::vector<BYTE> code = FirstCode(AddressOf(pCode), strDll, context.Eax);
        SIZE_T nWritten = 0;
        context.Eax = AddressOf(pCode);
        bReady = ::WriteProcessMemory(process.hProcess, pCode, code.data(), code.size(), &nWritten) &&
                 nWritten == code.size() && ::SetThreadContext(process.hThread, &context);
    }
    if (!bReady || pCode == nullptr) {
        const int nStatus = Failed("the rule book cannot be put before the program's entry point");
        ::TerminateProcess(process.hProcess, 3);
        return nStatus;
    }

    ::ResumeThread(process.hThread);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD dwStatus = 3;
    ::GetExitCodeProcess(process.hProcess, &dwStatus);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(dwStatus);
}
