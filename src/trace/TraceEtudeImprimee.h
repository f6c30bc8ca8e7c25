#pragma once
// L'étude sur une page à l'italienne : forme développée, forme factorisée, éléments simples,
// tableau des zéros et des pôles, verdict de stabilité ; couleurs selon `ImpressionCouleur`.
#include <QRect>

#include "DessinPlace.h"
#include "coeur/Document.h"

class QPainter;

TDessinPlace PlaceEtudeImprimee(const TDocument& doc, const QRect& page, int resolution, const QPaintDevice& support);

void ImprimeEtude(QPainter& p, const QRect& page, int resolution, const TDocument& doc);
