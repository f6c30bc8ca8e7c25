#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "OutilsAnalyse.h"
#include "ReferenceIndicielle.h"
#include "numerique/CaracteristiquesIndicielle.h"

namespace {

std::vector<TComplexe> Paire(Reel zeta, Reel wn)
{
    const Reel wd = wn * std::sqrt(1 - zeta * zeta);
    return {{-zeta * wn, wd}, {-zeta * wn, -wd}};
}

// Écart relatif, absolu sous l'unité de la grandeur.
::testing::AssertionResult A1e9(Reel obtenu, Quad attendu, const char* nom)
{
    const Reel a = Reel(attendu);
    if (std::fabs(obtenu - a) <= 1e-9L * std::max<Reel>(1e-3L, std::fabs(a)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << nom << " : " << double(obtenu) << " au lieu de " << double(a);
}

void CompareAReference(const TSysteme& s, const TReferenceIndicielle& r)
{
    const TCaracteristiques c = CaracteristiquesIndicielle(s);
    ASSERT_TRUE(c.Existent) << c.Raison;
    const TCaracteristiquesRef ref = CaracteristiquesReference(r);
    const Quad T = s.TempsMort;
    EXPECT_TRUE(A1e9(c.ValeurFinale, r.Finale, "valeur finale"));
    EXPECT_TRUE(A1e9(c.DepassementPct, ref.Depassement, "dépassement"));
    EXPECT_EQ(c.Pic, ref.Depassement > 1e-13);
    if (c.Pic) {
        EXPECT_TRUE(A1e9(c.TempsPic, T + ref.Pic, "temps de pic"));
    }
    EXPECT_TRUE(A1e9(c.TempsMontee, ref.Montee, "temps de montée"));
    EXPECT_TRUE(A1e9(c.TempsReponse5, T + ref.Reponse5, "temps de réponse à 5 %"));
    EXPECT_TRUE(A1e9(c.TempsReponse2, T + ref.Reponse2, "temps de réponse à 2 %"));
    EXPECT_EQ(c.SousDepassement, ref.SousValeur < -1e-15);
    if (c.SousDepassement) {
        EXPECT_TRUE(A1e9(c.ValeurSousDepassement, ref.SousValeur * r.Finale, "sous-dépassement"));
        EXPECT_TRUE(A1e9(c.TempsSousDepassement, T + ref.SousInstant, "instant du sous-dépassement"));
    }
}

TEST(CaracteristiquesIndicielle, FormulesDuCours)
{
    // Premier ordre : 10 % à 90 % en τ.ln 9, bande de 5 % quittée à -τ.ln 0,05 (« 3τ »), retard ajouté.
    const Reel tau = 2;
    const TCaracteristiques p1 = CaracteristiquesIndicielle(EtudieParRacines(3 / tau, {}, {R(-1 / tau)}, 0.7L));
    ASSERT_TRUE(p1.Existent);
    EXPECT_TRUE(Proche(p1.ValeurFinale, 3, Serre));
    EXPECT_FALSE(p1.Pic);
    EXPECT_EQ(p1.DepassementPct, 0);
    EXPECT_FALSE(p1.SousDepassement);
    EXPECT_TRUE(Proche(p1.TempsMontee, tau * std::log(9.0L), Serre));
    EXPECT_TRUE(Proche(p1.InstantDixPourCent, 0.7L - tau * std::log(0.9L), Serre));
    EXPECT_TRUE(Proche(p1.TempsReponse5, 0.7L - tau * std::log(0.05L), Serre));
    EXPECT_TRUE(Proche(p1.TempsReponse2, 0.7L - tau * std::log(0.02L), Serre));
    // Second ordre : dépassement e^(-πζ/√(1-ζ²)) et pic à π/(ωn.√(1-ζ²)).
    for (const Reel zeta : {0.05L, 0.2L, 0.5L, 0.707L, 0.95L}) {
        const Reel wn = 3;
        const TCaracteristiques c = CaracteristiquesIndicielle(EtudieParRacines(wn * wn, {}, Paire(zeta, wn)));
        ASSERT_TRUE(c.Existent);
        const Reel racine = std::sqrt(1 - zeta * zeta);
        EXPECT_TRUE(Proche(c.DepassementPct, 100 * std::exp(-Pi * zeta / racine), {1e-11L, 0})) << double(zeta);
        EXPECT_TRUE(Proche(c.TempsPic, Pi / (wn * racine), {1e-11L, 0})) << double(zeta);
    }
}

TEST(CaracteristiquesIndicielle, VingtSystemesAuMilliardieme)
{
    struct TCas {
        Reel K;
        std::vector<TComplexe> Zeros, Poles;
        Reel Retard;
        Quad Horizon;
    };
    std::vector<TCas> cas = {
        {0.5L, {}, {R(-0.5L)}, 0, 30},
        {2, {}, {R(-0.5L)}, 1.25L, 30},
        {1, {}, {R(-1), R(-2)}, 0, 20},
        {6, {}, {R(-1), R(-2), R(-3)}, 0.3L, 20},
        {1, {}, {R(-1), Paire(0.5L, 1)[0], Paire(0.5L, 1)[1]}, 0, 40},
        {-4, {R(-3)}, {R(-1), R(-2), Paire(0.15L, 2)[0], Paire(0.15L, 2)[1]}, 0, 60},
        {-2, {R(2)}, {Paire(0.3L, 2)[0], Paire(0.3L, 2)[1]}, 0, 40},
        {-1, {R(0.5L)}, {R(-1), R(-2), R(-3)}, 0.3L, 20},
        {0.5L, {R(-1), R(-1.5L)}, {Paire(0.2L, 1)[0], Paire(0.2L, 1)[1]}, 0, 60},
        {1, {}, {R(-0.5L), R(-1), R(-2), Paire(0.45L, std::sqrt(5.0L))[0], Paire(0.45L, std::sqrt(5.0L))[1]}, 0, 40},
        {4, {}, {R(-2 + std::sqrt(3.0L)), R(-2 - std::sqrt(3.0L))}, 0, 40},  // ζ = 2
        {2.25L, {}, {R(-2.25L + 1.5L * std::sqrt(1.25L)), R(-2.25L - 1.5L * std::sqrt(1.25L))}, 0, 60},  // ζ = 1,5
        {1, {R(-0.2L)}, {R(-1), R(-2)}, 0, 40},  // dépassement d'un zéro lent
    };
    for (const Reel zeta : {0.05L, 0.1L, 0.3L, 0.6L, 0.8L, 0.99L}) {
        const Reel wn = 1 + 10 * zeta;
        cas.push_back({wn * wn, {}, Paire(zeta, wn), zeta == 0.3L ? 1.5L : 0, Quad(30 / (zeta * wn))});
    }
    ASSERT_GE(cas.size(), 19u);
    for (const TCas& c : cas) {
        SCOPED_TRACE(double(c.Poles[0].Re));
        CompareAReference(EtudieParRacines(c.K, c.Zeros, c.Poles, c.Retard), ParResidus(c.K, c.Zeros, c.Poles, c.Horizon));
    }
}

// Pôles multiples : les résidus ne s'appliquent plus, formes closes écrites à la main.
TEST(CaracteristiquesIndicielle, PolesMultiplesEtNonMinimumDePhase)
{
    TReferenceIndicielle triple;
    triple.Finale = 1;
    triple.Horizon = 30;
    triple.Y = [](Quad t) { return 1 - expq(-t) * (1 + t + t * t / 2); };
    triple.H = [](Quad t) { return t * t / 2 * expq(-t); };
    CompareAReference(EtudieParRacines(1, {}, {R(-1), R(-1), R(-1)}), triple);

    TReferenceIndicielle critique;  // ζ = 1, ωn = 2
    critique.Finale = 1;
    critique.Horizon = 20;
    critique.Y = [](Quad t) { return 1 - expq(-2 * t) * (1 + 2 * t); };
    critique.H = [](Quad t) { return 4 * t * expq(-2 * t); };
    CompareAReference(EtudieParRacines(4, {}, {R(-2), R(-2)}), critique);

    // (1 - p)/(p + 1)² : y = 1 - e^-t - 2t.e^-t, minimum 1 - 2/√e en t = 1/2.
    TReferenceIndicielle nmp;
    nmp.Finale = 1;
    nmp.Horizon = 30;
    nmp.Y = [](Quad t) { return 1 - expq(-t) * (1 + 2 * t); };
    nmp.H = [](Quad t) { return expq(-t) * (2 * t - 1); };
    const TSysteme s = EtudieParRacines(-1, {R(1)}, {R(-1), R(-1)}, 0.25L);
    CompareAReference(s, nmp);
    const TCaracteristiques c = CaracteristiquesIndicielle(s);
    EXPECT_TRUE(Proche(c.ValeurSousDepassement, 1 - 2 / std::sqrt(std::exp(1.0L)), Serre));
    EXPECT_TRUE(Proche(c.TempsSousDepassement, 0.75L, Serre));
}

// N et D de même degré : la réponse saute en 0 ; le saut peut déjà dépasser la valeur finale.
TEST(CaracteristiquesIndicielle, SautInitial)
{
    const TCaracteristiques c = CaracteristiquesIndicielle(EtudieParRacines(2, {R(-0.5L)}, {R(-1)}, 0.5L));
    ASSERT_TRUE(c.Existent);
    EXPECT_TRUE(Proche(c.ValeurFinale, 1, Serre));
    EXPECT_TRUE(Proche(c.DepassementPct, 100, Serre));
    EXPECT_EQ(c.TempsPic, 0.5L);
    EXPECT_EQ(c.TempsMontee, 0);
    // 1 + e^-t sort de la bande à 5 % en t = -ln 0,05.
    EXPECT_TRUE(Proche(c.TempsReponse5, 0.5L - std::log(0.05L), Serre));
    CompareAReference(EtudieParRacines(0.5L, {Paire(0.5L, 1)[0], Paire(0.5L, 1)[1]}, Paire(0.2L, 1)),
                      ParResidus(0.5L, Paire(0.5L, 1), Paire(0.2L, 1), 60));
}

TEST(CaracteristiquesIndicielle, AucuneQuandPasDeValeurFinale)
{
    const struct {
        std::vector<TComplexe> Zeros, Poles;
        const char* Mot;
    } cas[] = {
        {{}, {R(1), R(-2)}, "instable"},
        {{}, {R(0), R(-1)}, "valeur finale"},
        {{}, {TComplexe{0, 1}, TComplexe{0, -1}}, "oscille"},
        {{R(0)}, {R(-1), R(-2)}, "nulle"},
    };
    for (const auto& c : cas) {
        const TCaracteristiques r = CaracteristiquesIndicielle(EtudieParRacines(1, c.Zeros, c.Poles));
        EXPECT_FALSE(r.Existent) << c.Mot;
        EXPECT_NE(r.Raison.find(c.Mot), std::string::npos) << r.Raison;
    }
}

}  // namespace
