// Repères de tracé : passage aux pixels, tolérance du cadre, découpage, graduations.
#include <QImage>
#include <QPainter>
#include <array>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <utility>

#include "trace/Graphisme.h"

namespace {
// 100 x 100 pixels pour [0, 10] x [-1, 1] : ex = 1e-7, ey = 2e-8.
TRepere RepereType()
{
    TRepere r;
    r.PixGauche = 100;
    r.PixHaut = 50;
    r.PixDroite = 200;
    r.PixBas = 150;
    r.XMin = 0;
    r.XMax = 10;
    r.YMin = -1;
    r.YMax = 1;
    return r;
}
}

TEST(Graphisme, EntDescendPourToutNegatifEntierCompris)
{
    for (const auto& [x, attendu] : {std::pair<Reel, int>{2.7L, 2}, {3, 3}, {0, 0}, {-0.3L, -1}, {-0.5L, -1},
                                     {-2.5L, -3}, {-2, -3}, {-3, -4}})
        EXPECT_EQ(Ent(x), attendu) << double(x);
}

TEST(Graphisme, SigneEtPuissancesDeDix)
{
    EXPECT_EQ(Signe(0), -1);
    EXPECT_EQ(Signe(-2), -1);
    EXPECT_EQ(Signe(1e-30L), 1);
    EXPECT_EQ(Log10(1000), 3);
    EXPECT_EQ(Log10(0.01L), -2);
    EXPECT_NEAR(double(Puiss10(-3)), 1e-3, 1e-18);
    EXPECT_NEAR(double(Log10(Puiss10(2.5L))), 2.5, 1e-15);
}

TEST(Graphisme, PassageAuxPixelsArrondiAuPairEtDrapeauHorsCadre)
{
    const TRepere r = RepereType();
    const std::optional<TPixel> p = VersPixel(r, 2.5L, 0.5L);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->X, 125);
    EXPECT_EQ(p->Y, 75);
    EXPECT_FALSE(p->Dehors);
    // 2.5 et 7.5 pixels : au pair le plus proche.
    EXPECT_EQ(VersPixel(r, 0.25L, 0)->X, 102);
    EXPECT_EQ(VersPixel(r, 0.75L, 0)->X, 108);
    const std::optional<TPixel> dehors = VersPixel(r, 11, 0);
    ASSERT_TRUE(dehors);
    EXPECT_EQ(dehors->X, 210);
    EXPECT_TRUE(dehors->Dehors);
}

TEST(Graphisme, LeBornageRameneAuBordCeQuiSortDuCadre)
{
    const TRepere r = RepereType();
    const std::optional<TPixel> gauche = VersPixelBorne(r, -1e6L, 5);
    ASSERT_TRUE(gauche);
    EXPECT_EQ(gauche->X, r.PixGauche);
    EXPECT_EQ(gauche->Y, r.PixHaut);
    EXPECT_TRUE(gauche->Dehors);
    // Trop loin pour 32 bits : refusé sans bornage, ramené au bord avec.
    EXPECT_FALSE(VersPixel(r, 1e12L, 0));
    EXPECT_EQ(VersPixelBorne(r, 1e12L, 0)->X, r.PixDroite);
}

TEST(Graphisme, RefusDesPointsNonFinisEtDesEtenduesNulles)
{
    TRepere r = RepereType();
    EXPECT_FALSE(VersPixelBorne(r, std::numeric_limits<Reel>::quiet_NaN(), 0));
    EXPECT_FALSE(VersPixel(r, std::numeric_limits<Reel>::infinity(), 0));
    EXPECT_FALSE(VersPixelBorne(r, 0, -std::numeric_limits<Reel>::infinity()));
    r.YMax = r.YMin;
    EXPECT_FALSE(VersPixelBorne(r, 1, 1));
    EXPECT_FALSE(DecoupeSegment(r, 1, -1, 2, 3, TBornage::Borne));
    r = RepereType();
    r.XMax = r.XMin;
    EXPECT_FALSE(VersPixel(r, 1, 0));
}

