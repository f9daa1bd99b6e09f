// Strings by resource id, from the program's own string table, and the framework's own ids.
#pragma once

#include "Types.h"

// The program's title: what the framework calls the program when it was given no name.
inline constexpr UINT AFX_IDS_APP_TITLE = 0xE000;

// The string with this id in the program's string table; nullptr when there is none. The
// program supplies the table (res/Strings.cpp), as it supplies its dialog templates.
const char* AfxFindStringResource(UINT nID);
