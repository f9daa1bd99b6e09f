// What may be known of the Qt back end outside it: the toolkit's widget behind a window, the
// text it shows, and the program's pictures as the toolkit has them, for the tests and tools
// that look at the pages as the user sees them. Every other header here is the back end's own.
#pragma once

#include "framework/WinDefs.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

class CWnd;

// On this back end a window handle is the address of its toolkit widget.
inline QWidget* WidgetOf(HWND hWnd)
{
    return reinterpret_cast<QWidget*>(hWnd);
}

inline HWND HandleOf(QWidget* pWidget)
{
    return reinterpret_cast<HWND>(pWidget);
}

// The widget a window object stands for now; nullptr without one.
QWidget* WidgetOf(const CWnd* pWnd);

// The window text of any control or dialog widget.
QString GetWidgetText(const QWidget* pWidget);

// A bitmap by resource id, from the resources built into the program; null if there is none.
QPixmap AfxLoadBitmap(UINT nIDResource);
