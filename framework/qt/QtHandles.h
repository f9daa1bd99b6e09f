// How the Qt back end stands behind the Windows handles: a window handle is the address of
// its toolkit widget, a font handle owns the toolkit's font with the description it was made
// from, and a paint context handle owns the painter of one paint. Only framework/qt and the
// Qt-side tests include this.
#pragma once

#include "framework/WinDefs.h"

#include <QFont>
#include <QPainter>
#include <QString>
#include <QWidget>

class CWnd;

struct HFONT__
{
    QFont font;
    LOGFONT logFont;
};

struct HDC__
{
    QPainter painter;
    int nBkMode = OPAQUE;
    // The painter's own font, from before the first selection, and the font selected now.
    HFONT__ ownFont{};
    HFONT__* pSelected = &ownFont;
};

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
void SetWidgetText(QWidget* pWidget, const QString& strText);

// The toolkit's text flags for DrawText's format: left and top aligned, and as DrawText says.
int TextFlagsFor(UINT nFormat);

// The description of a template's font: face and point size at 96 dots per inch.
LOGFONT MakeLogFont(const char* pszFaceName, int nPointSize);
