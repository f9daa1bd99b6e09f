// Dialog units to pixels. The templates were laid out for an 8-point dialog font at 96 dpi,
// whose average character is 6 x 13 pixels: a horizontal unit is a quarter of the width and
// a vertical unit an eighth of the height. We keep those numbers whatever font stands in.
#pragma once

#include "WinDefs.h"

inline constexpr int DLU_BASE_X = 6;
inline constexpr int DLU_BASE_Y = 13;

constexpr LONG MapDialogX(LONG x) { return x * DLU_BASE_X / 4; }
constexpr LONG MapDialogY(LONG y) { return y * DLU_BASE_Y / 8; }

// Each edge is mapped on its own, so neighbouring controls keep meeting where they met.
constexpr CRect MapDialogRect(LONG x, LONG y, LONG cx, LONG cy)
{
    return CRect(MapDialogX(x), MapDialogY(y), MapDialogX(x + cx), MapDialogY(y + cy));
}