TEST(Graphisme, DecalageDepuisLeCoinHautGauche)
{
    const TRepere r = RepereType();
    const std::optional<TPixel> p = DecalagePixel(r, 100, -20);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->X, 200);
    EXPECT_EQ(p->Y, 30);
    EXPECT_TRUE(p->Dehors);
    EXPECT_FALSE(DecalagePixel(r, INT_MAX, 0));
    TRepere haut = r;
    haut.PixHaut = -10;
    EXPECT_FALSE(DecalagePixel(haut, 0, INT_MIN));
}

TEST(Graphisme, ToleranceDuCadre)
{
    const TRepere r = RepereType();
    const Reel ex = 10 * 1e-8L;
    EXPECT_FALSE(HorsCadre(r, 10, 0));
    EXPECT_FALSE(HorsCadre(r, 10 + ex / 2, 0));
    EXPECT_TRUE(HorsCadre(r, 10 + ex, 0));
    EXPECT_FALSE(HorsCadre(r, 0 - ex / 2, 1));
    EXPECT_TRUE(HorsCadre(r, 5, -1 - 3e-8L));
    EXPECT_TRUE(SurBord(r, 10 + ex / 2, 0.3L));
    EXPECT_TRUE(SurBord(r, 4, 1));
    EXPECT_FALSE(SurBord(r, 4, 0.9L));
    EXPECT_FALSE(SurBord(r, 10, 1.5L));
}

// Repère type : [0, 10] x [-1, 1] sur les pixels 100 à 200 et 150 à 50.
TEST(Graphisme, DecoupageDesSegmentsAuCadre)
{
    const struct {
        const char* Nom;
        Reel X1, Y1, X2, Y2;
        std::optional<std::array<int, 4>> Pixels;  // début x, y puis fin x, y ; rien : pas de trait
    } cas[] = {
        {"intérieur", 1, 0.5L, 9, -0.5L, {{110, 75, 190, 125}}},
        {"deux bouts sur le bord : tracé tel quel", 0, -1, 10, 1, {{100, 150, 200, 50}}},
        {"sans longueur", 3, 0.2L, 3 + 1e-8L, 0.2L + 1e-9L, {}},
        {"sortant par la droite, croise x = 10 en y = 0.5", 5, 0, 15, 1, {{200, 75, 150, 100}}},
        {"entrant par la droite", 15, 1, 5, 0, {{200, 75, 150, 100}}},
        {"traversant : bord droit en y = 0.5 puis bas en x = 2.5", -5, -2.5L, 15, 1.5L, {{200, 75, 125, 150}}},
        {"entièrement à côté", -5, 3, 15, 5, {}},
        {"diagonale prolongée : chaque coin compté une fois", -5, -2, 15, 2, {{100, 150, 200, 50}}},
        {"sortie par le coin haut droit : du coin au bout intérieur", 5, 0, 15, 2, {{200, 50, 150, 100}}},
        {"simple contact avec le coin, les deux bouts dehors", 5, 2, 15, 0, {}},
        {"vertical traversant", 4, -10, 4, 10, {{140, 50, 140, 150}}},
        {"vertical sortant", 4, 0.5L, 4, 10, {{140, 50, 140, 75}}},
        {"vertical dehors", 12, -10, 12, 10, {}},
        {"horizontal traversant", -3, 0.5L, 30, 0.5L, {{100, 75, 200, 75}}},
        {"horizontal sortant", 30, 0.5L, 5, 0.5L, {{150, 75, 200, 75}}},
        {"horizontal dehors", -3, 1.5L, 30, 1.5L, {}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.Nom);
        const std::optional<TSegmentPixel> segment = DecoupeSegment(RepereType(), c.X1, c.Y1, c.X2, c.Y2, TBornage::Libre);
        ASSERT_EQ(segment.has_value(), c.Pixels.has_value());
        if (segment) {
            EXPECT_EQ((std::array{segment->Debut.X, segment->Debut.Y, segment->Fin.X, segment->Fin.Y}), *c.Pixels);
        }
    }
}

