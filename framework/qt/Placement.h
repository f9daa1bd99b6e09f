// A dialog's place on the toolkit: centred in the work area, as DS_CENTER has it on Windows.
#pragma once
#ifndef KORVANT_QT_BACK_END
#error "framework/qt's own header: outside the Qt back end, include framework/qt/WidgetAccess.h"
#endif

class QWidget;

// Places the window, before it is shown, so that its frame's centre is the centre of the
// work area of the screen that the pointer is on, and keeps it so once its frame is known.
void PlaceInTheCentre(QWidget& window);
