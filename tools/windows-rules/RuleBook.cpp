// The rule book's start in the program's process, before the program's own first instruction:
// it reads the table of the program's calls (rules.tsv beside it), turns the program away
// when it imports what the table has not reviewed or what the older Windows lacks, and
// points every import that a rule governs at the rule.
#include "RuleBook.h"

#include "ImportTable.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

ESetting s_setting = SETTING_95;
CRITICAL_SECTION s_recordLock;
std::string s_strRecordPath;
// Every row of the table by "DLL!function", the DLL in capitals with its extension: its source.
std::map<std::string, std::string> s_rows;

std::string Key(const char* pszDll, const char* pszFunction)
{
    std::string strKey(pszDll);
    for (char& c : strKey)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (strKey.size() < 4 || strKey.compare(strKey.size() - 4, 4, ".DLL") != 0)
        strKey += ".DLL";
    return strKey + "!" + pszFunction;
}

const char* SettingName()
{
    return s_setting == SETTING_95 ? "the 95 family as Windows 95 answers" : "Windows NT 4.0";
}

// The Unicode functions that Windows 95 implements; every other W function of the system's
// DLLs is there only as a stub that fails (KB Q210341, "Unicode support in Windows 95 and
// Windows 98"; the 1998 MSDN Library's "Windows 95 General Limitations").
bool IsStubOn95(const std::string& strKey)
{
    static const char* const s_implemented[] = {
        "EnumResourceLanguagesW", "EnumResourceNamesW", "EnumResourceTypesW", "ExtTextOutW", "FindResourceW",
        "FindResourceExW", "GetCharWidthW", "GetCommandLineW", "GetTextExtentPoint32W", "GetTextExtentPointW",
        "lstrlenW", "MessageBoxExW", "MessageBoxW", "TextOutW"};
    static const char* const s_systemDlls[] = {"KERNEL32.DLL!", "USER32.DLL!", "GDI32.DLL!", "ADVAPI32.DLL!",
                                               "COMCTL32.DLL!", "SHELL32.DLL!"};
    const std::size_t nBang = strKey.find('!');
    const std::string strFunction = strKey.substr(nBang + 1);
    if (strFunction.empty() || strFunction.back() != 'W')
        return false;
    bool bSystem = false;
    for (const char* pszDll : s_systemDlls)
        bSystem = bSystem || strKey.compare(0, nBang + 1, pszDll) == 0;
    for (const char* pszImplemented : s_implemented)
        if (strFunction == pszImplemented)
            return false;
    return bSystem;
}

std::string FileBesideThisDll(HINSTANCE hDll, const char* pszName)
{
    char szPath[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameA(hDll, szPath, MAX_PATH);
    const std::string strPath(szPath, n);
    return strPath.substr(0, strPath.find_last_of("\\/") + 1) + pszName;
}

// The table: one row a function, six fields split by tabs (see rules.tsv).
bool ReadTable(const std::string& strPath)
{
    FILE* pFile = std::fopen(strPath.c_str(), "rb");
    if (pFile == nullptr) {
        Record("rule book: the table %s cannot be read", strPath.c_str());
        return false;
    }
    std::string strText;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pFile)) > 0;)
        strText.append(buffer, n);
    std::fclose(pFile);

    int nLine = 0;
    for (std::size_t nAt = 0; nAt < strText.size();) {
        std::size_t nEnd = strText.find('\n', nAt);
        if (nEnd == std::string::npos)
            nEnd = strText.size();
        const std::string strLine = strText.substr(nAt, nEnd - nAt);
        nAt = nEnd + 1;
        ++nLine;
        if (strLine.empty() || strLine[0] == '#')
            continue;
        std::string fields[6];
        std::size_t nField = 0;
        for (std::size_t nFrom = 0; nField < 6; ++nField) {
            const std::size_t nTab = strLine.find('\t', nFrom);
            fields[nField] = strLine.substr(nFrom, nTab == std::string::npos ? std::string::npos : nTab - nFrom);
            if (nTab == std::string::npos) {
                ++nField;
                break;
            }
            nFrom = nTab + 1;
        }
        if (nField != 6 || fields[5].empty()) {
            Record("rule book: %s:%d: a row needs six fields, its source last", strPath.c_str(), nLine);
            return false;
        }
        s_rows[Key(fields[0].c_str(), fields[1].c_str())] = fields[5];
    }
    return true;
}

