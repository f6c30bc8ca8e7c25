#pragma once
// Décomposition en éléments simples : partie entière puis une fraction par pôle et puissance,
// renvoyées à la ligne quand la largeur manque.
#include <QRect>

#include "DessinPlace.h"
#include "coeur/Document.h"

class QPainter;

// Places en pixels, tailles en points ; l'écran et le papier ont chacun les leurs.
struct TMiseEnPageElemSimples {
    bool AvecFondEtTitre = true;
    QColor Fond;
    QColor Titre;
    QColor Formule;
    int Gauche = 30;
    int LigneTitre = 30;
    int TailleTitre = 13;
    int Taille = 9;
    int TailleExposant = 7;
    int PremiereLigne = 100;
    int Interligne = 100;
    int EcartNumerateur = 13;
    int EcartDenominateur = 13;
    int MonteeExposant = 5;
    int EcartBarre = 8;
    int SurplusFraction = 6;
    int LargeurLimite = 0;  // au-delà, l'élément part à la ligne suivante
};

TMiseEnPageElemSimples MiseEnPageEcranElemSimples(const TDocument& doc, int largeurClient);

TDessinPlace PlaceElemSimples(const TDocument& doc, const TMiseEnPageElemSimples& m, const QPaintDevice& support);

void DessineElemSimples(QPainter& p, const QRect& zoneClient, const TDocument& doc);
