#pragma once
// Taille normale des fenêtres de dessin maximisées à l'ouverture.
#include <QRect>

// Hors maximisation, le dessin doit rester lisible : trois quarts de la zone utile, au centre.
QRect GeometrieNormale(const QRect& zoneUtile);