bool Start(HINSTANCE hDll)
{
    char szValue[MAX_PATH] = {};
    if (::GetEnvironmentVariableA("KORVANT_RULE_BOOK_LOG", szValue, MAX_PATH) != 0)
        s_strRecordPath = szValue;
    if (::GetEnvironmentVariableA("KORVANT_RULE_BOOK", szValue, MAX_PATH) == 0 ||
        (std::strcmp(szValue, "95") != 0 && std::strcmp(szValue, "nt4") != 0)) {
        Record("rule book: no setting (KORVANT_RULE_BOOK is 95 or nt4)");
        return false;
    }
    s_setting = std::strcmp(szValue, "95") == 0 ? SETTING_95 : SETTING_NT4;
    if (!ReadTable(FileBesideThisDll(hDll, "rules.tsv")))
        return false;

    bool bFit = true;
    for (std::size_t i = 0; i < g_nRules; ++i)
        if (s_rows.count(Key(g_rules[i].pszDll, g_rules[i].pszFunction)) == 0) {
            Record("rule book: the rule for %s has no row in the table", g_rules[i].pszFunction);
            bFit = false;
        }
    int nImports = 0;
    int nRuled = 0;
    ForEachImport(::GetModuleHandleA(nullptr), [&](const char* pszDll, const char* pszFunction, ULONG_PTR* pSlot) {
        ++nImports;
        const std::string strKey = Key(pszDll, pszFunction);
        const SRule* pRule = RuleFor(pszDll, pszFunction);
        if (s_rows.count(strKey) == 0) {
            Record("rule book: the program imports %s, which the table has no row for", strKey.c_str());
            bFit = false;
        } else if (pRule != nullptr && pRule->pRule == nullptr) {
            Record("rule book: the program imports %s, which %s does not have: it would not load there (%s)",
                   strKey.c_str(), SettingName(), s_rows[strKey].c_str());
            bFit = false;
        } else if (pRule == nullptr && s_setting == SETTING_95 && IsStubOn95(strKey)) {
            Record("rule book: the program imports %s, only a stub on the 95 family, and no rule answers as "
                   "the stub does",
                   strKey.c_str());
            bFit = false;
        } else if (pRule != nullptr) {
            ReplaceImportSlot(pSlot, pRule->pRule);
            ++nRuled;
        }
    });
    if (bFit)
        Record("rule book: %s: %d imports, each with its row, %d of them under a rule", SettingName(), nImports,
               nRuled);
    return bFit;
}

} // namespace

ESetting Setting()
{
    return s_setting;
}

void Record(const char* pszFormat, ...)
{
    char szLine[2048];
    va_list arguments;
    va_start(arguments, pszFormat);
    std::vsnprintf(szLine, sizeof szLine, pszFormat, arguments);
    va_end(arguments);
    ::EnterCriticalSection(&s_recordLock);
    FILE* pFile = s_strRecordPath.empty() ? nullptr : std::fopen(s_strRecordPath.c_str(), "a");
    std::fprintf(pFile != nullptr ? pFile : stderr, "%s\n", szLine);
    if (pFile != nullptr)
        std::fclose(pFile);
    ::LeaveCriticalSection(&s_recordLock);
}

void Refuse(const char* pszFunction, DWORD dwError, const char* pszWhy)
{
    std::string strSource = "no row";
    for (const auto& [strKey, strRowSource] : s_rows)
        if (strKey.compare(strKey.find('!') + 1, std::string::npos, pszFunction) == 0)
            strSource = strRowSource;
    Record("rule book: refused %s: %s (error %lu; %s)", pszFunction, pszWhy, dwError, strSource.c_str());
    ::SetLastError(dwError);
}

const SRule* RuleFor(const char* pszDll, const char* pszFunction)
{
    const std::string strKey = Key(pszDll, pszFunction);
    for (std::size_t i = 0; i < g_nRules; ++i)
        if ((g_rules[i].nSettings & s_setting) != 0 && Key(g_rules[i].pszDll, g_rules[i].pszFunction) == strKey)
            return &g_rules[i];
    return nullptr;
}

FARPROC WINAPI GetProcAddressUnderRules(HMODULE hModule, LPCSTR pszName)
{
    char szModule[MAX_PATH] = {};
    const DWORD nModule = ::GetModuleFileNameA(hModule, szModule, MAX_PATH);
    // A look-up by ordinal, or in no module, is the system's to answer.
    if (reinterpret_cast<ULONG_PTR>(pszName) <= 0xFFFF || nModule == 0)
        return ::GetProcAddress(hModule, pszName);
    const std::string strModule(szModule, nModule);
    const std::string strDll = strModule.substr(strModule.find_last_of("\\/") + 1);
    const std::string strKey = Key(strDll.c_str(), pszName);
    if (s_rows.count(strKey) == 0)
        Record("rule book: unreviewed: the program looked up %s, which the table has no row for", strKey.c_str());
    if (const SRule* pRule = RuleFor(strDll.c_str(), pszName)) {
        if (pRule->pRule == nullptr) {
            Refuse(pszName, ERROR_PROC_NOT_FOUND, "that Windows does not have it");
            return nullptr;
        }
        return reinterpret_cast<FARPROC>(pRule->pRule);
    }
    if (s_setting == SETTING_95 && IsStubOn95(strKey))
        Record("rule book: unreviewed: the program looked up %s, only a stub on the 95 family, and no rule "
               "answers as the stub does",
               strKey.c_str());
    return ::GetProcAddress(hModule, pszName);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hDll, DWORD dwReason, LPVOID)
{
    if (dwReason != DLL_PROCESS_ATTACH)
        return TRUE;
    ::InitializeCriticalSection(&s_recordLock);
    // A program the rule book cannot govern does not run at all: the launcher then ends it.
    return Start(hDll) ? TRUE : FALSE;
}
