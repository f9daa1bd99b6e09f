// A page template as the Win32 dialog manager reads it: the DLGTEMPLATE record, built in
// memory from the same template data (res/Templates.cpp) that the Qt back end lays out.
#pragma once
#ifndef KORVANT_WIN32_BACK_END
#error "framework/win32's own header: it is for the Win32 back end alone"
#endif

#include "framework/DialogTemplate.h"

#include <vector>

// The dialog's window style: a caption and a modal frame, and nothing else (no close box,
// no icon, no resizing), centred on the screen, in the template's font.
inline constexpr DWORD KORVANT_DIALOG_STYLE = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_CENTER;

// The template as DialogBoxIndirectParam takes it: DWORD-aligned as the vector's data is.
// Pictures name their bitmap or icon by resource id, for the dialog manager to load from
// the program; the controls' texts are in the system's ANSI code page.
std::vector<DWORD> BuildDialogTemplate(const SDialogTemplate& dialogTemplate);
