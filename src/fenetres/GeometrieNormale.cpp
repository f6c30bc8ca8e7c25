#include "GeometrieNormale.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

void PoseGeometrieNormale(QWidget& fenetre)
{
    const QScreen* ecran = fenetre.screen();
    if (!ecran)
        return;
    const QRect zoneUtile = ecran->availableGeometry();
    fenetre.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, zoneUtile.size() * 3 / 4, zoneUtile));
}
