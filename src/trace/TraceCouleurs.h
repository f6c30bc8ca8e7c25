#pragma once
// Sélecteur de couleur du dialogue des couleurs : grille rouge-vert à un niveau de bleu,
// bande bleue et son pointeur, témoin et couleur actuelle. Les rectangles s'entendent
// bord droit et bas exclus, sauf la bande, dont la dernière ligne est gy + 255.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>

class QPainter;

inline constexpr int CoteGrille = 256;

struct TGeometrieSelecteur {
    QPoint Grille;          // origine : rouge 0 et vert 0
    QRect Bande;            // 40 colonnes, 256 lignes
    QRect Temoin;
    QRect CouleurEnCours;

    bool DansGrille(QPoint p) const;
    // Bornes comprises, bord droit de la bande compris.
    bool DansBande(QPoint p) const;
    QRect PlaceGrille() const { return QRect(Grille, QSize(CoteGrille, CoteGrille)); }
    // Bande de fond où le pointeur se dessine, à droite de la bande.
    QRect PlacePointeur() const;
};

// Calcul fait une fois, d'après les places des contrôles : le titre « Choisir une couleur »,
// le cadre de la couleur actuelle, et les champs R et B.
TGeometrieSelecteur GeometrieSelecteur(QPoint titreCouleur, const QRect& cadreActuelle, const QRect& champR,
                                       const QRect& champB);

// Image 256 × 256 : rangée i = rouge i, colonne j = vert j, au niveau de bleu donné.
void RemplitGrille(QImage& grille, int bleu);

void DessineGrille(QPainter& p, const TGeometrieSelecteur& g, const QImage& grille);
void DessineBandeBleue(QPainter& p, const TGeometrieSelecteur& g);
// Efface l'ancien pointeur avec le fond, puis la flèche bleue au niveau donné.
void DessinePointeurBleu(QPainter& p, const TGeometrieSelecteur& g, int bleu, const QColor& fond);
// Boîte remplie et bordée de la couleur (valeur du schéma, rouge dans l'octet faible).
void DessineBoiteCouleur(QPainter& p, const QRect& boite, quint32 couleur);

struct TEtatSelecteur {
    quint32 CouleurEnCours = 0;
    quint32 CouleurTemoin = 0;
    int Bleu = 0;
};

// Peinture complète, dans l'ordre : couleur actuelle, grille, bande, pointeur, témoin.
// Seules les parties qui touchent `zone` sont peintes : un témoin qui suit la souris ne
// repeint jamais la grille.
void DessineSelecteur(QPainter& p, const QRegion& zone, const TGeometrieSelecteur& g, const TEtatSelecteur& etat,
                      const QImage& grille, const QColor& fond);
