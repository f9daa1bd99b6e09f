// The writing core's Windows names on Windows: the system's own headers, without the parts
// that we never use and that would clash with the standard library (min and max).
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
