#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "numerique/Laguerre.h"

namespace {

TCoefsLaguerre Coefs(std::initializer_list<TComplexe> valeurs)
{
    TCoefsLaguerre a{};
    int k = 0;
    for (const TComplexe& v : valeurs)
        a[k++] = v;
    return a;
}

constexpr TComplexe Depart{1, 1};

TEST(Laguerre, EtatsDesArgumentsRefuses)
{
    const TCoefsLaguerre a = Coefs({{-1, 0}, {1, 0}});
    EXPECT_EQ(RacinesLaguerre(0, a, Depart, 1000, 1e-10L).Statut, LaguerreDegreNul);
    EXPECT_EQ(RacinesLaguerre(1, a, Depart, 1000, 0).Statut, LaguerreToleranceNulle);
    EXPECT_EQ(RacinesLaguerre(1, a, Depart, -1, 1e-10L).Statut, LaguerreLimiteNegative);
    // Plusieurs fautes : la dernière contrôlée l'emporte.
    EXPECT_EQ(RacinesLaguerre(-2, a, Depart, -1, -1).Statut, LaguerreLimiteNegative);
    EXPECT_EQ(RacinesLaguerre(-2, a, Depart, 5, -1).Statut, LaguerreToleranceNulle);
    EXPECT_EQ(RacinesLaguerre(0, a, Depart, -1, 1e-10L).Nombre, 0);
}

TEST(Laguerre, RacinesImaginairesConjuguees)
{
    const TResultatLaguerre r = RacinesLaguerre(2, Coefs({{1, 0}, {0, 0}, {1, 0}}), Depart, 1000, 1e-10L);
    EXPECT_EQ(r.Statut, LaguerreReussi);
    ASSERT_EQ(r.Nombre, 2);
    EXPECT_LT(Distance(r.Racines[1], {0, 1}), 1e-12L);
    EXPECT_LT(Distance(r.Racines[2], {0, -1}), 1e-12L);
}

// Avec une limite nulle, toute itération échouerait : les racines nulles se relèvent sans itérer.
TEST(Laguerre, RacinesNullesReleveesSansIterer)
{
    const TResultatLaguerre r = RacinesLaguerre(3, Coefs({{0, 0}, {0, 0}, {0, 0}, {2, 0}}), Depart, 0, 1e-10L);
    EXPECT_EQ(r.Statut, LaguerreReussi);
    ASSERT_EQ(r.Nombre, 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(Egaux(r.Racines[i], {0, 0}));
}

TEST(Laguerre, EchecDeRechercheNeCompteNiRacineNiBoucle)
{
    // p(p - 1) : la racine nulle est relevée, la recherche de l'autre échoue faute d'itérations.
    const TResultatLaguerre r = RacinesLaguerre(2, Coefs({{0, 0}, {-1, 0}, {1, 0}}), Depart, 0, 1e-10L);
    EXPECT_EQ(r.Statut, LaguerreNonConvergent);
    EXPECT_EQ(r.Nombre, 1);
    const TResultatLaguerre nan = RacinesLaguerre(2, Coefs({{NAN, 0}, {1, 0}, {1, 0}}), Depart, 1000, 1e-10L);
    EXPECT_EQ(nan.Statut, LaguerreNonConvergent);
    EXPECT_EQ(nan.Nombre, 0);
}

TEST(Laguerre, RacineTripleAssezGroupee)
{
    // (p - 2)³ = p³ - 6p² + 12p - 8
    const TResultatLaguerre r =
        RacinesLaguerre(3, Coefs({{-8, 0}, {12, 0}, {-6, 0}, {1, 0}}), Depart, 1000, 1e-10L);
    ASSERT_EQ(r.Nombre, 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_LT(Distance(r.Racines[i], {2, 0}), 1e-5L);
        EXPECT_LT(Distance(r.Racines[i], r.Racines[1]), 1e-4L);
    }
}

TEST(Laguerre, CoefficientDominantNegligeableAbaisseLeDegre)
{
    // 1e-16 p³ + (p - 1)(p - 2)
    const TResultatLaguerre r =
        RacinesLaguerre(3, Coefs({{2, 0}, {-3, 0}, {1, 0}, {1e-16L, 0}}), Depart, 1000, 1e-10L);
    EXPECT_EQ(r.Statut, LaguerreReussi);
    ASSERT_EQ(r.Nombre, 2);
    const Reel petite = std::fmin(r.Racines[1].Re, r.Racines[2].Re);
    const Reel grande = std::fmax(r.Racines[1].Re, r.Racines[2].Re);
    EXPECT_NEAR(static_cast<double>(petite), 1.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(grande), 2.0, 1e-12);
}

TEST(Laguerre, CoefficientsComplexes)
{
    // (p - j)(p - 2 - j) = p² - (2 + 2j) p + (-1 + 2j)
    const TResultatLaguerre r =
        RacinesLaguerre(2, Coefs({{-1, 2}, {-2, -2}, {1, 0}}), {0, 0}, 1000, 1e-10L);
    ASSERT_EQ(r.Nombre, 2);
    const bool ordre = Distance(r.Racines[1], {0, 1}) < 1e-12L;
    EXPECT_LT(Distance(r.Racines[ordre ? 1 : 2], {0, 1}), 1e-12L);
    EXPECT_LT(Distance(r.Racines[ordre ? 2 : 1], {2, 1}), 1e-12L);
}

TEST(Laguerre, RacineCarreeParLeDemiAngle)
{
    const TComplexe s = RacineCarree({0, 1});
    EXPECT_NEAR(static_cast<double>(s.Re), std::sqrt(2.0) / 2, 1e-15);
    EXPECT_NEAR(static_cast<double>(s.Im), std::sqrt(2.0) / 2, 1e-15);
    EXPECT_LT(Distance(RacineCarree({-4, 0}), {0, 2}), 1e-15L);
    EXPECT_LT(Distance(RacineCarree({-3, -4}), {-1, 2}), 1e-15L);
    EXPECT_LT(Distance(RacineCarree({9, 0}), {3, 0}), 1e-15L);
}

TEST(Laguerre, ValeursEtDeriveesParDivisionsSynthetiques)
{
    // p³ - 2p + 5 en 2 : 9, 10, 12
    const TCoefsLaguerre a = Coefs({{5, 0}, {-2, 0}, {0, 0}, {1, 0}});
    const TValeursEtDerivees v = ValeursEtDerivees(3, a, {2, 0});
    EXPECT_TRUE(Egaux(v.P, {9, 0}));
    EXPECT_TRUE(Egaux(v.P1, {10, 0}));
    EXPECT_TRUE(Egaux(v.P2, {12, 0}));
    const TValeursEtDerivees w = ValeursEtDerivees(3, a, {0, 1});
    EXPECT_TRUE(Egaux(w.P, {5, -3}));
    EXPECT_TRUE(Egaux(w.P1, {-5, 0}));
    EXPECT_TRUE(Egaux(w.P2, {0, 6}));
    // Au premier degré la dérivée seconde est nulle.
    const TValeursEtDerivees u = ValeursEtDerivees(1, Coefs({{1, 0}, {3, 0}}), {2, 0});
    EXPECT_TRUE(Egaux(u.P, {7, 0}));
    EXPECT_TRUE(Egaux(u.P1, {3, 0}));
    EXPECT_TRUE(Egaux(u.P2, {0, 0}));
}

TEST(Laguerre, PasDeNewtonAuPremierDegreEtPasNulSiDenominateurNegligeable)
{
    EXPECT_LT(Distance(PasLaguerre(1, {6, 0}, {3, 0}, {0, 0}), {2, 0}), 1e-18L);
    EXPECT_TRUE(Egaux(PasLaguerre(2, {1, 0}, {0, 0}, {0, 0}), {0, 0}));
}

TEST(Laguerre, DeflationParUneRacine)
{
    // (p - 1)(p - 2)(p + 3) / (p - 2) = p² + 2p - 3
    TCoefsLaguerre a = Coefs({{6, 0}, {-7, 0}, {0, 0}, {1, 0}});
    int n = 3;
    Deflation(n, a, {2, 0});
    EXPECT_EQ(n, 2);
    EXPECT_TRUE(Egaux(a[0], {-3, 0}));
    EXPECT_TRUE(Egaux(a[1], {2, 0}));
    EXPECT_TRUE(Egaux(a[2], {1, 0}));
    EXPECT_TRUE(Egaux(a[3], {0, 0}));
}

}  // namespace
