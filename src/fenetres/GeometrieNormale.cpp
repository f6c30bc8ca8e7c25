#include "GeometrieNormale.h"

#include <QStyle>

QRect GeometrieNormale(const QRect& zoneUtile)
{
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, zoneUtile.size() * 3 / 4, zoneUtile);
}
