#include "IconeKovra.h"

#include <QPainter>
#include <QPainterPath>

QImage IconeKovra(int cote)
{
    QImage icone(cote, cote, QImage::Format_ARGB32_Premultiplied);
    icone.fill(Qt::white);
    QPainter p(&icone);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal c = cote;
    p.setPen(QPen(QColor(0, 128, 128), c / 16));
    p.drawRect(QRectF(c / 32, c / 32, c - c / 16, c - c / 16));
    // Palier, bosse de résonance, puis pente descendante.
    QPainterPath courbe(QPointF(c * 0.12, c * 0.45));
    courbe.lineTo(c * 0.40, c * 0.45);
    courbe.quadTo(c * 0.52, c * 0.12, c * 0.60, c * 0.48);
    courbe.lineTo(c * 0.88, c * 0.86);
    p.setPen(QPen(QColor(200, 30, 30), c / 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(courbe);
    return icone;
}
