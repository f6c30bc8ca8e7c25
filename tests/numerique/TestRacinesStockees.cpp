// Racines conservées confrontées aux coefficients qu'elles accompagnent.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "numerique/RacinesStockees.h"
#include "PolynomesSaisis.h"

namespace {

struct TCasRacines {
    std::string Nom;
    TPolynome Polynome;
    bool Conformes;
};

// Le polynôme par ses racines, puis une retouche de ses racines seules.
TPolynome Retouche(const std::vector<TComplexe>& racines, void (*retouche)(TPolynome&))
{
    TPolynome p = PolynomeDeRacines(2, racines);
    retouche(p);
    return p;
}

std::vector<TCasRacines> Cas()
{
    const std::vector<TComplexe> etalees = {{-1e-3L, 0}, {-0.5L, 2},  {-0.5L, -2}, {-3, 0},   {-3, 0},
                                            {-3, 0},     {-1e3L, 0}, {4, 1},      {4, -1},   {0, 0}};
    return {
        {"exactes", PolynomeDeRacines(2, etalees), true},
        {"gardées à 1e-10 près", Retouche(etalees, [](TPolynome& p) {
             for (int i = 1; i <= p.Degre; ++i)
                 p.Racines[i] = {p.Racines[i].Re * (1 + 1e-10L * ((i % 3) - 1)), p.Racines[i].Im * (1 - 1e-10L)};
         }), true},
        {"degré nul", PolynomeDeRacines(-4, {}), true},
        {"une racine d'un autre polynôme", Retouche(etalees, [](TPolynome& p) { p.Racines[2].Re = -0.6L; }), false},
        {"écart de 1e-5", Retouche(etalees, [](TPolynome& p) { p.Racines[1].Re *= 1 + 1e-5L; }), false},
        {"facteur constant faux", Retouche(etalees, [](TPolynome& p) { p.Racines[0].Re = 3; }), false},
        {"racine non finie", Retouche(etalees, [](TPolynome& p) {
             p.Racines[3].Re = std::numeric_limits<Reel>::quiet_NaN();
         }), false},
        // −1, 5, −1 données pour une racine triple : la liste redonne bien les coefficients de
        // (p + 1)²(p − 5), mais pas les multiplicités.
        {"groupe de racines différentes", Retouche({{-1, 0}, {-1, 0}, {5, 0}}, [](TPolynome& p) {
             p.Racines[2] = {5, 0};
             p.Racines[3] = {-1, 0};
             p.Multiplicites = {};
             p.Multiplicites[0] = 1;
             p.Multiplicites[1] = 3;
         }), false},
    };
}

TEST(RacinesStockees, ConformesSeulementSiEllesRedonnentLesCoefficients)
{
    for (const TCasRacines& c : Cas())
        EXPECT_EQ(RacinesConformes(c.Polynome, ToleranceRacinesStockees), c.Conformes) << c.Nom;
}

// (p² + 2p + 5)² à peine retouché : quatre racines distinctes à 3e-5 les unes des autres, que
// les coefficients ne permettent pas de confondre ; ce que le chercheur calcule, un fichier le
// conserve et doit le relire sans soupçon, comme le double exact.
TEST(RacinesStockees, RacinesCalculeesToujoursConformes)
{
    const TPolynome retouche = PolynomeDeCoefs({25, 20, 14, 4, 1.00000000051615L});
    EXPECT_EQ(retouche.Multiplicites[0], 4);
    EXPECT_TRUE(RacinesConformes(retouche, ToleranceRacinesStockees));
    const TPolynome exact = PolynomeDeCoefs({25, 20, 14, 4, 1});
    EXPECT_EQ(exact.Multiplicites[0], 2);
    EXPECT_TRUE(RacinesConformes(exact, ToleranceRacinesStockees));
}

// Racines immenses ou minuscules : la tolérance suit l'ampleur de chaque coefficient.
TEST(RacinesStockees, IndependantDeLEchelle)
{
    for (const Reel echelle : {1e-200L, 1e-9L, 1e9L, 1e200L}) {
        TPolynome p = PolynomeDeRacines(1e-30L, {{-echelle, 0}, {-2 * echelle, echelle}, {-2 * echelle, -echelle}});
        EXPECT_TRUE(RacinesConformes(p, ToleranceRacinesStockees)) << double(echelle);
        p.Racines[1].Re *= 1.001L;
        EXPECT_FALSE(RacinesConformes(p, ToleranceRacinesStockees)) << double(echelle);
    }
}

} // namespace
