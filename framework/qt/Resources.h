// Bitmaps and icons by resource id, from the resources built into the program.
#pragma once
#ifndef KORVANT_QT_BACK_END
#error "framework/qt's own header: outside the Qt back end, include framework/qt/WidgetAccess.h"
#endif

#include "WidgetAccess.h"

#include <QIcon>

// A null icon when there is no such resource; AfxLoadBitmap is in WidgetAccess.h.
QIcon AfxLoadIcon(UINT nIDResource);
