#pragma once
// Dessin calculé avant d'être peint : textes, traits et cadres à leur place.
// Le même calcul sert l'écran et le papier ; les tests interrogent les places.
#include <QColor>
#include <QFont>
#include <QLine>
#include <QRect>
#include <QString>
#include <vector>

#include "numerique/Complexes.h"

class QPainter;
class QPaintDevice;

struct TTextePlace {
    QString Texte;
    QPoint Position;  // coin haut-gauche du texte
    QFont Police;
    int TaillePoints = 0;
    QColor Couleur;
    int Largeur = 0;
    int Hauteur = 0;
    QRect Rectangle() const { return QRect(Position, QSize(Largeur, Hauteur)); }
};

struct TTraitPlace {
    QLine Ligne;
    QColor Couleur;
};

// Contour d'un rectangle allant de Coin1 à Coin2, le coin 2 exclu.
struct TCadrePlace {
    QPoint Coin1;
    QPoint Coin2;
    QColor Couleur;
};

struct TDessinPlace {
    QColor Fond;
    bool AvecFond = false;
    std::vector<TTextePlace> Textes;
    std::vector<TTraitPlace> Traits;
    std::vector<TCadrePlace> Cadres;

    // Premier texte égal à `texte`, ou nullptr.
    const TTextePlace* Cherche(const QString& texte) const;
};

// Taille en points rendue en pixels par la résolution du support (arrondi au plus proche).
int PixelsDePoints(Reel points, const QPaintDevice& support);
QFont PoliceArial(Reel taillePoints, const QPaintDevice& support, bool italique = false);
int LargeurTexte(const QString& texte, const QFont& police, const QPaintDevice& support);

// Ajoute le texte au dessin et rend l'abscisse de la plume après lui.
int PlaceTexte(TDessinPlace& dessin, const QString& texte, QPoint position, const QFont& police,
               int taillePoints, const QColor& couleur, const QPaintDevice& support);

// Peint le fond sur toute la zone, puis le dessin décalé au coin de la zone.
void PeintDessin(QPainter& p, const QRect& zone, const TDessinPlace& dessin);
