// The Windows names that our dialog layer and the pages share beyond the writing core's:
// window handles, window and control styles, messages, text drawing flags and the font
// description. On Windows they come from the system headers; elsewhere we define the same
// names and values, and the handles as Windows declares them: pointers to distinct
// incomplete types, which the back end maps to its own windows, fonts and painters. Each
// back end folder has its own SystemWinDefs.h, which the build puts on the include path.
#pragma once

#include "framework/core/Types.h"

#include "SystemWinDefs.h"

// A rectangle with the usual helpers.
struct CRect : RECT
{
    constexpr CRect() : RECT{0, 0, 0, 0} {}
    constexpr CRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
    constexpr LONG Width() const { return right - left; }
    constexpr LONG Height() const { return bottom - top; }
};
