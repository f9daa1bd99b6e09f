// Resource and control ids shared by the page templates, the pages and the writer. The
// framework's own ids (IDOK, IDCANCEL, ID_HELP) are in framework/AfxRes.h.
#pragma once

// Page templates.
#define IDD_DRIVE 104
#define IDD_WELCOME 160
#define IDD_WRITE 161
#define IDD_FINISH 162
#define IDD_ERROR 163

// Bitmaps and icons.
#define IDI_SETUP 128
#define IDB_BANNER 130
#define IDI_WRITEERROR 130
#define IDB_WELCOME 132

// Page results and the frame's buttons besides the framework's IDOK and IDCANCEL.
#define IDC_PREV 1000
#define IDC_NEXT 1001

// Controls of the pages.
#define IDC_TITLE1 1010
#define IDC_TITLE2 1011
#define IDC_TEXT1 1012
#define IDC_TEXT2 1013
#define IDC_TEXT3 1014
#define IDC_TEXT4 1015
#define IDC_TEXT5 1016
#define IDC_TEXT6 1017
#define IDC_TEXT7 1018
#define IDC_RADIO1 1019
#define IDC_RADIO2 1020
#define IDC_PROGRESS 1024
