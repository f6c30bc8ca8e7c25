#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "MargesQuadruple.h"
#include "PolynomesSaisis.h"
#include "numerique/Marges.h"

namespace {

constexpr Reel Precis = 1e-12L;

void ExpectProche(Reel obtenu, Reel attendu, Reel tolerance = Precis)
{
    EXPECT_LE(std::fabs(obtenu - attendu), tolerance * std::max(Reel(1), std::fabs(attendu)))
        << "obtenu " << double(obtenu) << ", attendu " << double(attendu);
}

// Le troisième ordre de cours : K / (p(p+1)(p+2)).
TMarges TroisiemeOrdre(Reel K, Reel T = 0)
{
    return CalculeMarges(PolynomeDeCoefs({K}), PolynomeDeCoefs({0, 2, 3, 1}), T);
}

// Racine positive de x^3 + 5x^2 + 4x - 1 : |H(jw)| = 1 en w^2 = x pour K = 1.
Reel CroisementGainTroisiemeOrdre()
{
    Reel x = 0.2L;
    for (int i = 0; i < 60; ++i)
        x -= (((x + 5) * x + 4) * x - 1) / ((3 * x + 10) * x + 4);
    return std::sqrt(x);
}

TEST(Marges, TroisiemeOrdreDuCours)
{
    const TMarges m = TroisiemeOrdre(1);
    ASSERT_EQ(m.CroisementsPhase.size(), 1u);
    ExpectProche(m.CroisementsPhase[0], std::sqrt(Reel(2)));
    ASSERT_TRUE(m.MargeGain);
    ExpectProche(*m.MargeGain, 20 * std::log10(Reel(6)));
    ExpectProche(m.PulsationMargeGain, std::sqrt(Reel(2)));
    const Reel wc = CroisementGainTroisiemeOrdre();
    ASSERT_EQ(m.CroisementsGain.size(), 1u);
    ExpectProche(m.CroisementsGain[0], wc);
    const Reel mp = 90 - (std::atan(wc) + std::atan(wc / 2)) * 180 / Pi;
    ASSERT_TRUE(m.MargePhase);
    ExpectProche(*m.MargePhase, mp);
    ASSERT_TRUE(m.MargeRetard);
    ExpectProche(*m.MargeRetard, mp * Pi / 180 / wc);
    EXPECT_EQ(m.Verdict.Stabilite, TStabiliteBoucleFermee::Stable);
    EXPECT_EQ(m.Verdict.PolesInstables, 0);
    EXPECT_EQ(m.Verdict.Encerclements, 0);
}

TEST(Marges, LeRetardRetireExactementWT)
{
    // Même croisement de gain ; la phase y perd wc.T radians, le croisement de phase descend.
    const TMarges m = TroisiemeOrdre(1, 1);
    const Reel wc = CroisementGainTroisiemeOrdre();
    ASSERT_EQ(m.CroisementsGain.size(), 1u);
    ExpectProche(m.CroisementsGain[0], wc);
    ASSERT_TRUE(m.MargePhase);
    ExpectProche(*m.MargePhase, 90 - (std::atan(wc) + std::atan(wc / 2) + wc) * 180 / Pi);
    ASSERT_FALSE(m.CroisementsPhase.empty());
    const Reel w = m.CroisementsPhase[0];
    EXPECT_LT(w, std::sqrt(Reel(2)));
    ExpectProche(std::atan(w) + std::atan(w / 2) + w, Pi / 2);
    ExpectProche(*m.MargeGain, -20 * std::log10(1 / (w * std::sqrt(1 + w * w) * std::sqrt(4 + w * w))));
    EXPECT_EQ(m.Verdict.Stabilite, TStabiliteBoucleFermee::Stable);
}

// Au gain critique 6 la boucle fermée a deux pôles en ±j.sqrt(2) ; au-delà, deux pôles instables.
TEST(Marges, GainCritiqueEtAuDela)
{
    const struct {
        Reel K;
        TStabiliteBoucleFermee Stabilite;
        int Encerclements;
    } cas[] = {
        {5.9L, TStabiliteBoucleFermee::Stable, 0},
        {6, TStabiliteBoucleFermee::Instable, 0},
        {6.1L, TStabiliteBoucleFermee::Instable, 2},
        {100, TStabiliteBoucleFermee::Instable, 2},
    };
    for (const auto& c : cas) {
        const TMarges m = TroisiemeOrdre(c.K);
        EXPECT_EQ(m.Verdict.Stabilite, c.Stabilite) << double(c.K);
        EXPECT_EQ(m.Verdict.Encerclements, c.Encerclements) << double(c.K);
        ASSERT_TRUE(m.MargeGain);
        ExpectProche(*m.MargeGain, 20 * std::log10(6 / c.K));
    }
}

TEST(Marges, SansCroisementLesMargesSontInfinies)
{
    // 1/(p+1) : |H| < 1 sur (0, infini) et la phase ne descend pas sous -90°.
    const TMarges m = CalculeMarges(PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 1}), 0);
    EXPECT_TRUE(m.CroisementsGain.empty());
    EXPECT_TRUE(m.CroisementsPhase.empty());
    EXPECT_FALSE(m.MargeGain);
    EXPECT_FALSE(m.MargePhase);
    EXPECT_FALSE(m.MargeRetard);
    EXPECT_EQ(m.Verdict.Stabilite, TStabiliteBoucleFermee::Stable);
}

