#include "LignesDroites.h"

#include <QBrush>
#include <QImage>
#include <QPaintEngine>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <compare>
#include <map>

namespace {
// Le pointillé d'un crayon de largeur 1 : un pixel posé, deux sautés, depuis le premier
// point de la ligne jusqu'au dernier compris.
constexpr int PeriodePointille = 3;

int Reste(int v, int periode)
{
    return ((v % periode) + periode) % periode;
}

bool Verticale(const QLine& l)
{
    return l.x1() == l.x2();
}

// Un point seul suit d'autres règles de pinceau : il reste au crayon. Une ligne qui sort de
// la surface reprend son pointillé au bord : elle aussi.
bool Remplacable(const QLine& l, const QRect& surface, const QTransform& monde)
{
    return (l.x1() == l.x2()) != (l.y1() == l.y2()) && surface.contains(monde.map(l.p1())) &&
           surface.contains(monde.map(l.p2()));
}

bool TranslationEntiere(const QTransform& t)
{
    return t.type() <= QTransform::TxTranslate && t.dx() == std::round(t.dx()) && t.dy() == std::round(t.dy());
}

bool CrayonRemplacable(const QPen& crayon)
{
    return (crayon.style() == Qt::SolidLine || crayon.style() == Qt::DotLine) && crayon.widthF() == 1 &&
           !crayon.isCosmetic() && crayon.brush().style() == Qt::SolidPattern && crayon.color().alpha() == 255 &&
           crayon.dashOffset() == 0 && crayon.capStyle() == Qt::SquareCap;
}

bool SurfaceRemplacable(const QPainter& p)
{
    // Un widget est décalé dans sa fenêtre : une translation entière ne change pas le motif.
    return p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster &&
           TranslationEntiere(p.deviceTransform()) && TranslationEntiere(p.worldTransform()) &&
           !p.testRenderHint(QPainter::Antialiasing) &&
           p.compositionMode() == QPainter::CompositionMode_SourceOver && !p.hasClipping() &&
           CrayonRemplacable(p.pen());
}

QRect Rectangle(const QLine& l)
{
    return QRect(QPoint(std::min(l.x1(), l.x2()), std::min(l.y1(), l.y2())),
                 QPoint(std::max(l.x1(), l.x2()), std::max(l.y1(), l.y2())));
}

// Colonnes de mêmes bornes et de même motif : une ligne de motif, une colonne posée par
// ligne tracée, répétée sur la zone. Un rectangle d'un pixel de large se remplirait rangée
// par rangée, aussi lentement que le crayon.
struct TGroupe {
    int Haut = 0;
    int Bas = 0;
    int Periode = 1;
    int Phase = 0;  // rangée du premier point, modulo la période

    auto operator<=>(const TGroupe&) const = default;
};

TGroupe GroupeDe(const QLine& l, int periode)
{
    return {std::min(l.y1(), l.y2()), std::max(l.y1(), l.y2()), periode, Reste(l.y1(), periode)};
}

QBrush Motif(const QImage& image, QPoint coin)
{
    QBrush brosse(image);
    brosse.setTransform(QTransform::fromTranslate(coin.x(), coin.y()));
    return brosse;
}

void RemplitColonnes(QPainter& p, const TGroupe& g, const std::vector<int>& colonnes, const QColor& couleur)
{
    const auto [gauche, droite] = std::minmax_element(colonnes.begin(), colonnes.end());
    const QPoint coin(*gauche, g.Haut);
    QImage motif(*droite - *gauche + 1, g.Periode, QImage::Format_ARGB32_Premultiplied);
    motif.fill(Qt::transparent);
    const int rangee = Reste(g.Phase - g.Haut, g.Periode);
    for (const int x : colonnes)
        motif.setPixelColor(x - coin.x(), rangee, couleur);
    p.fillRect(QRect(coin, QSize(motif.width(), g.Bas - g.Haut + 1)), Motif(motif, coin));
}

// Une rangée se remplit d'un seul tenant, pleine ou au motif du pointillé.
void RemplitRangee(QPainter& p, const QLine& l, const QImage& pointille, const QColor& couleur)
{
    const QRect rangee = Rectangle(l);
    if (pointille.isNull())
        p.fillRect(rangee, couleur);
    else
        p.fillRect(rangee, Motif(pointille, QPoint(l.x1(), l.y1())));
}

void TraceRemplace(QPainter& p, const std::vector<QLine>& lignes)
{
    const QColor couleur = p.pen().color();
    const int periode = p.pen().style() == Qt::DotLine ? PeriodePointille : 1;
    QImage pointille;
    if (periode > 1) {
        pointille = QImage(periode, 1, QImage::Format_ARGB32_Premultiplied);
        pointille.fill(Qt::transparent);
        pointille.setPixelColor(0, 0, couleur);
    }
    // Les motifs se placent eux-mêmes : l'origine du pinceau ne doit pas les décaler.
    const QPoint origine = p.brushOrigin();
    p.setBrushOrigin(0, 0);
    const QRect surface(0, 0, p.device()->width(), p.device()->height());
    std::map<TGroupe, std::vector<int>> groupes;
    for (const QLine& l : lignes) {
        if (!Remplacable(l, surface, p.worldTransform()))
            p.drawLine(l);
        else if (Verticale(l))
            groupes[GroupeDe(l, periode)].push_back(l.x1());
        else
            RemplitRangee(p, l, pointille, couleur);
    }
    for (const auto& [groupe, colonnes] : groupes)
        RemplitColonnes(p, groupe, colonnes, couleur);
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
