// The five page templates. Every page is 331 x 216 units in 8-point "MS Shell Dlg"; the
// interior pages share the banner, title, subtitle and first body line at the top, and all
// pages the etched line and the three buttons at the bottom. The texts here are only
// placeholders: each page puts its own texts in when it opens.
#include "Resource.h"
#include "framework/AfxRes.h"
#include "framework/DialogTemplate.h"

namespace {

constexpr DWORD LTEXT = SS_LEFT | WS_GROUP;
constexpr DWORD PUSHBUTTON = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD DEFPUSHBUTTON = BS_DEFPUSHBUTTON | WS_TABSTOP;
constexpr DWORD SEPARATOR = SS_BLACKFRAME | SS_SUNKEN;

const char s_szFace[] = "MS Shell Dlg";
constexpr int s_nPointSize = 8;
// The templates are German (Germany) resources; the page texts are English and come from code.
constexpr WORD s_wGerman = 0x0407;
constexpr short s_cxPage = 331;
constexpr short s_cyPage = 216;

using enum EWndClass;

const SDialogItem s_welcome[] = {
    {IDC_TITLE1, Static, "<IDC_TITLE1>", 0, LTEXT, WS_EX_TRANSPARENT, 122, 8, 195, 26},
    {IDC_TEXT1, Static, "<IDC_TEXT1>", 0, LTEXT, WS_EX_TRANSPARENT, 122, 40, 195, 25},
    {IDC_TEXT2, Static, "<IDC_TEXT2>", 0, LTEXT, WS_EX_TRANSPARENT, 122, 76, 195, 29},
    {IDC_TEXT3, Static, "<IDC_TEXT3>", 0, LTEXT, WS_EX_TRANSPARENT, 122, 154, 195, 26},
    {-1, Static, nullptr, 0, SS_WHITERECT, 0, 110, 0, 221, 185},
    {-1, Static, nullptr, IDB_WELCOME, SS_BITMAP, 0, 0, 0, 110, 185},
    {-1, Static, nullptr, 0, SEPARATOR, 0, 0, 185, 331, 1},
    {IDC_PREV, Button, "< Prev", 0, PUSHBUTTON | WS_DISABLED, 0, 166, 194, 50, 14},
    {IDC_NEXT, Button, "Next >", 0, DEFPUSHBUTTON, 0, 215, 194, 50, 14},
    {IDCANCEL, Button, "Cancel", 0, PUSHBUTTON, 0, 271, 194, 50, 14},
};

const SDialogItem s_drive[] = {
    {IDC_TITLE1, Static, "<IDC_TITLE1>", 0, LTEXT, WS_EX_TRANSPARENT, 15, 8, 301, 12},
    {IDC_TITLE2, Static, "<IDC_TITLE2>", 0, LTEXT, WS_EX_TRANSPARENT, 28, 20, 288, 12},
    {-1, Static, nullptr, IDB_BANNER, SS_BITMAP, 0, 0, 0, 331, 36},
    {IDC_TEXT1, Static, "<IDC_TEXT1>", 0, LTEXT, 0, 28, 44, 288, 8},
    {IDC_RADIO1, Button, "&A:", 0, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 36, 76, 158, 10},
    {IDC_RADIO2, Button, "&B:", 0, BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 36, 89, 158, 10},
    {IDC_TEXT3, Static, "<IDC_TEXT3>", 0, LTEXT, 0, 28, 114, 288, 24},
    {IDC_TEXT2, Button, "<IDC_TEXT2>", 0, BS_GROUPBOX, 0, 28, 64, 174, 42},
    {-1, Static, nullptr, 0, SEPARATOR, 0, 0, 185, 331, 1},
    {IDC_PREV, Button, "< Prev", 0, PUSHBUTTON, 0, 166, 194, 50, 14},
    {IDC_NEXT, Button, "Next >", 0, DEFPUSHBUTTON, 0, 215, 194, 50, 14},
    {IDCANCEL, Button, "Cancel", 0, PUSHBUTTON, 0, 271, 194, 50, 14},
    {IDC_TEXT4, Static, "<IDC_TEXT4>", 0, LTEXT, 0, 28, 149, 288, 24},
};

const SDialogItem s_write[] = {
    {IDC_TITLE1, Static, "<IDC_TITLE1>", 0, LTEXT, WS_EX_TRANSPARENT, 15, 8, 301, 12},
    {IDC_TITLE2, Static, "<IDC_TITLE2>", 0, LTEXT, WS_EX_TRANSPARENT, 28, 20, 288, 12},
    {-1, Static, nullptr, IDB_BANNER, SS_BITMAP, 0, 0, 0, 331, 36},
    {IDC_TEXT1, Static, "<IDC_TEXT1>", 0, LTEXT, 0, 28, 44, 288, 8},
    {-1, Static, nullptr, 0, SEPARATOR, 0, 0, 185, 331, 1},
    {IDC_PREV, Button, "< Prev", 0, PUSHBUTTON | WS_DISABLED, 0, 166, 194, 50, 14},
    {IDC_NEXT, Button, "Next >", 0, PUSHBUTTON | WS_DISABLED, 0, 215, 194, 50, 14},
    {IDCANCEL, Button, "Cancel", 0, PUSHBUTTON, 0, 271, 194, 50, 14},
    {IDC_PROGRESS, Progress, nullptr, 0, WS_BORDER, 0, 28, 91, 288, 14},
};

const SDialogItem s_finish[] = {
    {IDC_TITLE1, Static, "<IDC_TITLE1>", 0, LTEXT, WS_EX_TRANSPARENT, 15, 8, 301, 12},
    {IDC_TITLE2, Static, "<IDC_TITLE2>", 0, LTEXT, WS_EX_TRANSPARENT, 28, 20, 288, 12},
    {-1, Static, nullptr, IDB_BANNER, SS_BITMAP, 0, 0, 0, 331, 36},
    {IDC_TEXT1, Static, "<IDC_TEXT1>", 0, LTEXT, 0, 28, 44, 288, 8},
    {IDC_TEXT2, Static, "<IDC_TEXT2>", 0, LTEXT, 0, 28, 114, 288, 24},
    {-1, Static, nullptr, 0, SEPARATOR, 0, 0, 185, 331, 1},
    {IDC_PREV, Button, "< Prev", 0, PUSHBUTTON | WS_DISABLED, 0, 166, 194, 50, 14},
    {IDC_NEXT, Button, "Next >", 0, PUSHBUTTON | WS_DISABLED, 0, 215, 194, 50, 14},
    {IDCANCEL, Button, "Finish", 0, DEFPUSHBUTTON, 0, 271, 194, 50, 14},
    {IDC_TEXT3, Static, "<IDC_TEXT3>", 0, LTEXT, 0, 28, 149, 288, 24},
};

const SDialogItem s_error[] = {
    {IDC_TITLE1, Static, "<IDC_TITLE1>", 0, LTEXT, WS_EX_TRANSPARENT, 15, 8, 301, 12},
    {IDC_TITLE2, Static, "<IDC_TITLE2>", 0, LTEXT, WS_EX_TRANSPARENT, 28, 20, 288, 12},
    {-1, Static, nullptr, IDB_BANNER, SS_BITMAP, 0, 0, 0, 331, 36},
    {IDC_TEXT1, Static, "<IDC_TEXT1>", 0, LTEXT, 0, 28, 44, 288, 8},
    {IDC_TEXT2, Static, "<IDC_TEXT2>", 0, LTEXT, 0, 116, 66, 200, 24},
    {-1, Static, nullptr, 0, SEPARATOR, 0, 0, 185, 331, 1},
    {IDC_PREV, Button, "< Prev", 0, PUSHBUTTON | WS_DISABLED, 0, 166, 194, 50, 14},
    {IDC_NEXT, Button, "Next >", 0, PUSHBUTTON | WS_DISABLED, 0, 215, 194, 50, 14},
    {IDCANCEL, Button, "Cancel", 0, DEFPUSHBUTTON, 0, 271, 194, 50, 14},
    {IDC_TEXT7, Static, "<IDC_TEXT7>", 0, LTEXT, 0, 28, 149, 288, 24},
    {IDC_TEXT4, Static, "<IDC_TEXT4>", 0, LTEXT, 0, 116, 92, 200, 8},
    {IDC_TEXT6, Static, "<IDC_TEXT6>", 0, LTEXT, 0, 116, 105, 200, 8},
    {IDC_TEXT3, Static, "<IDC_TEXT3>", 0, LTEXT, 0, 38, 92, 76, 8},
    {IDC_TEXT5, Static, "<IDC_TEXT5>", 0, LTEXT, 0, 38, 105, 76, 8},
    {-1, Static, nullptr, IDI_WRITEERROR, SS_ICON, 0, 38, 66, 20, 20},
};

const SDialogTemplate s_templates[] = {
    {IDD_WELCOME, s_wGerman, s_cxPage, s_cyPage, s_szFace, s_nPointSize, s_welcome},
    {IDD_DRIVE, s_wGerman, s_cxPage, s_cyPage, s_szFace, s_nPointSize, s_drive},
    {IDD_WRITE, s_wGerman, s_cxPage, s_cyPage, s_szFace, s_nPointSize, s_write},
    {IDD_FINISH, s_wGerman, s_cxPage, s_cyPage, s_szFace, s_nPointSize, s_finish},
    {IDD_ERROR, s_wGerman, s_cxPage, s_cyPage, s_szFace, s_nPointSize, s_error},
};

} // namespace

const SDialogTemplate* FindDialogTemplate(UINT nIDTemplate)
{
    for (const SDialogTemplate& dialogTemplate : s_templates)
        if (dialogTemplate.nID == nIDTemplate)
            return &dialogTemplate;
    return nullptr;
}
