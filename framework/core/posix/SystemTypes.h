// The writing core's Windows names where there is no Windows: the same names and values, and
// a waitable handle of our own, which only a thread's end signals.
#pragma once

#include <cstdint>

using BOOL = int;
using UINT = unsigned int;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

class CWaitableHandle;
using HANDLE = CWaitableHandle*;

inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_APP = 0x8000;

inline constexpr DWORD INFINITE = 0xFFFFFFFF;
inline constexpr DWORD WAIT_OBJECT_0 = 0;
inline constexpr DWORD WAIT_TIMEOUT = 258;
inline constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;

constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high)
{
    return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}

// Waits until the handle is signalled or the time (in milliseconds, or INFINITE) has passed.
DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);
// A descriptor that poll(2) finds readable once the handle is signalled, for a wait that must
// go on serving other descriptors meanwhile (a window system's); -1 if there is none.
int GetHandlePollDescriptor(HANDLE hHandle);