TEST(Graphisme, TracerSegmentDessineLaPartieVisible)
{
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    TracerSegment(RepereType(), p, -20, 0, 30, 0, TBornage::Borne);
    TracerSegment(RepereType(), p, 12, -10, 12, 10, TBornage::Borne);
    p.end();
    EXPECT_EQ(image.pixel(100, 100), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(200, 100), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(99, 100), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(201, 100), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(220, 100), qRgb(255, 255, 255));
}

TEST(Graphisme, TablesDesPasDeGraduation)
{
    const struct {
        Reel Etendue;
        bool Fine;
        Reel Pas;
    } cas[] = {{59, false, 5}, {60, false, 5}, {17.9L, false, 2}, {16.9L, false, 1}, {100, false, 10},
               {90, false, 10}, {0.3L, false, 0.02L}, {59, true, 2}, {90, true, 5}, {30, true, 1}, {12, true, 0.5L}};
    for (const auto& c : cas) {
        const std::optional<Reel> pas = PasGraduation(c.Etendue, c.Fine);
        ASSERT_TRUE(pas) << double(c.Etendue);
        EXPECT_NEAR(double(*pas), double(c.Pas), 1e-17) << double(c.Etendue) << (c.Fine ? " fine" : "");
    }
    EXPECT_FALSE(PasGraduation(0, false));
    EXPECT_FALSE(PasGraduation(-4, true));
    EXPECT_FALSE(PasGraduation(std::numeric_limits<Reel>::infinity(), false));
}

TEST(Graphisme, BornesGradueesVersLesMultiplesDuPas)
{
    const TBornes a = BornesGraduees(-47, 12, 5);
    EXPECT_NEAR(double(a.Min), -50, 1e-12);
    EXPECT_NEAR(double(a.Max), 15, 1e-12);
    const TBornes b = BornesGraduees(-40, 20, 5);
    EXPECT_NEAR(double(b.Min), -40, 1e-12);
    EXPECT_NEAR(double(b.Max), 20, 1e-12);
    const TBornes c = BornesGraduees(0.1L, 0.9L, 0.2L);
    EXPECT_NEAR(double(c.Min), 0, 1e-15);
    EXPECT_NEAR(double(c.Max), 1, 1e-15);
    const TBornes refus = BornesGraduees(-3, 7, 0);
    EXPECT_EQ(refus.Min, -3);
    EXPECT_EQ(refus.Max, 7);
}

TEST(Graphisme, GraduationsEtChiffresQuiLesEcriventExactement)
{
    const std::vector<Reel> valeurs = Graduations(-50, 15, 5);
    ASSERT_EQ(valeurs.size(), 14u);
    EXPECT_EQ(valeurs.front(), 15);
    EXPECT_EQ(valeurs.back(), -50);
    EXPECT_EQ(ChiffresGraduation(valeurs, 5), 2);
    EXPECT_EQ(ChiffresGraduation(Graduations(-40, 20, 10), 10), 1);
    EXPECT_EQ(ChiffresGraduation(Graduations(-0.8L, 0.4L, 0.2L), 0.2L), 1);
    EXPECT_EQ(ChiffresGraduation(Graduations(-1.2L, 0.4L, 0.2L), 0.2L), 2);
    EXPECT_EQ(ChiffresGraduation(Graduations(96, 104, 2), 2), 3);
    EXPECT_TRUE(Graduations(0, 1, 0).empty());
    // Loin de zéro au regard du pas, n - 1 = n en précision étendue : pas de ligne répétée.
    const std::vector<Reel> serrees = Graduations(1e30L, 1e30L + 1e12L, 2e10L);
    ASSERT_FALSE(serrees.empty());
    EXPECT_LE(serrees.size(), 51u);
    for (std::size_t i = 1; i < serrees.size(); ++i)
        EXPECT_LT(serrees[i], serrees[i - 1]) << i;
}

TEST(Graphisme, MinusculesNeBaisseQueAaZ)
{
    EXPECT_EQ(Minuscules(QStringLiteral("/Usr/ÉCOLE/Kovra Z@[")), QStringLiteral("/usr/École/kovra z@["));
}
