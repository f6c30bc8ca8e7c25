// Lignes droites tracées d'un coup : sur une image, exactement les pixels du crayon qui les
// trace une à une, quels que soient le sens, la longueur, le pointillé et les voisines.
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "trace/LignesDroites.h"

namespace {
using TPreparation = std::function<void(QPainter&)>;

QImage Dessin(const std::vector<QLine>& lignes, const QPen& crayon, const TPreparation& prepare, bool dUnCoup,
              QImage::Format format = QImage::Format_RGB32)
{
    QImage image(160, 120, format);
    image.fill(QColor(250, 245, 240));
    QPainter p(&image);
    prepare(p);
    p.setPen(crayon);
    if (dUnCoup) {
        TracerLignesDroites(p, lignes);
    } else {
        for (const QLine& l : lignes)
            p.drawLine(l);
    }
    return image;
}

// Colonnes voisines ou espacées, de bornes et de sens variés, rangées de même, qui se
// croisent, sortent de l'image, se réduisent à un point ou penchent.
std::vector<QLine> Melange()
{
    std::vector<QLine> lignes;
    for (int k = 0; k < 40; ++k) {
        const int longueur = k % 13;
        const int x = 3 + k * 3 + (k % 4 == 0 ? 1 : 0);
        lignes.emplace_back(x, 10 + k % 5, x, 10 + k % 5 + longueur);
        lignes.emplace_back(x + 1, 90, x + 1, 90 - longueur - k % 3);
        lignes.emplace_back(20 + k % 7, 30 + k, 20 + k % 7 + longueur * 5, 30 + k);
        lignes.emplace_back(150 - k % 5, 35 + k, 150 - k % 5 - longueur * 4, 35 + k);
    }
    for (int x = 60; x < 90; ++x)
        lignes.emplace_back(x, 5, x, 115);
    lignes.emplace_back(-5, 60, 170, 60);
    lignes.emplace_back(155, -10, 155, 130);
    lignes.emplace_back(70, 70, 70, 70);
    lignes.emplace_back(10, 100, 60, 117);
    return lignes;
}

struct TCas {
    const char* Nom;
    Qt::PenStyle Style;
    TPreparation Prepare;
};
}

TEST(LignesDroites, MemesPixelsQueLeCrayonLigneALigne)
{
    const TPreparation rien = [](QPainter&) {};
    const TCas cas[] = {
        {"plein", Qt::SolidLine, rien},
        {"pointillé", Qt::DotLine, rien},
        {"tirets", Qt::DashLine, rien},
        {"origine du pinceau", Qt::DotLine, [](QPainter& p) { p.setBrushOrigin(1, 2); }},
        {"translation", Qt::DotLine, [](QPainter& p) { p.translate(7, -3); }},
        {"translation hors de l'image", Qt::DotLine, [](QPainter& p) { p.translate(25, -12); }},
        {"demi-pixel", Qt::DotLine, [](QPainter& p) { p.translate(0.5, 0); }},
        {"lissage", Qt::SolidLine, [](QPainter& p) { p.setRenderHint(QPainter::Antialiasing); }},
        {"découpe", Qt::DotLine, [](QPainter& p) { p.setClipRect(15, 12, 100, 70); }},
    };
    const std::vector<QLine> lignes = Melange();
    for (const TCas& c : cas) {
        const QPen crayon(QColor(30, 110, 200), 1, c.Style);
        for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied})
            EXPECT_EQ(Dessin(lignes, crayon, c.Prepare, true, format), Dessin(lignes, crayon, c.Prepare, false, format))
                << c.Nom << " " << format;
    }
}

// Une couleur transparente se mêle au fond : chaque pixel une seule fois, comme le crayon.
TEST(LignesDroites, CrayonTransparentOuEpaisTraceCommeLeCrayon)
{
    const std::vector<QLine> lignes = Melange();
    for (const QPen& crayon : {QPen(QColor(30, 110, 200, 120), 1, Qt::DotLine), QPen(QColor(30, 110, 200), 3),
                               QPen(QColor(30, 110, 200), 0, Qt::DotLine)})
        EXPECT_EQ(Dessin(lignes, crayon, [](QPainter&) {}, true), Dessin(lignes, crayon, [](QPainter&) {}, false))
            << crayon.widthF() << " " << crayon.color().alpha();
}

namespace {

// Surface qui se dit matricielle et compte ce qu'on lui demande : des lignes posées au crayon
// une à une, ou des remplissages.
class TMoteurCompteur : public QPaintEngine {
public:
    TMoteurCompteur() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::Raster; }
    void drawLines(const QLine*, int n) override { Lignes += n; }
    void drawLines(const QLineF*, int n) override { Lignes += n; }
    void drawRects(const QRect*, int n) override { Remplissages += n; }
    void drawRects(const QRectF*, int n) override { Remplissages += n; }
    void drawPath(const QPainterPath&) override { ++Remplissages; }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { ++Remplissages; }
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override { ++Remplissages; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++Remplissages; }
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override { ++Remplissages; }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override { ++Remplissages; }

    int Lignes = 0;
    int Remplissages = 0;
};

class TSurfaceCompteuse : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &Moteur; }
    mutable TMoteurCompteur Moteur;

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return 160;
        case PdmHeight: return 120;
        case PdmDepth: return 32;
        case PdmNumColors: return 0;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        case PdmDevicePixelRatio: return 1;
        default: return 96;
        }
    }
};

// Grille serrée : cent colonnes de même hauteur et cinquante rangées, chacune deux fois, comme
// une grille retracée par-dessus.
std::vector<QLine> GrilleSerree()
{
    std::vector<QLine> lignes;
    for (int fois = 0; fois < 2; ++fois) {
        for (int x = 20; x < 120; ++x)
            lignes.emplace_back(x, 10, x, 100);
        for (int y = 10; y < 60; ++y)
            lignes.emplace_back(20, y, 140, y);
    }
    return lignes;
}

struct TComptes {
    int Lignes;
    int Remplissages;
};

TComptes Compte(const QPen& crayon)
{
    TSurfaceCompteuse surface;
    QPainter p(&surface);
    p.setPen(crayon);
    TracerLignesDroites(p, GrilleSerree());
    p.end();
    return {surface.Moteur.Lignes, surface.Moteur.Remplissages};
}
}

// Un crayon opaque remplit la grille au lieu d'en poser les pixels ligne à ligne ; un crayon
// transparent, qui se mêle au fond à chaque passage, la trace au crayon, et ses pixels sont
// ceux de QPainter.
TEST(LignesDroites, GrilleSerreeRempliePourUnCrayonOpaqueSeulement)
{
    const std::vector<QLine> grille = GrilleSerree();
    const TComptes opaque = Compte(QPen(QColor(30, 110, 200), 1, Qt::DotLine));
    EXPECT_EQ(opaque.Lignes, 0);
    EXPECT_GT(opaque.Remplissages, 0);
    EXPECT_LE(opaque.Remplissages, 2 * 50 + 2);
    const QPen transparent(QColor(30, 110, 200, 120), 1, Qt::DotLine);
    const TComptes c = Compte(transparent);
    EXPECT_EQ(c.Lignes, int(grille.size()));
    EXPECT_EQ(c.Remplissages, 0);
    EXPECT_EQ(Dessin(grille, transparent, [](QPainter&) {}, true), Dessin(grille, transparent, [](QPainter&) {}, false));
}
