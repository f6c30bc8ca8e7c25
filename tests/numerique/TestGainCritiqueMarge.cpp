// Le gain critique lu sur le lieu d'Evans et la marge de gain lue sur la réponse harmonique
// disent la même chose : K critique = 10^(MG/20), quand un seul croisement de phase existe.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "MargesQuadruple.h"
#include "SystemesEvans.h"
#include "numerique/Marges.h"
#include "numerique/PointsEvans.h"

namespace {

TPolynome AvecRacines(const TRacinesEssai& r)
{
    TPolynome p = PolynomeReel(CoefficientsEssai(r));
    CalculeRacines(p);
    return p;
}

TEST(GainCritiqueEtMarge, LeTroisiemeOrdreDeCours)
{
    const TPolynome n = AvecRacines({1, {}, {}});
    const TPolynome d = AvecRacines({1, {0, -1, -2}, {}});
    const TMarges m = CalculeMarges(n, d, 0);
    ASSERT_TRUE(m.MargeGain.has_value());
    EXPECT_NEAR(double(*m.MargeGain), 15.563, 1e-3);
    const std::optional<Reel> k = PointsEvans(n, d).GainCritique;
    ASSERT_TRUE(k.has_value());
    EXPECT_NEAR(double(*k), 6, 1e-12);
    EXPECT_NEAR(double(std::pow(10.0L, *m.MargeGain / 20)), 6, 1e-9);
}

TEST(GainCritiqueEtMarge, EgauxSurChaqueSystemeOuLesDeuxExistent)
{
    int compares = 0;
    for (const TSystemeEvans& s : SystemesEvans()) {
        const TPolynome n = AvecRacines(s.Zeros);
        const TPolynome d = AvecRacines(s.Poles);
        const TPointsEvans points = PointsEvans(n, d);
        const std::optional<Reel> k = points.GainCritique;
        const TMarges m = CalculeMarges(n, d, 0);
        // Plusieurs croisements : la plus petite marge en valeur absolue n'est pas forcément le
        // premier gain qui déstabilise ; un seul croisement, les deux sont le même point. Un pôle
        // qui passe par l'origine (ω = 0) n'est pas un croisement de phase sur ]0, ∞[.
        const auto critique = std::find_if(points.Croisements.begin(), points.Croisements.end(),
                                           [&](const TCroisement& c) { return k && c.K == *k; });
        if (!k || !m.MargeGain || m.CroisementsPhase.size() != 1 || critique == points.Croisements.end()
            || !(critique->Omega > 0))
            continue;
        ++compares;
        const Reel deMarge = std::pow(10.0L, *m.MargeGain / 20);
        EXPECT_LE(std::fabs(deMarge - *k), 1e-9L * *k) << s.Nom << " : K critique " << double(*k)
                                                         << ", 10^(MG/20) " << double(deMarge);
    }
    EXPECT_GE(compares, 8) << "trop peu de systèmes ont à la fois un gain critique et une marge de gain";
}

}  // namespace

namespace {

// Référence : pôles instables de D + K.N comptés par Routh en quadruple ; stable aux petits K si
// aucun ne l'est en K = 1e-9, puis le premier K d'une grille de rapport 1,01 qui en a un, affiné
// par dichotomie.
std::optional<quad::Q> GainCritiqueRouth(const std::vector<Reel>& n, const std::vector<Reel>& d)
{
    const auto instables = [&](quad::Q k) {
        std::vector<quad::Q> c(std::max(n.size(), d.size()), 0);
        for (std::size_t i = 0; i < d.size(); ++i)
            c[i] += quad::Q(d[i]);
        for (std::size_t i = 0; i < n.size(); ++i)
            c[i] += k * quad::Q(n[i]);
        return quad::RacinesInstablesRouth(c).value_or(-1) != 0;
    };
    quad::Q a = quad::Q(1e-9L);
    if (instables(a))
        return std::nullopt;
    for (quad::Q b = a * quad::Q(1.01L); b < quad::Q(1e9L); a = b, b *= quad::Q(1.01L))
        if (instables(b)) {
            for (int i = 0; i < 120; ++i) {
                const quad::Q m = (a + b) / 2;
                (instables(m) ? b : a) = m;
            }
            return b;
        }
    return std::nullopt;
}

// Le gain critique existe dès que la boucle est stable aux petits gains, quelle que soit la forme
// de la boucle ouverte : pôle double à l'origine, deux zéros de plus que de pôles…
TEST(GainCritiqueEtMarge, DesQueLaBoucleEstStableAuxPetitsGains)
{
    struct TCas {
        std::vector<Reel> N, D;
    };
    const TCas cas[] = {
        {{0.1L, 1}, {0, 0, 2, 3, 1}},   // p + 0,1 sur p²(p + 1)(p + 2)
        {{3, 1, 2, 1}, {1, 1}},         // impropre de deux degrés
        {{1}, {0, 2, 3, 1}},
        {{1, -1}, {2, 1}},              // passage par l'infini en K = 1
        {{-1}, {0, 2, 3, 1}},
        {{1, 1}, {0, 0, 10, 1}},        // stable pour tout K
        {{1}, {1, 0, 1}},
        {{2, 3, 1}, {0, 0, 0, 1}},      // triple intégrateur
    };
    for (const TCas& c : cas) {
        TPolynome n = PolynomeReel(c.N);
        TPolynome d = PolynomeReel(c.D);
        CalculeRacines(n);
        CalculeRacines(d);
        const std::optional<Reel> k = PointsEvans(n, d).GainCritique;
        const std::optional<quad::Q> attendu = GainCritiqueRouth(c.N, c.D);
        ASSERT_EQ(k.has_value(), attendu.has_value()) << double(c.D.back());
        if (attendu) {
            EXPECT_NEAR(double(*k / Reel(*attendu)), 1, 1e-12) << double(*attendu);
        }
    }
}

}  // namespace
