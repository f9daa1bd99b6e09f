// The text controls' painting on the real window system: every paint hands the control's
// drawing context back with the font it came with, before the paint ends. A font left selected
// is deleted while still in the context, which on the 95 family leaks it from a small GDI heap
// at every paint. The program's own calls to BeginPaint and EndPaint are watched through its
// import table; everything else is the system's.
#include "pages/WelcomePage.h"
#include "res/Resource.h"
#include "tools/windows-rules/ImportTable.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <map>

namespace {

using PBeginPaint = HDC(WINAPI*)(HWND, LPPAINTSTRUCT);
using PEndPaint = BOOL(WINAPI*)(HWND, const PAINTSTRUCT*);
PBeginPaint s_pfnBeginPaint = nullptr;
PEndPaint s_pfnEndPaint = nullptr;

// Per control id: its paints, and those that ended with another font than they began with.
struct SPaints
{
    int nPaints = 0;
    int nEndedWithAnotherFont = 0;
};
std::map<int, SPaints> s_paints;
std::map<HDC, HGDIOBJ> s_fontAtBegin;

HDC WINAPI WatchedBeginPaint(HWND hWnd, LPPAINTSTRUCT pPaint)
{
    const HDC hDC = s_pfnBeginPaint(hWnd, pPaint);
    if (hDC != nullptr)
        s_fontAtBegin[hDC] = ::GetCurrentObject(hDC, OBJ_FONT);
    return hDC;
}

BOOL WINAPI WatchedEndPaint(HWND hWnd, const PAINTSTRUCT* pPaint)
{
    SPaints& paints = s_paints[::GetDlgCtrlID(hWnd)];
    ++paints.nPaints;
    if (::GetCurrentObject(pPaint->hdc, OBJ_FONT) != s_fontAtBegin[pPaint->hdc])
        ++paints.nEndedWithAnotherFont;
    s_fontAtBegin.erase(pPaint->hdc);
    const BOOL bEnded = s_pfnEndPaint(hWnd, pPaint);
    // Once the bold title and a plain text have painted, the page has shown what it must.
    if (s_paints[IDC_TITLE1].nPaints > 0 && s_paints[IDC_TEXT1].nPaints > 0)
        ::PostMessageA(::GetParent(hWnd), WM_COMMAND, IDCANCEL, 0);
    return bEnded;
}

} // namespace

TEST(TextControlPaint, EveryPaintEndsWithTheFontItBeganWith)
{
    s_pfnBeginPaint = reinterpret_cast<PBeginPaint>(ReplaceImport("user32.dll", "BeginPaint",
                                                                  reinterpret_cast<void*>(&WatchedBeginPaint)));
    s_pfnEndPaint = reinterpret_cast<PEndPaint>(ReplaceImport("user32.dll", "EndPaint",
                                                              reinterpret_cast<void*>(&WatchedEndPaint)));
    ASSERT_NE(s_pfnBeginPaint, nullptr);
    ASSERT_NE(s_pfnEndPaint, nullptr);

    // The welcome page has both kinds: a bold title and three plain texts.
    CWelcomePage page;
    EXPECT_EQ(page.DoModal(), IDCANCEL);

    ASSERT_GT(s_paints[IDC_TITLE1].nPaints, 0);
    ASSERT_GT(s_paints[IDC_TEXT1].nPaints, 0);
    for (const auto& [nID, paints] : s_paints)
        EXPECT_EQ(paints.nEndedWithAnotherFont, 0)
            << "control " << nID << ": " << paints.nEndedWithAnotherFont << " of " << paints.nPaints
            << " paints ended with another font selected than the one they began with";
}
