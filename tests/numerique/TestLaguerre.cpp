#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

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

// |P(z)| rapporté à la somme des modules de ses termes : à l'arrondi près, z est une racine.
Reel ResiduRelatif(int n, const TCoefsLaguerre& a, TComplexe z)
{
    Reel echelle = 0;
    for (int k = n; k >= 0; --k)
        echelle = echelle * Module(z) + Module(a[k]);
    return Module(ValeursEtDerivees(n, a, z).P) / echelle;
}

// Chaque racine attendue est atteinte par une racine trouvée distincte.
void ExpectRacinesAttendues(const TResultatLaguerre& r, const std::vector<TComplexe>& attendues, Reel tolerance)
{
    ASSERT_EQ(r.Statut, LaguerreReussi);
    ASSERT_EQ(r.Nombre, static_cast<int>(attendues.size()));
    std::vector<bool> prise(attendues.size() + 1, false);
    for (const TComplexe& t : attendues) {
        int meilleure = 0;
        for (int i = 1; i <= r.Nombre; ++i)
            if (!prise[i] && (meilleure == 0 || Distance(r.Racines[i], t) < Distance(r.Racines[meilleure], t)))
                meilleure = i;
        prise[meilleure] = true;
        EXPECT_LT(Distance(r.Racines[meilleure], t), tolerance)
            << "(" << static_cast<double>(t.Re) << ", " << static_cast<double>(t.Im) << ")";
    }
}

std::vector<TComplexe> Unite(int nombre, Reel decalage, Reel pas)
{
    std::vector<TComplexe> r;
    for (int k = 0; k < nombre; ++k)
        r.push_back({std::cos(decalage + k * pas), std::sin(decalage + k * pas)});
    return r;
}

// 1 + p + ... + p^n (racines n+1-ièmes de l'unité sauf 1) et p^n + 1 : la recherche tournait en rond
// entre deux points, puis l'affinage retombait sur des racines déjà trouvées.
TEST(Laguerre, HautsDegresJusquAuMaximum)
{
    for (const int n : {20, 60, 74, DegreMaxLaguerre}) {
        SCOPED_TRACE(n);
        TCoefsLaguerre somme{};
        for (int k = 0; k <= n; ++k)
            somme[k] = {1, 0};
        ExpectRacinesAttendues(RacinesLaguerre(n, somme, Depart, 1000, 1e-10L), Unite(n, 2 * Pi / (n + 1), 2 * Pi / (n + 1)),
                               1e-15L);
        TCoefsLaguerre binome{};
        binome[0] = binome[n] = {1, 0};
        ExpectRacinesAttendues(RacinesLaguerre(n, binome, Depart, 1000, 1e-10L), Unite(n, Pi / n, 2 * Pi / n), 1e-15L);
    }
}

// Coefficients 2^k.u_k : des racines de modules voisins autour de 1/2, et des coefficients étalés
// sur trente décades qu'une borne absolue sur P' ou P'' confondait avec zéro.
TEST(Laguerre, CoefficientsEtalesAuDegreMaximum)
{
    const int n = DegreMaxLaguerre;
    TCoefsLaguerre a{};
    unsigned long long x = 12345;
    for (int k = 0; k <= n; ++k) {
        x = x * 6364136223846793005ULL + 1442695040888963407ULL;
        const Reel u = static_cast<Reel>(x >> 11) / 9007199254740992.0L;
        a[k] = {std::ldexp(2 * u - 1, k), 0};
    }
    const TResultatLaguerre r = RacinesLaguerre(n, a, Depart, 1000, 1e-10L);
    ASSERT_EQ(r.Statut, LaguerreReussi);
    ASSERT_EQ(r.Nombre, n);
    for (int i = 1; i <= n; ++i) {
        EXPECT_LT(ResiduRelatif(n, a, r.Racines[i]), 1e-16L) << i;
        for (int j = 1; j < i; ++j)
            EXPECT_GT(Distance(r.Racines[i], r.Racines[j]), 1e-3L) << i << " et " << j;
    }
}

