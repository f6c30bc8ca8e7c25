#pragma once
// Diagramme de Bode : gain et déphasage sur le même axe logarithmique des fréquences.
// Une seule routine sert l'écran et la page imprimée ; seule la mise en page change.
#include <QRect>
#include <QString>

#include "numerique/Complexes.h"

struct TDocument;
class QPainter;

// Ce que le dialogue des échelles transmet, avant tout arrondi.
struct TParamBode {
    Reel FreqMin = 0;  // Hz
    Reel FreqMax = 0;
    Reel GainMin = 0;  // dB
    Reel GainMax = 0;
    QString Titre;
};

// Positions en fractions du rectangle cible, décalages en pixels, tailles de police en points.
struct TMiseEnPageBode {
    Reel Gauche = 0.05L;
    Reel Droite = 0.95L;
    Reel GainHaut = 0.05L;
    Reel GainBas = 0.45L;
    Reel PhaseHaut = 0.52L;
    Reel PhaseBas = 0.92L;
    int NbPoints = 2000;
    int EcartGraduations = 2;         // fin des graduations à gauche du cadre
    QString ReferenceDecade = "10";   // texte dont la demi-largeur centre le « 10 » des décades
    int DecalageDecade = 5;           // haut du « 10 » sous le bord du cadre
    int DecalageExposant = 1;         // haut de l'exposant sous le bord du cadre
    int NomX = 50;                    // « Gain (dB) » et « Déphasage (degrés) » depuis le coin du cadre
    int NomY = -18;
    int TitreDiagramme = 20;          // haut de « Diagramme de Bode » au-dessus du cadre
    int TitreUtilisateur = 16;        // haut du titre sous le cadre des phases
    bool AvecTitreUtilisateur = true;
    bool RemplitFond = true;
    bool Couleur = true;
    Reel TailleGraduations = 8;
    Reel TailleDecade = 9;
    Reel TailleExposant = 7;
    Reel TailleNoms = 10;
    Reel TailleTitreDiagramme = 11;
    Reel TailleTitreUtilisateur = 13;
    int EpaisseurCourbe = 1;
    int EpaisseurAxe = 2;
    int EpaisseurCadre = 2;           // bords bas et droit ; haut et gauche en 1
    bool MemoriseEchantillons = true; // l'écran seul écrit les échelles et les points du document
};

// Faux quand les échelles ne permettent aucun tracé (fréquences non positives, moins d'une
// décade, étendue de gain nulle) : le fond seul est rempli et aucun point n'est gardé.
bool TracerBode(QPainter& surface, const QRect& cible, TDocument& doc, const TParamBode& param,
                const TMiseEnPageBode& mise);
