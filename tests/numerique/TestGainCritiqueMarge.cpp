// Le gain critique lu sur le lieu d'Evans et la marge de gain lue sur la réponse harmonique
// disent la même chose : K critique = 10^(MG/20), quand un seul croisement de phase existe.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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
