// What every page does when it opens, after the framework's own opening: the caption and
// the labels of the three buttons.
#pragma once

class CDialog;

inline constexpr char PAGE_CAPTION[] = "KORVANT 4.3 (Shareware) Setup";

// pszCancel is the label of the IDCANCEL button: "Cancel", or "Finish" on the last page.
void SetPageFrame(CDialog& page, const char* pszCancel = "Cancel");
