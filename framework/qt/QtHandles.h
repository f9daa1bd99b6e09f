// How the Qt back end stands behind the Windows handles: a window handle is the address of
// its toolkit widget, a font handle owns the toolkit's font with the description it was made
// from, and a paint context handle owns the painter of one paint. The back end's own: what
// others may know of it is in WidgetAccess.h.
#pragma once
#ifndef KORVANT_QT_BACK_END
#error "framework/qt's own header: outside the Qt back end, include framework/qt/WidgetAccess.h"
#endif

#include "WidgetAccess.h"

#include <QFont>
#include <QPainter>
#include <QString>
#include <QWidget>

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

void SetWidgetText(QWidget* pWidget, const QString& strText);

// The toolkit's text flags for DrawText's format: left and top aligned, and as DrawText says.
int TextFlagsFor(UINT nFormat);

// The description of a template's font: face and point size at 96 dots per inch.
LOGFONT MakeLogFont(const char* pszFaceName, int nPointSize);
