#pragma once
// Les trois blocs de formule : forme développée, forme factorisée, éléments simples.
// Chacun écrit son en-tête à une position, ajuste ses tailles à la largeur permise et rend
// le coin bas-gauche de son cadre ; l'étude, la fenêtre des éléments simples et le papier
// les partagent, chacun avec son gabarit.
#include <QRect>

#include "DessinPlace.h"
#include "coeur/Document.h"

// Écarts d'une fraction en pixels, comptés depuis la ligne d'écriture.
struct TEcartsFraction {
    int Numerateur = 0;    // haut du numérateur au-dessus de la ligne
    int Denominateur = 0;  // haut du dénominateur au-dessous
    int Montee = 0;        // exposant au-dessus de son texte
    int Barre = 0;         // barre de fraction au-dessous
};
// Écarts tirés de la taille retenue après ajustement et de la taille demandée (points).
using TRegleEcarts = TEcartsFraction (*)(int tailleRetenue, int tailleDemandee, const QPaintDevice& support);

// Ce qu'un bloc a écrit, d'où son cadre est tiré.
struct TEtendueBloc {
    QPoint Position;        // coin haut-gauche de l'en-tête, sur la première ligne d'écriture
    int DerniereLigne = 0;  // ordonnée de la dernière ligne d'écriture
    int Fin = 0;            // bout droit de la fraction la plus longue
    QRect Textes;           // rectangle couvrant tous les textes écrits
    int TailleDemandee = 0;
    int HautDenominateurs = 0;  // haut des dénominateurs de la dernière ligne
};
// Rectangle du cadre, bords compris.
using TRegleCadre = QRect (*)(const TEtendueBloc& etendue, const QPaintDevice& support);

// Écran : places de la taille retenue (h, 1,2 x taille, h / 2), barre à 8 pixels sous la ligne.
TEcartsFraction EcartsEcran(int tailleRetenue, int tailleDemandee, const QPaintDevice& support);
// Écran, forme développée : les places restent celles de la taille demandée quand les termes rétrécissent.
TEcartsFraction EcartsEcranTailleDemandee(int tailleRetenue, int tailleDemandee, const QPaintDevice& support);
// Écran : 10 pixels à gauche de l'en-tête et à droite de la fraction, de 21 au-dessus de la
// première ligne à 40 au-dessous de la dernière.
QRect CadreEcran(const TEtendueBloc& etendue, const QPaintDevice& support);

// Tailles en points, converties par la résolution du support ; écarts et cadre par les règles.
struct TGabaritFormule {
    int Taille = 9;
    int TailleExposant = 7;
    int ExposantMin = 2;        // les formes rétrécissent d'un point à la fois jusqu'à cet exposant
    int LargeurLimite = 0;      // abscisse que la fin d'une fraction ne doit pas dépasser
    Reel ToleranceNumerateur = 0;  // constante factorisée du numérateur omise à cette distance de ±1
    int Interligne = 100;       // éléments simples : descente quand la ligne est pleine
    int SurplusFraction = 6;    // éléments simples : largeur ajoutée à chaque fraction
    TRegleEcarts Ecarts = EcartsEcran;
    TRegleCadre Cadre = CadreEcran;  // nul : pas de cadre
    QColor Texte;               // textes et barres
    QColor Trait;               // cadre
};

struct TBlocPlace {
    QPoint BasGauche;  // coin bas-gauche du cadre, ou des textes quand il n'y en a pas
    int Taille = 0;    // tailles retenues après ajustement
    int TailleExposant = 0;
};

// "Kovra = ", le retard s'il y en a un, puis N(p) / D(p) en polynômes de p.
TBlocPlace PlaceFormeDeveloppee(TDessinPlace& dessin, const TDocument& doc, QPoint position,
                                const TGabaritFormule& gabarit, const QPaintDevice& support);
// "G(p) = ", puis la constante et les facteurs de N et de D.
TBlocPlace PlaceFormeFactorisee(TDessinPlace& dessin, const TDocument& doc, QPoint position,
                                const TGabaritFormule& gabarit, const QPaintDevice& support);
// "G(p) = ", la partie entière puis une fraction par pôle et puissance, renvoyées à la ligne sous
// la première quand la largeur manque.
TBlocPlace PlaceElementsSimples(TDessinPlace& dessin, const TDocument& doc, QPoint position,
                                const TGabaritFormule& gabarit, const QPaintDevice& support);
