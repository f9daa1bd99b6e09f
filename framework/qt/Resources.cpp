// Bitmaps and icons from the toolkit resources that the program brings (res/).
#include "Resources.h"

#include <QString>

QPixmap AfxLoadBitmap(UINT nIDResource)
{
    return QPixmap(QStringLiteral(":/bitmap/%1").arg(nIDResource));
}

QIcon AfxLoadIcon(UINT nIDResource)
{
    const QString strPath = QStringLiteral(":/icon/%1").arg(nIDResource);
    return QIcon(strPath);
}