TEST(Marges, PremierOrdreAvecGainEtRetard)
{
    // 2/(p+1) : |H| = 1 en w = sqrt(3), marge de phase 120°.
    const TMarges m = CalculeMarges(PolynomeDeCoefs({2}), PolynomeDeCoefs({1, 1}), 0);
    ASSERT_EQ(m.CroisementsGain.size(), 1u);
    ExpectProche(m.CroisementsGain[0], std::sqrt(Reel(3)));
    ExpectProche(*m.MargePhase, 120);
    ExpectProche(*m.MargeRetard, (2 * Pi / 3) / std::sqrt(Reel(3)));
    EXPECT_FALSE(m.MargeGain);
}

TEST(Marges, GainPurRetardeCroiseSansFin)
{
    // 0,5.e^(-2p) : croisements de phase en (2k+1).pi/2, la liste s'arrête à son maximum.
    const TMarges m = CalculeMarges(PolynomeDeCoefs({0.5L}), PolynomeDeCoefs({1}), 2);
    ASSERT_EQ(m.CroisementsPhase.size(), std::size_t(CroisementsMax));
    for (std::size_t k = 0; k < m.CroisementsPhase.size(); ++k)
        ExpectProche(m.CroisementsPhase[k], (2 * Reel(k) + 1) * Pi / 2);
    ExpectProche(*m.MargeGain, 20 * std::log10(Reel(2)));
    EXPECT_TRUE(m.CroisementsGain.empty());
    EXPECT_EQ(m.Verdict.Stabilite, TStabiliteBoucleFermee::Stable);

    const TMarges fort = CalculeMarges(PolynomeDeCoefs({2}), PolynomeDeCoefs({1}), 2);
    EXPECT_EQ(fort.Verdict.Stabilite, TStabiliteBoucleFermee::Indecidable);
    EXPECT_FALSE(fort.Verdict.Raison.empty());
}

TEST(Marges, RetardLimiteDuPremierOrdre)
{
    // 2.e^(-Tp)/(p+1) : la marge de retard est le retard qui rend la boucle juste instable.
    const Reel retard = *CalculeMarges(PolynomeDeCoefs({2}), PolynomeDeCoefs({1, 1}), 0).MargeRetard;
    const auto verdict = [](Reel T) {
        return CalculeMarges(PolynomeDeCoefs({2}), PolynomeDeCoefs({1, 1}), T).Verdict.Stabilite;
    };
    EXPECT_EQ(verdict(retard * 0.99L), TStabiliteBoucleFermee::Stable);
    EXPECT_EQ(verdict(retard * 1.01L), TStabiliteBoucleFermee::Instable);
    const TMarges juste = CalculeMarges(PolynomeDeCoefs({2}), PolynomeDeCoefs({1, 1}), retard * 1.01L);
    EXPECT_LT(*juste.MargePhase, 0);
    EXPECT_EQ(*juste.MargeRetard, 0);
}

TEST(Marges, BoucleOuverteInstable)
{
    // 2/(p-1) : un pôle instable, un tour de -1 dans le sens trigonométrique, boucle fermée stable.
    const TMarges m = CalculeMarges(PolynomeDeCoefs({2}), PolynomeDeCoefs({-1, 1}), 0);
    EXPECT_EQ(m.Verdict.PolesInstables, 1);
    EXPECT_EQ(m.Verdict.Encerclements, -1);
    EXPECT_EQ(m.Verdict.Stabilite, TStabiliteBoucleFermee::Stable);
    // 0,5/(p-1) : la boucle fermée p - 0,5 reste instable.
    const TMarges faible = CalculeMarges(PolynomeDeCoefs({0.5L}), PolynomeDeCoefs({-1, 1}), 0);
    EXPECT_EQ(faible.Verdict.Encerclements, 0);
    EXPECT_EQ(faible.Verdict.Stabilite, TStabiliteBoucleFermee::Instable);
}

