#include "TraceCouleurs.h"

#include <QPainter>
#include <cmath>

#include "CouleurQt.h"
#include "coeur/SchemaCouleurs.h"

namespace {

// Quotient arrondi à l'entier le plus proche, moitiés vers le pair.
int Proche(int numerateur, int denominateur)
{
    return int(std::nearbyint(double(numerateur) / double(denominateur)));
}

constexpr int LargeurBande = 40;

} // namespace

bool TGeometrieSelecteur::DansGrille(QPoint p) const
{
    return p.x() >= Grille.x() && p.x() < Grille.x() + CoteGrille && p.y() >= Grille.y()
        && p.y() < Grille.y() + CoteGrille;
}

bool TGeometrieSelecteur::DansBande(QPoint p) const
{
    return p.x() >= Bande.left() && p.x() <= Bande.left() + Bande.width() && p.y() >= Bande.top()
        && p.y() <= Bande.bottom();
}

QRect TGeometrieSelecteur::PlacePointeur() const
{
    const int droite = Bande.left() + Bande.width();
    return QRect(QPoint(droite + 5, Bande.top() - 3), QPoint(droite + 10, Bande.top() + 258));
}

TGeometrieSelecteur GeometrieSelecteur(QPoint titreCouleur, const QRect& cadreActuelle, const QRect& champR,
                                       const QRect& champB)
{
    TGeometrieSelecteur g;
    const int l = cadreActuelle.left();
    const int t = cadreActuelle.top();
    const int w = cadreActuelle.width();
    const int h = cadreActuelle.height();
    g.Grille = QPoint(titreCouleur.x(), t + Proche(h, 3));
    g.Bande = QRect(g.Grille.x() + CoteGrille - 1 + 20, g.Grille.y(), LargeurBande, CoteGrille);
    const int gauche = champR.left() + champR.width() + 20;
    g.Temoin = QRect(QPoint(gauche, champR.top()), QPoint(gauche + LargeurBande - 1, champB.bottom()));
    g.CouleurEnCours = QRect(QPoint(l + Proche(w, 6), t + Proche(h, 3)),
                             QPoint(l + Proche(5 * w, 6) - 1, t + Proche(2 * h, 3) - 1));
    return g;
}

void RemplitGrille(QImage& grille, int bleu)
{
    if (grille.size() != QSize(CoteGrille, CoteGrille) || grille.format() != QImage::Format_RGB32)
        grille = QImage(CoteGrille, CoteGrille, QImage::Format_RGB32);
    for (int i = 0; i < CoteGrille; ++i) {
        auto* ligne = reinterpret_cast<QRgb*>(grille.scanLine(i));
        const QRgb base = qRgb(i, 0, bleu);
        for (int j = 0; j < CoteGrille; ++j)
            ligne[j] = base | (QRgb(j) << 8);
    }
}

void DessineGrille(QPainter& p, const TGeometrieSelecteur& g, const QImage& grille)
{
    p.drawImage(g.Grille, grille);
}

void DessineBandeBleue(QPainter& p, const TGeometrieSelecteur& g)
{
    for (int i = 0; i < CoteGrille; ++i) {
        p.setPen(QColor(0, 0, i));
        const int y = g.Bande.top() + i;
        p.drawLine(g.Bande.left(), y, g.Bande.right(), y);
    }
}

void DessinePointeurBleu(QPainter& p, const TGeometrieSelecteur& g, int bleu, const QColor& fond)
{
    const QRect place = g.PlacePointeur();
    p.fillRect(place, fond);
    const int x = place.left();
    const int y = g.Grille.y() + bleu;
    p.setPen(QColor(0, 0, 255));
    // Trois segments plutôt qu'un polygone : chaque sommet est peint, pointe comprise.
    const QPoint pointe(x, y), bas(x + 5, y + 3), haut(x + 5, y - 3);
    p.drawLine(pointe, bas);
    p.drawLine(bas, haut);
    p.drawLine(haut, pointe);
}

void DessineBoiteCouleur(QPainter& p, const QRect& boite, quint32 couleur)
{
    p.fillRect(boite, CouleurQt(couleur));
}

void DessineSelecteur(QPainter& p, const QRegion& zone, const TGeometrieSelecteur& g, const TEtatSelecteur& etat,
                      const QImage& grille, const QColor& fond)
{
    if (zone.intersects(g.CouleurEnCours))
        DessineBoiteCouleur(p, g.CouleurEnCours, etat.CouleurEnCours);
    if (zone.intersects(g.PlaceGrille()))
        DessineGrille(p, g, grille);
    if (zone.intersects(g.Bande))
        DessineBandeBleue(p, g);
    if (zone.intersects(g.PlacePointeur()))
        DessinePointeurBleu(p, g, etat.Bleu, fond);
    if (zone.intersects(g.Temoin))
        DessineBoiteCouleur(p, g.Temoin, etat.CouleurTemoin);
}
