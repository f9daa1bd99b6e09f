// The functions a module imports by name, each with the slot the loader filled in with the
// function's address: pointing a slot elsewhere puts a function of ours between the module
// and the system for every call the module makes through it.
#pragma once

#include <windows.h>

#include <cstring>

// Calls visit(pszDll, pszFunction, pSlot) for each function hModule imports by name.
template <typename FVisit>
void ForEachImport(HMODULE hModule, FVisit&& visit)
{
    auto* pBase = reinterpret_cast<BYTE*>(hModule);
    const auto* pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase);
    const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0)
        return;
    for (auto* pDll = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(pBase + imports.VirtualAddress);
         pDll->Name != 0; ++pDll) {
        const auto* pszDll = reinterpret_cast<const char*>(pBase + pDll->Name);
        auto* pName = reinterpret_cast<const IMAGE_THUNK_DATA*>(pBase + pDll->OriginalFirstThunk);
        auto* pSlot = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDll->FirstThunk);
        for (; pName->u1.AddressOfData != 0; ++pName, ++pSlot) {
            if (IMAGE_SNAP_BY_ORDINAL(pName->u1.Ordinal))
                continue;
            const auto* pByName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(pBase + pName->u1.AddressOfData);
            visit(pszDll, reinterpret_cast<const char*>(pByName->Name), &pSlot->u1.Function);
        }
    }
}

// Points the slot at pReplacement; returns what it pointed at before.
inline void* ReplaceImportSlot(ULONG_PTR* pSlot, void* pReplacement)
{
    DWORD dwOld = 0;
    ::VirtualProtect(pSlot, sizeof *pSlot, PAGE_READWRITE, &dwOld);
    void* pBefore = reinterpret_cast<void*>(*pSlot);
    *pSlot = reinterpret_cast<ULONG_PTR>(pReplacement);
    ::VirtualProtect(pSlot, sizeof *pSlot, dwOld, &dwOld);
    return pBefore;
}

// Points this program's import of pszFunction from pszDll at pReplacement; returns what it
// pointed at before, or nullptr when the program does not import it.
inline void* ReplaceImport(const char* pszDll, const char* pszFunction, void* pReplacement)
{
    void* pBefore = nullptr;
    ForEachImport(::GetModuleHandleA(nullptr), [&](const char* pszImportDll, const char* pszName, ULONG_PTR* pSlot) {
        if (pBefore == nullptr && ::lstrcmpiA(pszImportDll, pszDll) == 0 && std::strcmp(pszName, pszFunction) == 0)
            pBefore = ReplaceImportSlot(pSlot, pReplacement);
    });
    return pBefore;
}
