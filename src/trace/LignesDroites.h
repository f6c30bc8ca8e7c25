#pragma once
// Lignes horizontales et verticales d'un même crayon, en pixels, tracées d'un coup : une
// grille serrée en compte des milliers, et le crayon pose ses pixels un à un.
#include <QLine>
#include <QPainter>
#include <vector>

// Sur une image sans transformation ni lissage, un crayon plein ou pointillé de largeur 1
// devient des rectangles et des motifs qui posent exactement les mêmes pixels ; ailleurs
// (PDF, SVG, imprimante, autre crayon, ligne oblique) les lignes sont tracées une à une.
void TracerLignesDroites(QPainter& surface, const std::vector<QLine>& lignes);
