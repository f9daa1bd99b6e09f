// A page template as data: the window's size and font and its controls in dialog units,
// the way a resource script describes a dialog. The order of the controls is their
// stacking order (the first on top) and their tab order.
#pragma once

#include "WinDefs.h"

#include <span>

enum class EWndClass {
    Static,    // text, picture, white area, frame or icon, after its SS_ type
    Button,    // push button, group box or radio button, after its BS_ type
    Progress,  // progress bar
};

struct SDialogItem
{
    int nID;              // -1 for controls that nobody addresses
    EWndClass wndClass;
    const char* pszText;  // window text; nullptr for pictures
    UINT nImage;          // bitmap or icon id of a picture; 0 otherwise
    DWORD dwStyle;
    DWORD dwExStyle;
    short x, y, cx, cy;   // dialog units
};

struct SDialogTemplate
{
    UINT nID;
    WORD wLanguage;       // the language the template is made for, e.g. 0x0407 German (Germany)
    short cx, cy;         // dialog units
    const char* pszFaceName;
    int nPointSize;
    std::span<const SDialogItem> items;
};

// The template with this id, or nullptr when there is none.
const SDialogTemplate* FindDialogTemplate(UINT nIDTemplate);
