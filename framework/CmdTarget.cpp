// The message-map lookup, the same on every back end: the derived class first, then its bases.
#include "CmdTarget.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY s_entries[] = {{0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP s_map = {nullptr, s_entries};
    return &s_map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

bool CCmdTarget::OnCmdMsg(UINT nMessage, UINT nID, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // The derived class's table comes first, so a handler of its own hides its base's.
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nMessage != 0; ++pEntry) {
            if (pEntry->nMessage != nMessage || (nMessage == WM_COMMAND && pEntry->nID != nID))
                continue;
            LRESULT lResult = 0;
            if (pEntry->pfnMsg != nullptr)
                lResult = (this->*pEntry->pfnMsg)(wParam, lParam);
            else
                (this->*pEntry->pfnCmd)();
            if (pResult != nullptr)
                *pResult = lResult;
            return true;
        }
    }
    return false;
}
