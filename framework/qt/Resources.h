// Bitmaps and icons by resource id, from the resources built into the program.
#pragma once

#include "framework/WinDefs.h"

#include <QIcon>
#include <QPixmap>

// A null pixmap or icon when there is no such resource.
QPixmap AfxLoadBitmap(UINT nIDResource);
QIcon AfxLoadIcon(UINT nIDResource);
