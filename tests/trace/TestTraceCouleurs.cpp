// Sélecteur de couleur : géométrie tirée des contrôles, grille, bande, pointeur et boîtes lus sur l'image.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "coeur/SchemaCouleurs.h"
#include "trace/TraceCouleurs.h"

namespace {

// Les places des contrôles du dialogue des couleurs.
TGeometrieSelecteur GeometrieDialogue()
{
    return GeometrieSelecteur({526, 24}, {328, 16, 153, 129}, {600, 336, 57, 22}, {600, 400, 57, 22});
}

const QColor Fond(200, 200, 200);

QImage Surface()
{
    QImage image(898, 580, QImage::Format_RGB32);
    image.fill(Fond);
    return image;
}

QImage Selecteur(const TEtatSelecteur& etat, const QRect& zone = QRect(0, 0, 898, 580))
{
    QImage image = Surface();
    QImage grille;
    RemplitGrille(grille, etat.Bleu);
    QPainter p(&image);
    DessineSelecteur(p, zone, GeometrieDialogue(), etat, grille, Fond);
    return image;
}

// Bords droit et bas exclus : (gauche, haut) à (droite - 1, bas - 1).
void AttendBoite(const QImage& image, int gauche, int haut, int droite, int bas, QColor couleur)
{
    EXPECT_EQ(image.pixelColor(gauche, haut), couleur);
    EXPECT_EQ(image.pixelColor(droite - 1, bas - 1), couleur);
    EXPECT_EQ(image.pixelColor(gauche - 1, haut), Fond);
    EXPECT_EQ(image.pixelColor(droite, bas - 1), Fond);
    EXPECT_EQ(image.pixelColor(droite - 1, bas), Fond);
}

TEST(SelecteurCouleurs, GeometrieTireeDesControles)
{
    const TGeometrieSelecteur g = GeometrieDialogue();
    EXPECT_EQ(g.Grille, QPoint(526, 59));
    EXPECT_EQ(g.Bande, QRect(QPoint(801, 59), QPoint(840, 314)));
    EXPECT_EQ(g.Temoin, QRect(QPoint(677, 336), QPoint(716, 421)));
    // 153 / 6 = 25,5 et 5 × 153 / 6 = 127,5 : moitiés vers le pair.
    EXPECT_EQ(g.CouleurEnCours, QRect(QPoint(354, 59), QPoint(455, 101)));

    // 159 / 6 = 26,5 → 26 ; 130 / 3 = 43,3 → 43.
    const TGeometrieSelecteur h = GeometrieSelecteur({10, 0}, {0, 0, 159, 130}, {0, 0, 10, 10}, {0, 50, 10, 10});
    EXPECT_EQ(h.CouleurEnCours.left(), 26);
    EXPECT_EQ(h.CouleurEnCours.right() + 1, 132);
    EXPECT_EQ(h.Grille, QPoint(10, 43));
}

TEST(SelecteurCouleurs, GrilleRougeVersLeBasVertVersLaDroite)
{
    for (const int bleu : {0, 77, 255}) {
        QImage grille;
        RemplitGrille(grille, bleu);
        ASSERT_EQ(grille.size(), QSize(256, 256));
        for (int i = 0; i < 256; ++i)
            for (int j = 0; j < 256; ++j)
                ASSERT_EQ(grille.pixel(j, i), qRgb(i, j, bleu)) << i << "," << j << " bleu " << bleu;
    }
}

TEST(SelecteurCouleurs, PeintureComplete)
{
    const QImage image = Selecteur({ComposeRVB(1, 2, 3), ComposeRVB(200, 100, 50), 40});
    EXPECT_EQ(image.pixelColor(526 + 10, 59 + 20), QColor(20, 10, 40));
    EXPECT_EQ(image.pixelColor(781, 314), QColor(255, 255, 40));
    EXPECT_EQ(image.pixelColor(782, 314), Fond);
    // Bande : noir en haut, bleu plein en bas, colonne de droite exclue.
    EXPECT_EQ(image.pixelColor(801, 59), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(840, 314), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(820, 59 + 128), QColor(0, 0, 128));
    EXPECT_EQ(image.pixelColor(841, 200), Fond);
    EXPECT_EQ(image.pixelColor(820, 315), Fond);
    // Pointeur : pointe à gauche au niveau du bleu, dos cinq pixels plus à droite.
    EXPECT_EQ(image.pixelColor(846, 59 + 40), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(851, 59 + 43), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(851, 59 + 37), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(846, 59 + 45), Fond);
    AttendBoite(image, 354, 59, 456, 102, QColor(1, 2, 3));
    AttendBoite(image, 677, 336, 717, 422, QColor(200, 100, 50));
}

TEST(SelecteurCouleurs, LePointeurEffaceLAncien)
{
    const TGeometrieSelecteur g = GeometrieDialogue();
    QImage image = Surface();
    QPainter p(&image);
    DessinePointeurBleu(p, g, 255, Fond);
    EXPECT_EQ(image.pixelColor(851, 59 + 258), QColor(0, 0, 255));
    DessinePointeurBleu(p, g, 0, Fond);
    EXPECT_EQ(image.pixelColor(851, 59 + 258), Fond);
    EXPECT_EQ(image.pixelColor(846, 59 + 255), Fond);
    EXPECT_EQ(image.pixelColor(851, 56), QColor(0, 0, 255));
}

// Une zone qui ne couvre que le témoin ne touche pas au reste.
TEST(SelecteurCouleurs, ZoneDuTemoinSeule)
{
    const TGeometrieSelecteur g = GeometrieDialogue();
    const QImage image = Selecteur({0, ComposeRVB(9, 9, 9), 0}, g.Temoin);
    EXPECT_EQ(image.pixelColor(g.Temoin.center()), QColor(9, 9, 9));
    for (const QPoint p : {g.Grille + QPoint(100, 100), g.CouleurEnCours.center(), g.Bande.center(),
                           QPoint(846, 59)})
        EXPECT_EQ(image.pixelColor(p), Fond) << p.x() << "," << p.y();
}

} // namespace
