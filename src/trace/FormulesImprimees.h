#pragma once
// Les trois blocs de formule sur le papier : écarts tirés des points et de la résolution, cadre
// à 2 mm des textes, tailles réduites tant que la fraction dépasse la page.
#include "TraceBlocsFormule.h"

class QPainter;

// Forme développée : réduite tant que sa fin atteint la largeur de la page moins 2 mm, jusqu'à
// l'exposant 2 ; fraction à h, 1,2 h et h / 2 de la taille retenue.
TGabaritFormule GabaritFormuleImprimee(const TDocument& doc, const QRect& page, int taille, int tailleExposant,
                                       bool couleur, const QPaintDevice& support);
// Forme factorisée : mêmes places, réduite tant qu'elle dépasse la page moins 2 mm, jusqu'à
// l'exposant 1 ; constantes proches de ±1 réduites à leur signe des deux côtés.
TGabaritFormule GabaritFactoriseeImprimee(const TDocument& doc, const QRect& page, int taille, int tailleExposant,
                                          bool couleur, const QPaintDevice& support);
// Éléments simples : fractions à 13/12 de la taille de part et d'autre de la ligne, exposants
// remontés de 5/12, nouvelle ligne 15 mm plus bas quand la page est pleine.
TGabaritFormule GabaritElementsImprimes(const TDocument& doc, const QRect& page, int taille, int tailleExposant,
                                        bool couleur, const QPaintDevice& support);

// « Kovra = », le retard, la fraction et son cadre, le haut gauche de « Kovra = » en `position` ;
// rend le coin bas-gauche du cadre.
QPoint ImprimeFormule(QPainter& p, const QRect& page, const TDocument& doc, QPoint position, int taille,
                      int tailleExposant, bool couleur);
