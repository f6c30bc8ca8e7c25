// Carte des pôles et des zéros : les marques là où le dessin dit les avoir posées, échelles égales,
// lecture de la racine la plus proche.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "DocumentsDessin.h"
#include "trace/CouleurQt.h"
#include "trace/TracePolesZeros.h"

namespace {

TComplexe R(Reel x) { return ComplexeReel(x); }

// (p - 2)(p² + p + 1)² / ((p + 1)²(p + 3)(p² + 0,4p + 4)(p² - 0,2p + 9)(p + 0,5)³) : degré 10,
// instable, pôles et zéros multiples.
TDocument DegreDix()
{
    return DocumentAnalyse(
        PolynomeDeRacines(1, {R(2), {-0.5L, 0.8660254037844386L}, {-0.5L, -0.8660254037844386L},
                              {-0.5L, 0.8660254037844386L}, {-0.5L, -0.8660254037844386L}}),
        PolynomeDeRacines(1, {R(-1), R(-1), R(-3), {-0.2L, std::sqrt(3.96L)}, {-0.2L, -std::sqrt(3.96L)},
                              {0.1L, std::sqrt(8.99L)}, {0.1L, -std::sqrt(8.99L)}, R(-0.5L), R(-0.5L), R(-0.5L)}));
}


struct TRendu {
    QImage Image;
    TDessinPolesZeros Dessin;
};

TRendu Rend(const TDocument& doc, bool grille)
{
    TRendu r{QImage(900, 700, QImage::Format_RGB32), {}};
    QPainter p(&r.Image);
    TParamPolesZeros param;
    param.Grille = grille;
    r.Dessin = TracerPolesZeros(p, r.Image.rect(), doc, param, TMiseEnPagePolesZeros::Ecran());
    return r;
}

TEST(TracePolesZeros, MarquesAuxPixelsDuDessinEtEchellesEgales)
{
    const TDocument doc = DegreDix();
    const TRendu rendu = Rend(doc, true);
    const TDessinPolesZeros& d = rendu.Dessin;
    ASSERT_TRUE(d.Trace);
    const TRepere& r = d.Repere;
    const Reel ux = (r.XMax - r.XMin) / (r.PixDroite - r.PixGauche);
    const Reel uy = (r.YMax - r.YMin) / (r.PixBas - r.PixHaut);
    EXPECT_NEAR(double(ux / uy), 1, 1e-12);
    // 7 pôles distincts, 3 zéros distincts, chacun dans le cadre avec sa multiplicité.
    int poles = 0, zeros = 0, multiplicites = 0;
    const QRgb fond = rendu.Image.pixel(1, 1);
    const QRgb marque = CouleurQt(CouleurDe(doc.SchemaCouleurs, QStringLiteral("DNom"))).rgb();
    for (const TRacineDessinee& x : d.Racines) {
        ASSERT_TRUE(x.Visible);
        (x.Pole ? poles : zeros) += 1;
        multiplicites += x.Multiplicite;
        const std::optional<TPixel> attendu = VersPixel(r, x.Valeur.Re, x.Valeur.Im);
        ASSERT_TRUE(attendu);
        EXPECT_EQ(x.Pixel, QPoint(attendu->X, attendu->Y));
        const int a = TMiseEnPagePolesZeros::Ecran().DemiPole;
        if (x.Pole) {
            // Les deux branches de la croix passent par le centre et ses quatre coins.
            EXPECT_EQ(rendu.Image.pixel(x.Pixel), marque);
            for (const QPoint coin : {QPoint(a - 1, a - 1), QPoint(-a + 1, -a + 1), QPoint(a - 1, -a + 1), QPoint(-a + 1, a - 1)})
                EXPECT_EQ(rendu.Image.pixel(x.Pixel + coin), marque) << coin.x() << "," << coin.y();
        } else {
            EXPECT_EQ(rendu.Image.pixel(x.Pixel + QPoint(a, 0)), marque);
            EXPECT_NE(rendu.Image.pixel(x.Pixel + QPoint(1, 1)), marque);
        }
        if (x.Multiplicite > 1) {
            // Le chiffre, en haut à droite de la marque.
            int encre = 0;
            for (int dx = a; dx < a + 20; ++dx)
                for (int dy = -a - 25; dy < -a; ++dy)
                    encre += rendu.Image.pixel(x.Pixel + QPoint(dx, dy)) != fond;
            EXPECT_GT(encre, 5) << x.Multiplicite;
        }
    }
    EXPECT_EQ(poles, 7);
    EXPECT_EQ(zeros, 3);
    EXPECT_EQ(multiplicites, 15);
    // L'axe imaginaire, épais, à l'abscisse 0.
    const std::optional<TPixel> axe = VersPixel(r, 0, r.YMax * 0.9L);
    const QRgb couleurAxe = CouleurQt(CouleurDe(doc.SchemaCouleurs, QStringLiteral("DAxe"))).rgb();
    EXPECT_EQ(rendu.Image.pixel(axe->X - 1, axe->Y), couleurAxe);
    EXPECT_EQ(rendu.Image.pixel(axe->X + 1, axe->Y), couleurAxe);
}

TEST(TracePolesZeros, GrilleFacultative)
{
    const TDocument doc = DegreDix();
    const TRendu avec = Rend(doc, true);
    const TRendu sans = Rend(doc, false);
    // Le long de chaque droite ζ = 0,1 … 0,9, en haut et en bas : de l'encre avec la grille, le
    // fond presque partout sans elle.
    const TRepere& r = avec.Dessin.Repere;
    const QRgb fond = avec.Image.pixel(1, 1);
    const Reel rayonMax = std::min(-r.XMin, std::min(r.YMax, -r.YMin));
    for (int dixiemes = 1; dixiemes <= 9; ++dixiemes)
        for (const Reel signe : {1.0L, -1.0L}) {
            const Reel zeta = dixiemes / 10.0L;
            int traits = 0, vides = 0;
            for (int k = 0; k < 40; ++k) {
                const Reel rayon = rayonMax * (0.3L + 0.015L * k);
                const std::optional<TPixel> p = VersPixel(r, -zeta * rayon, signe * std::sqrt(1 - zeta * zeta) * rayon);
                ASSERT_TRUE(p);
                traits += avec.Image.pixel(p->X, p->Y) != fond;
                vides += sans.Image.pixel(p->X, p->Y) == fond;
            }
            EXPECT_GT(traits, 8) << "ζ = " << double(zeta) << ", " << double(signe);  // tirets : la moitié tombe entre deux
            EXPECT_GT(vides, 25) << "ζ = " << double(zeta) << ", " << double(signe);
        }
}

// Les demi-cercles de pulsation propre constante, à gauche de l'axe, au pas des graduations :
// de l'encre tout le long de chacun (tirets), rien sans la grille.
TEST(TracePolesZeros, DemiCerclesDePulsationPropre)
{
    const TDocument doc = DegreDix();
    const TRendu avec = Rend(doc, true);
    const TRendu sans = Rend(doc, false);
    const TRepere& r = avec.Dessin.Repere;
    const QRgb fond = avec.Image.pixel(1, 1);
    const std::optional<Reel> pas = PasGraduation(std::max(r.XMax - r.XMin, r.YMax - r.YMin), false);
    ASSERT_TRUE(pas);
    const Reel rayonMax = std::min(-r.XMin, std::min(r.YMax, -r.YMin));
    int cercles = 0;
    for (Reel wn = *pas; wn < rayonMax; wn += *pas, ++cercles) {
        int traits = 0, vides = 0;
        for (int k = 1; k < 60; ++k) {
            // De 93° à 267° : loin des droites ζ qui partent de l'origine vers la gauche.
            const Reel angle = Pi / 2 + Pi * k / 60;
            const std::optional<TPixel> p = VersPixel(r, wn * std::cos(angle), wn * std::sin(angle));
            ASSERT_TRUE(p);
            traits += avec.Image.pixel(p->X, p->Y) != fond;
            vides += sans.Image.pixel(p->X, p->Y) == fond;
        }
        EXPECT_GT(traits, 15) << double(wn);
        EXPECT_GT(vides, 40) << double(wn);
        // Juste en dedans du cercle, entre les droites ζ = 0,9 et ζ = 0,8 : rien, le cercle est un
        // trait et non une bande de cordes.
        const Reel unitesParPixel = (r.XMax - r.XMin) / (r.PixDroite - r.PixGauche);
        int dedans = 0;
        for (int k = 0; k < 10; ++k)
            for (const Reel signe : {1.0L, -1.0L}) {
                const Reel angle = Pi - (27 + k) * Pi / 180;
                const Reel rho = wn - 3 * unitesParPixel;
                const std::optional<TPixel> p = VersPixel(r, rho * std::cos(angle), signe * rho * std::sin(angle));
                dedans += avec.Image.pixel(p->X, p->Y) != fond;
            }
        EXPECT_LT(dedans, 4) << double(wn);
    }
    EXPECT_GE(cercles, 2);
}

// Le chiffre de la multiplicité est au-dessus de la marque, pas à sa hauteur où il la cacherait
// ou se confondrait avec une racine voisine.
TEST(TracePolesZeros, MultipliciteAuDessusDeLaMarque)
{
    const TDocument doc = DegreDix();
    const TRendu rendu = Rend(doc, false);
    const QRgb marque = CouleurQt(CouleurDe(doc.SchemaCouleurs, QStringLiteral("DNom"))).rgb();
    const int a = TMiseEnPagePolesZeros::Ecran().DemiPole;
    for (const TRacineDessinee& x : rendu.Dessin.Racines) {
        if (x.Multiplicite == 1)
            continue;
        int aCote = 0;
        for (int dx = a + 2; dx < a + 12; ++dx)
            for (int dy = -a + 2; dy < a; ++dy)
                aCote += rendu.Image.pixel(x.Pixel + QPoint(dx, dy)) == marque;
        EXPECT_EQ(aCote, 0) << x.Multiplicite;
    }
}

TEST(TracePolesZeros, LectureDeLaRacineLaPlusProche)
{
    const TRendu rendu = Rend(DegreDix(), true);
    const TDessinPolesZeros& d = rendu.Dessin;
    for (const TRacineDessinee& x : d.Racines) {
        const std::optional<TRacineDessinee> lue = RacineLaPlusProche(d, x.Pixel + QPoint(2, -1));
        ASSERT_TRUE(lue);
        EXPECT_EQ(lue->Pixel, x.Pixel);
        EXPECT_EQ(lue->Pole, x.Pole);
    }
    EXPECT_NEAR(double(AmortissementDe({-0.5L, 0.8660254037844386L})), 0.5, 1e-15);
    EXPECT_NEAR(double(AmortissementDe({0.1L, std::sqrt(8.99L)})), -0.1 / 3, 1e-15);
    EXPECT_EQ(AmortissementDe({0, 0}), 0);
    EXPECT_FALSE(RacineLaPlusProche(TDessinPolesZeros{}, QPoint(1, 1)));
}

}  // namespace
