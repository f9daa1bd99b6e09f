// The program's string table.
#include "framework/core/StringResource.h"

const char* AfxFindStringResource(UINT nID)
{
    switch (nID) {
    case AFX_IDS_APP_TITLE:
        return "KORVANT Setup";
    default:
        return nullptr;
    }
}
