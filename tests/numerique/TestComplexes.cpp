#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numerique/Complexes.h"

namespace {

void ExpectComplexe(TComplexe z, Reel re, Reel im, Reel tol = 1e-15L)
{
    EXPECT_NEAR(static_cast<double>(z.Re), static_cast<double>(re), static_cast<double>(tol));
    EXPECT_NEAR(static_cast<double>(z.Im), static_cast<double>(im), static_cast<double>(tol));
}

TEST(Complexes, OperationsArithmetiques)
{
    const TComplexe a{1.5L, -2};
    const TComplexe b{-0.5L, 3};
    ExpectComplexe(Somme(a, b), 1, 1);
    ExpectComplexe(Difference(a, b), 2, -5);
    ExpectComplexe(Produit(a, b), 5.25L, 5.5L);
    ExpectComplexe(Produit(Quotient(a, b), b), 1.5L, -2);
    ExpectComplexe(Oppose(a), -1.5L, 2);
    ExpectComplexe(ComplexeReel(7), 7, 0);
    ExpectComplexe(Puissance({1, 1}, 3), -2, 2);
    ExpectComplexe(Puissance({0, 1}, 4), 1, 0);
}

TEST(Complexes, PuissanceZeroDonneUn)
{
    for (const TComplexe z : {TComplexe{0, 0}, TComplexe{-3, 2}, TComplexe{1e300L, 0}})
        EXPECT_TRUE(Egaux(Puissance(z, 0), {1, 0}));
}

// Choix retenu : pas d'interruption, et un résultat NaN qui ne passe pour aucune valeur.
TEST(Complexes, QuotientParZeroDonneNaNSansInterruption)
{
    const TComplexe q = Quotient({2, -1}, {0, 0});
    EXPECT_TRUE(std::isnan(q.Re));
    EXPECT_TRUE(std::isnan(q.Im));
    EXPECT_FALSE(Voisins(q, {0, 0}));
}

TEST(Complexes, ModuleSansEleverAuCarreUnePartieNegligeable)
{
    EXPECT_EQ(Module({1e-1001L, 5}), 5);
    EXPECT_EQ(Module({-5, 1e-1001L}), 5);
    EXPECT_EQ(Module({3, -4}), 5);
    // Les carrés dépassent la double précision : le calcul doit rester étendu.
    EXPECT_NEAR(static_cast<double>(Module({3e1000L, 4e1000L}) / 1e1000L), 5.0, 1e-15);
    // Ils sortent même de l'étendue, par le haut ou par le bas.
    EXPECT_NEAR(static_cast<double>(Module({-3e3000L, 4e3000L}) / 1e3000L), 5.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(Module({3e-3000L, 4e-3000L}) / 1e-3000L), 5.0, 1e-15);
    EXPECT_TRUE(std::isinf(Module({std::numeric_limits<Reel>::infinity(), 1})));
    EXPECT_TRUE(std::isnan(Module({std::nanl(""), 1})));
}

// 1E±3000 : le carré du module du diviseur sortirait de l'étendue.
TEST(Complexes, QuotientDeTresGrandsEtDeTresPetitsNombres)
{
    ExpectComplexe(Quotient({1e-3000L, 0}, {1e-3000L, 1e-3000L}), 0.5L, -0.5L);
    ExpectComplexe(Quotient({2e3000L, 0}, {1e3000L, -1e3000L}), 1, 1);
    const TComplexe petit = Quotient({1, 0}, {0, 1e3000L});
    ExpectComplexe({petit.Re * 1e3000L, petit.Im * 1e3000L}, 0, -1);
    const TComplexe minuscule = Quotient({1e-4900L, 0}, {0, 1e-100L});
    ExpectComplexe({minuscule.Re * 1e4800L, minuscule.Im * 1e4800L}, 0, -1);
}

TEST(Complexes, ArgumentDansChaqueQuadrantEtSurLesAxes)
{
    EXPECT_EQ(Argument({-1, 0}), Pi);
    EXPECT_EQ(Argument({0, -3}), -Pi / 2);
    EXPECT_EQ(Argument({0, 2}), Pi / 2);
    EXPECT_EQ(Argument({0, 0}), 0);
    EXPECT_EQ(Argument({2, 0}), 0);
    EXPECT_NEAR(static_cast<double>(Argument({1, 1})), M_PI / 4, 1e-15);
    EXPECT_NEAR(static_cast<double>(Argument({-1, 1})), 3 * M_PI / 4, 1e-15);
    EXPECT_NEAR(static_cast<double>(Argument({-1, -1})), -3 * M_PI / 4, 1e-15);
    EXPECT_NEAR(static_cast<double>(Argument({1, -1})), -M_PI / 4, 1e-15);
}

TEST(Complexes, FormePolaireEtExponentielle)
{
    ExpectComplexe(DePolaire({2, Pi / 2}), 0, 2);
    ExpectComplexe(Exponentielle({0, Pi}), -1, 0);
    ExpectComplexe(Exponentielle({std::log(3.0L), -Pi / 2}), 0, -3);
}

TEST(Complexes, EgalitesExacteEtApprochee)
{
    EXPECT_TRUE(Egaux({1, 2}, {1, 2}));
    EXPECT_FALSE(Egaux({1, 2}, {1, 2 + 1e-18L}));
    EXPECT_TRUE(Voisins({1, 1}, {1 + 0.6e-5L, 1 + 0.6e-5L}));
    EXPECT_FALSE(Voisins({1, 1}, {1 + 0.8e-5L, 1 + 0.8e-5L}));
    EXPECT_NEAR(static_cast<double>(Distance({1, 1}, {4, 5})), 5.0, 1e-15);
}

}  // namespace
