#include "LignesDroites.h"

#include <QBrush>
#include <QImage>
#include <QPaintEngine>
#include <QTransform>
#include <algorithm>
#include <compare>
#include <map>

namespace {
// Le pointillé d'un crayon de largeur 1 : un pixel posé, deux sautés, depuis le premier
// point de la ligne jusqu'au dernier compris.
constexpr int Periode = 3;

int Reste(int v)
{
    return ((v % Periode) + Periode) % Periode;
}

bool Verticale(const QLine& l)
{
    return l.x1() == l.x2();
}

// Un point seul suit d'autres règles de pinceau : il reste au crayon.
bool Remplacable(const QLine& l)
{
    return (l.x1() == l.x2()) != (l.y1() == l.y2());
}

bool CrayonRemplacable(const QPen& crayon)
{
    return (crayon.style() == Qt::SolidLine || crayon.style() == Qt::DotLine) && crayon.widthF() == 1 &&
           !crayon.isCosmetic() && crayon.brush().style() == Qt::SolidPattern && crayon.color().alpha() == 255 &&
           crayon.dashOffset() == 0 && crayon.capStyle() == Qt::SquareCap;
}

bool SurfaceRemplacable(const QPainter& p)
{
    return p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster &&
           p.deviceTransform().type() == QTransform::TxNone && !p.testRenderHint(QPainter::Antialiasing) &&
           p.compositionMode() == QPainter::CompositionMode_SourceOver && !p.hasClipping() &&
           CrayonRemplacable(p.pen());
}

QRect Rectangle(const QLine& l)
{
    return QRect(QPoint(std::min(l.x1(), l.x2()), std::min(l.y1(), l.y2())),
                 QPoint(std::max(l.x1(), l.x2()), std::max(l.y1(), l.y2())));
}

// Pointillés parallèles de mêmes bornes le long de leur axe et de même phase : un motif de
// trois pixels d'épaisseur, une colonne (ou ligne) posée par pointillé, répété sur la zone.
struct TGroupe {
    bool Verticaux = false;
    int Debut = 0;  // bornes le long de l'axe
    int Fin = 0;
    int Phase = 0;  // reste du premier point

    auto operator<=>(const TGroupe&) const = default;
};

TGroupe GroupeDe(const QLine& l)
{
    const bool v = Verticale(l);
    const int premier = v ? l.y1() : l.x1();
    const int dernier = v ? l.y2() : l.x2();
    return {v, std::min(premier, dernier), std::max(premier, dernier), Reste(premier)};
}

void RemplitPointilles(QPainter& p, const TGroupe& g, const std::vector<int>& positions, const QColor& couleur)
{
    const auto [bas, haut] = std::minmax_element(positions.begin(), positions.end());
    const int min = *bas;
    const int etendue = *haut - min + 1;
    const int rang = Reste(g.Phase - g.Debut);
    QImage motif = g.Verticaux ? QImage(etendue, Periode, QImage::Format_ARGB32_Premultiplied)
                               : QImage(Periode, etendue, QImage::Format_ARGB32_Premultiplied);
    motif.fill(Qt::transparent);
    for (const int pos : positions)
        motif.setPixelColor(g.Verticaux ? QPoint(pos - min, rang) : QPoint(rang, pos - min), couleur);
    QBrush brosse(motif);
    const QPoint coin = g.Verticaux ? QPoint(min, g.Debut) : QPoint(g.Debut, min);
    brosse.setTransform(QTransform::fromTranslate(coin.x(), coin.y()));
    const QSize taille = g.Verticaux ? QSize(etendue, g.Fin - g.Debut + 1) : QSize(g.Fin - g.Debut + 1, etendue);
    p.fillRect(QRect(coin, taille), brosse);
}

void TraceRemplace(QPainter& p, const std::vector<QLine>& lignes)
{
    const QColor couleur = p.pen().color();
    const bool pointille = p.pen().style() == Qt::DotLine;
    std::map<TGroupe, std::vector<int>> groupes;
    for (const QLine& l : lignes) {
        if (!Remplacable(l))
            p.drawLine(l);
        else if (!pointille)
            p.fillRect(Rectangle(l), couleur);
        else
            groupes[GroupeDe(l)].push_back(Verticale(l) ? l.x1() : l.y1());
    }
    const QPoint origine = p.brushOrigin();
    p.setBrushOrigin(0, 0);
    for (const auto& [groupe, positions] : groupes)
        RemplitPointilles(p, groupe, positions, couleur);
    p.setBrushOrigin(origine);
}
}

void TracerLignesDroites(QPainter& surface, const std::vector<QLine>& lignes)
{
    if (SurfaceRemplacable(surface))
        TraceRemplace(surface, lignes);
    else
        for (const QLine& l : lignes)
            surface.drawLine(l);
}