TEST(Marges, CasDegeneres)
{
    // Passe-tout : |H| = 1 partout, aucun croisement de gain isolé.
    const TMarges passeTout = CalculeMarges(PolynomeDeCoefs({1, -1}), PolynomeDeCoefs({1, 1}), 0);
    EXPECT_TRUE(passeTout.CroisementsGain.empty());
    // Double intégrateur : H réel négatif partout, aucun croisement de phase isolé.
    const TMarges double1 = CalculeMarges(PolynomeDeCoefs({4}), PolynomeDeCoefs({0, 0, 1}), 0);
    EXPECT_TRUE(double1.CroisementsPhase.empty());
    ASSERT_EQ(double1.CroisementsGain.size(), 1u);
    ExpectProche(double1.CroisementsGain[0], 2);
    ExpectProche(*double1.MargePhase, 0);
    EXPECT_EQ(double1.Verdict.Stabilite, TStabiliteBoucleFermee::Instable);
    // Impropre : rien n'est décidé, et la raison est dite.
    const TMarges impropre = CalculeMarges(PolynomeDeCoefs({1, 1, 1}), PolynomeDeCoefs({1, 1}), 0);
    EXPECT_EQ(impropre.Verdict.Stabilite, TStabiliteBoucleFermee::Indecidable);
    EXPECT_FALSE(impropre.Verdict.Raison.empty());
}

}  // namespace

namespace {

std::vector<quad::Q> EnQuadruple(const std::vector<Reel>& c)
{
    std::vector<quad::Q> q;
    for (const Reel x : c)
        q.push_back(quad::Q(x));
    return q;
}

TPolynome AvecRacines(const std::vector<Reel>& c)
{
    TPolynome p = PolynomeReel(c);
    CalculeRacines(p);
    return p;
}

// Sans retard, le verdict est celui des pôles de la boucle fermée, comptés par Routh en
// quadruple sur D + N ; le compte des tours qui l'explique lui est conforme.
TEST(Marges, VerdictDesBouclesAUnCheveuDeLAxe)
{
    struct TCas {
        std::vector<Reel> N, D;
    };
    const TCas cas[] = {
        {{1}, {1, -2e-10L, 1}},                                  // 1e-10 ± j.√2
        {{3, -1.0000000006L, -2e-10L}, {0, 2, 3, 1}},            // 1e-10 ± j.…
        {{0.5L}, {0.5L, 2e-13L, 1}},                             // -1e-13 ± j
        {{0.5L}, {0.5L, -2e-13L, 1}},                            // 1e-13 ± j
        {{3, 1}, {0, 6e-13L, 3.0000000000002L, 1}},              // (p² + 2e-13.p + 1)(p + 3)
        {{1}, {1, 2e-10L, 1}},
        {{2}, {-1, 1}},
        {{1, -2}, {1, 1}},                                       // bipropre, 1 + H tend vers -1
    };
    for (const TCas& c : cas) {
        std::vector<quad::Q> ferme = EnQuadruple(c.D);
        const std::vector<quad::Q> n = EnQuadruple(c.N);
        for (std::size_t k = 0; k < n.size(); ++k)
            ferme[k] += n[k];
        const std::optional<int> instables = quad::RacinesInstablesRouth(ferme);
        ASSERT_TRUE(instables.has_value());
        const TVerdictNyquist v = CalculeMarges(AvecRacines(c.N), AvecRacines(c.D), 0).Verdict;
        EXPECT_EQ(v.Stabilite == TStabiliteBoucleFermee::Stable, *instables == 0) << v.Raison;
        EXPECT_EQ(v.PolesInstables + v.Encerclements, *instables) << v.Raison;
        EXPECT_EQ(v.Raison.rfind("critère de Nyquist", 0), 0u) << v.Raison;
    }
}

// Avec un retard : k.e^(-4p)/(p² - 2e-12.p + 1). Les pôles de la boucle fermée proches de ±j,
// affinés par Newton en quadruple sur p² - 2e-12.p + 1 + k.e^(-4p), décident ; les autres sont
// loin à gauche pour un k aussi petit.
TEST(Marges, RetardEtPolesOuvertsAUnCheveuDeLAxe)
{
    using quad::C;
    using quad::Q;
    const auto fermeStable = [](Q k) {
        C s{Q(1e-12L), 1};
        for (int i = 0; i < 50; ++i) {
            const Q m = k * expq(-4 * s.re);
            const C e{m * cosq(4 * s.im), -m * sinq(4 * s.im)};
            const C f{s.re * s.re - s.im * s.im - Q(2e-12L) * s.re + 1 + e.re, 2 * s.re * s.im - Q(2e-12L) * s.im + e.im};
            const C df{2 * s.re - Q(2e-12L) - 4 * e.re, 2 * s.im - 4 * e.im};
            const C pas = quad::Div(f, df);
            s = {s.re - pas.re, s.im - pas.im};
        }
        return s.re < 0;
    };
    for (const Reel k : {1e-14L, 1e-11L, 1e-13L, 1e-12L, 3e-12L}) {
        const TVerdictNyquist v = CalculeMarges(AvecRacines({k}), AvecRacines({1, -2e-12L, 1}), 4).Verdict;
        ASSERT_NE(v.Stabilite, TStabiliteBoucleFermee::Indecidable) << v.Raison;
        EXPECT_EQ(v.Stabilite == TStabiliteBoucleFermee::Stable, fermeStable(quad::Q(k))) << double(k);
        EXPECT_EQ(v.PolesInstables, 2);
    }
}

}  // namespace