// P'(1 + j) = P''(1 + j) = 0 : le pas de Laguerre y est nul, ce qui ne fait pas de 1 + j une racine.
TEST(Laguerre, PointCritiqueAuDepartNEstPasUneRacine)
{
    const TCoefsLaguerre a = Coefs({{7, 0}, {60, 0}, {-60, 0}, {40, 0}, {-15, 0}, {3, 0}});
    const TResultatLaguerre r = RacinesLaguerre(5, a, Depart, 1000, 1e-10L);
    ASSERT_EQ(r.Statut, LaguerreReussi);
    ASSERT_EQ(r.Nombre, 5);
    for (int i = 1; i <= 5; ++i)
        EXPECT_LT(ResiduRelatif(5, a, r.Racines[i]), 1e-17L) << i;
}

// Ni l'unité des coefficients ni celle des racines ne comptent, jusqu'aux bords de la précision étendue.
TEST(Laguerre, RacinesIndependantesDesUnites)
{
    // (p + 1)(p + 2)(p² + p + 1) = p⁴ + 4p³ + 6p² + 5p + 2, racines multipliées par s
    const Reel coefs[] = {2, 5, 6, 4, 1};
    // Racines multipliées par s, coefficients par un facteur (le dominant restant au-dessus de 1e-15) ;
    // au-delà de 1e±800 les carrés de P' sortent de l'étendue.
    const std::pair<Reel, Reel> unites[] = {{1e-600L, 1}, {1e-600L, 1e3000L}, {1e-20L, 1}, {1, 1}, {1, 1e3000L},
                                            {1e20L, 1e3000L}, {1e600L, 1}};
    for (const auto& [s, facteur] : unites) {
        SCOPED_TRACE(std::to_string(static_cast<double>(std::log10(s))) + " "
                     + std::to_string(static_cast<double>(std::log10(facteur))));
        TCoefsLaguerre a{};
        for (int k = 0; k <= 4; ++k)
            a[k] = {facteur * coefs[k] * std::pow(s, Reel(4 - k)), 0};
        const Reel h = std::sqrt(3.0L) / 2;
        ExpectRacinesAttendues(RacinesLaguerre(4, a, Depart, 1000, 1e-10L),
                               {{-s, 0}, {-2 * s, 0}, {-s / 2, h * s}, {-s / 2, -h * s}}, 1e-17L * s);
    }
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

// Un coefficient dominant nul abaisse le degré ; un coefficient dominant minuscule porte une racine.
TEST(Laguerre, SeulUnCoefficientDominantNulAbaisseLeDegre)
{
    // 0 p³ + (p - 1)(p - 2)
    ExpectRacinesAttendues(RacinesLaguerre(3, Coefs({{2, 0}, {-3, 0}, {1, 0}, {0, 0}}), Depart, 1000, 1e-10L),
                           {{1, 0}, {2, 0}}, 1e-12L);
    // 1e-16 p³ + (p - 1)(p - 2) : troisième racine vers -1e16
    ExpectRacinesAttendues(RacinesLaguerre(3, Coefs({{2, 0}, {-3, 0}, {1, 0}, {1e-16L, 0}}), Depart, 1000, 1e-10L),
                           {{1, 0}, {2, 0}, {-1e16L - 3, 0}}, 1e-2L);
}

TEST(Laguerre, CoefficientsComplexes)
{
    // (p - j)(p - 2 - j) = p² - (2 + 2j) p + (-1 + 2j)
    ExpectRacinesAttendues(RacinesLaguerre(2, Coefs({{-1, 2}, {-2, -2}, {1, 0}}), {0, 0}, 1000, 1e-10L),
                           {{0, 1}, {2, 1}}, 1e-12L);
}

TEST(Laguerre, RacineCarreeParLeDemiAngle)
{
    const TComplexe s = RacineCarree({0, 1});
    EXPECT_NEAR(static_cast<double>(s.Re), std::sqrt(2.0) / 2, 1e-15);
    EXPECT_NEAR(static_cast<double>(s.Im), std::sqrt(2.0) / 2, 1e-15);
    EXPECT_LT(Distance(RacineCarree({-4, 0}), {0, 2}), 1e-15L);
    EXPECT_LT(Distance(RacineCarree({-3, -4}), {-1, 2}), 1e-15L);
    EXPECT_LT(Distance(RacineCarree({9, 0}), {3, 0}), 1e-15L);
    // Une partie réelle minuscule n'est pas nulle pour autant : seule compte sa taille devant l'autre.
    EXPECT_LT(Distance(RacineCarree({-4e-40L, 0}), {0, 2e-20L}), 1e-35L);
    EXPECT_LT(Distance(RacineCarree({3e-30L, 4e-30L}), {2e-15L, 1e-15L}), 1e-30L);
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
