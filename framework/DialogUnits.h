// Dialog units to pixels. The templates were laid out for an 8-point dialog font at 96 dpi,
// whose average character is 6 x 13 pixels: a horizontal unit is a quarter of the width and
// a vertical unit an eighth of the height. We keep those numbers whatever font stands in.
#pragma once

#include "WinDefs.h"

inline constexpr int DLU_BASE_X = 6;
inline constexpr int DLU_BASE_Y = 13;

// nNumber * nNumerator / nDenominator rounded to the nearest integer, halves away from zero,
// as the system's MulDiv does (positive denominators only).
constexpr LONG DialogMulDiv(LONG nNumber, LONG nNumerator, LONG nDenominator)
{
    const LONG nProduct = nNumber * nNumerator;
    return nProduct >= 0 ? (nProduct + nDenominator / 2) / nDenominator : -((-nProduct + nDenominator / 2) / nDenominator);
}

constexpr LONG MapDialogX(LONG x) { return DialogMulDiv(x, DLU_BASE_X, 4); }
constexpr LONG MapDialogY(LONG y) { return DialogMulDiv(y, DLU_BASE_Y, 8); }

// A control's place as the dialog manager makes it from a template: its position and its
// size are each mapped on their own, so a control is as large wherever it stands.
constexpr CRect MapDialogRect(LONG x, LONG y, LONG cx, LONG cy)
{
    const LONG left = MapDialogX(x);
    const LONG top = MapDialogY(y);
    return CRect(left, top, left + MapDialogX(cx), top + MapDialogY(cy));
}
