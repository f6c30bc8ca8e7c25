// Lignes droites tracées d'un coup : sur une image, exactement les pixels du crayon qui les
// trace une à une, quels que soient le sens, la longueur, le pointillé et les voisines.
#include <QImage>
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
