#pragma once
// Fenêtre de la décomposition en éléments simples : fond, titre, puis le bloc des éléments simples.
#include <QRect>

#include "DessinPlace.h"
#include "TraceBlocsFormule.h"
#include "coeur/Document.h"

class QPainter;

// Places en pixels, tailles en points.
struct TMiseEnPageElemSimples {
    QColor Fond;
    QColor Titre;
    QPoint PositionTitre{30, 30};
    int TailleTitre = 13;
    QPoint PositionFormule{30, 100};
    TGabaritFormule Formule;
};

TMiseEnPageElemSimples MiseEnPageEcranElemSimples(const TDocument& doc, int largeurClient);

TDessinPlace PlaceElemSimples(const TDocument& doc, const TMiseEnPageElemSimples& m, const QPaintDevice& support);

void DessineElemSimples(QPainter& p, const QRect& zoneClient, const TDocument& doc);
