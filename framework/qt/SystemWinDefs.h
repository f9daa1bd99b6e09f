// The dialog layer's Windows names on the toolkit: the same names and values as Windows has,
// and the handles as pointers to the incomplete types that QtHandles.h completes.
#pragma once

#include "framework/core/Types.h"

using LONG = std::int32_t;
using BYTE = std::uint8_t;
using LRESULT = std::intptr_t;

struct HWND__;
using HWND = HWND__*;
struct HFONT__;
using HFONT = HFONT__*;
struct HDC__;
using HDC = HDC__*;

constexpr unsigned LOWORD(std::uintptr_t value) { return static_cast<unsigned>(value & 0xFFFFu); }
constexpr unsigned HIWORD(std::uintptr_t value) { return static_cast<unsigned>((value >> 16) & 0xFFFFu); }
constexpr LPARAM MAKELPARAM(unsigned low, unsigned high)
{
    return static_cast<LPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}

inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_GETFONT = 0x0031;

// Window styles.
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_EX_TRANSPARENT = 0x00000020;

// Static control styles.
inline constexpr DWORD SS_LEFT = 0x00;
inline constexpr DWORD SS_ICON = 0x03;
inline constexpr DWORD SS_WHITERECT = 0x06;
inline constexpr DWORD SS_BLACKFRAME = 0x07;
inline constexpr DWORD SS_BITMAP = 0x0E;
inline constexpr DWORD SS_TYPEMASK = 0x1F;
inline constexpr DWORD SS_SUNKEN = 0x1000;

// Button styles.
inline constexpr DWORD BS_PUSHBUTTON = 0x0;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
inline constexpr DWORD BS_GROUPBOX = 0x7;
inline constexpr DWORD BS_AUTORADIOBUTTON = 0x9;
inline constexpr DWORD BS_TYPEMASK = 0xF;

// Text drawing.
inline constexpr UINT DT_WORDBREAK = 0x0010;
inline constexpr UINT DT_NOCLIP = 0x0100;
inline constexpr UINT DT_NOPREFIX = 0x0800;
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

inline constexpr LONG FW_NORMAL = 400;
inline constexpr LONG FW_BOLD = 700;
inline constexpr int LF_FACESIZE = 32;

struct LOGFONT
{
    LONG lfHeight;  // negative: the character height in pixels; positive: the cell height
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];
};

struct RECT
{
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct PAINTSTRUCT
{
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};
