#pragma once
// Lieu d'Evans : les racines de D(p) + K.N(p) = 0 pour K de 0 à l'infini, dans le plan complexe
// à échelles égales, avec pôles, zéros, asymptotes, croisements de l'axe imaginaire et points
// de séparation. Une seule routine sert l'écran, la page imprimée et l'image.
#include <QPointF>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "MiseEnPage.h"
#include "Traceur.h"
#include "numerique/LieuEvans.h"
#include "numerique/PointsEvans.h"

struct TDocument;

// Ce que le dialogue d'échelles du lieu transmet au tracé.
struct TParamEvans {
    Reel ReMin = 0;
    Reel ReMax = 0;
    Reel ImMin = 0;
    Reel ImMax = 0;
    QString Titre;
};

struct TMiseEnPageEvans : TMiseEnPage {
    int EcartGraduationsDessous = 5;  // haut des graduations sous le cadre
    int EcartGraduationsGauche = 3;   // fin des graduations à gauche du cadre
    int DemiPole = 4;                 // demi-côté des croix des pôles, rayon des ronds des zéros
    int RayonMarque = 3;              // croisements et séparations
    int EpaisseurStabilite = 3;       // l'axe imaginaire, frontière de la stabilité
    int EcartTitre = 4;               // bas des textes au-dessus du cadre

    static TMiseEnPageEvans Ecran();
    static TMiseEnPageEvans Page(int resolution, bool couleur);
};

// Le relevé d'un lieu tracé : ses branches et points remarquables, la fonction qui les a
// donnés, son cadre en pixels et ce qu'il montre du plan complexe. La fenêtre garde celui de
// l'écran ; sa lecture à la souris et son tableau le relisent.
struct TTraceEvans {
    TLieuEvans Lieu;
    TPointsEvans Points;
    std::vector<Reel> Fonction;  // degrés et coefficients de N et D
    QRect Pixels;
    TCadreLieu Monde;
};

// Pixel d'un point du plan complexe sur ce tracé.
QPointF PixelEvans(const TTraceEvans& trace, TComplexe z);

// Le relevé du tracé ; rien quand rien n'est traçable (fonction constante, degré au-delà de 10,
// cadre vide) : le fond seul. Un tracé précédent de la même fonction au même cadre du monde
// prête ses branches, sans les recalculer.
std::optional<TTraceEvans> TracerEvans(QPainter& surface, const QRect& cible, const TDocument& doc,
                                       const TParamEvans& param, const TMiseEnPageEvans& mise,
                                       const TTraceEvans* precedent = nullptr);

// Cadre du monde à échelles égales dans ce rectangle de pixels : l'axe qui a de la place en
// trop s'élargit autour de son milieu.
TCadreLieu CadreEchellesEgales(const TParamEvans& param, int largeur, int hauteur);
