#include <gtest/gtest.h>

#include <cmath>

#include "OutilsAnalyse.h"
#include "numerique/BodeAsymptotique.h"

namespace {

TEST(BodeAsymptotique, IntegrateurZeroEtPaireResonante)
{
    // 10(p + 1)/(p(p² + p + 100)) : -20 dB/déc. à -20 dB en 1 rad/s, plat après 1, -40 après 10.
    const TBodeAsymptotique b =
        BodeAsymptotique(PolynomeDeCoefs({10, 10}), PolynomeDeCoefs({0, 100, 1, 1}));
    EXPECT_TRUE(Proche(b.NiveauBasseFrequence, -20, Serre));
    EXPECT_EQ(b.PenteBasseFrequence, -20);
    EXPECT_TRUE(Proche(b.PhaseBasseFrequence, -90, Serre));
    ASSERT_EQ(b.Cassures.size(), 2u);
    EXPECT_TRUE(Proche(b.Cassures[0].Pulsation, 1, Serre));
    EXPECT_EQ(b.Cassures[0].Origine, OrigineCassure::Zero);
    EXPECT_EQ(b.Cassures[0].PenteApres, 0);
    EXPECT_TRUE(Proche(b.Cassures[1].Pulsation, 10, Serre));
    EXPECT_EQ(b.Cassures[1].Origine, OrigineCassure::Paire);
    EXPECT_FALSE(b.Cassures[1].DuNumerateur);
    EXPECT_EQ(b.Cassures[1].PenteApres, -40);
    // ζ = 0,05 : la paire monte de -20.log10(0,1) = 20 dB au-dessus des asymptotes.
    EXPECT_TRUE(Proche(b.Cassures[1].Amortissement, 0.05L, Serre));
    EXPECT_TRUE(Proche(b.Cassures[1].CorrectionResonance, 20, Serre));
    const struct {
        Reel W, Gain, Phase;
    } points[] = {{0.1L, 0, -90}, {1, -20, 0}, {3, -20, 0}, {100, -60, -180}, {1000, -100, -180}};
    for (const auto& p : points) {
        EXPECT_TRUE(Proche(GainAsymptotique(b, p.W), p.Gain, Serre)) << double(p.W);
        EXPECT_TRUE(Proche(PhaseAsymptotique(b, p.W, false), p.Phase, Serre)) << double(p.W);
    }
    // En rampes : -45° de moitié à la cassure du zéro, +45°/décade de 0,1 à 10 rad/s.
    EXPECT_TRUE(Proche(PhaseAsymptotique(b, 1, true), -45, Serre));
    EXPECT_TRUE(Proche(PhaseAsymptotique(b, 0.1L, true), -90, Serre));
    EXPECT_TRUE(Proche(PhaseAsymptotique(b, 100, true), -180, Serre));
}

TEST(BodeAsymptotique, NonMinimumDePhaseEtCassuresConfondues)
{
    // (1 - p)/(p + 1)² : zéro à droite et pôle double à 1 rad/s ; la pente passe de 0 à -20,
    // la phase de 0 à -270°.
    const TBodeAsymptotique b = BodeAsymptotique(PolynomeDeCoefs({1, -1}), PolynomeDeCoefs({1, 2, 1}));
    EXPECT_TRUE(Proche(b.NiveauBasseFrequence, 0, Serre));
    EXPECT_EQ(b.PenteBasseFrequence, 0);
    ASSERT_EQ(b.Cassures.size(), 2u);
    for (const TCassure& c : b.Cassures) {
        EXPECT_TRUE(Proche(c.Pulsation, 1, {1e-9L, 0}));
        EXPECT_EQ(c.PenteApres, -20);
    }
    EXPECT_TRUE(Proche(PhaseAsymptotique(b, 10, false), -270, Serre));
    EXPECT_TRUE(Proche(GainAsymptotique(b, 100), -40, {1e-9L, 0}));
    // -5/((p + 1)(p + 10)) : gain statique -5 (180°), -20 puis -40 dB/déc.
    const TBodeAsymptotique c = BodeAsymptotique(PolynomeDeCoefs({-5}), PolynomeDeCoefs({10, 11, 1}));
    EXPECT_TRUE(Proche(c.NiveauBasseFrequence, 20 * std::log10(0.5L), Serre));
    EXPECT_TRUE(Proche(std::fabs(c.PhaseBasseFrequence), 180, Serre));
    ASSERT_EQ(c.Cassures.size(), 2u);
    EXPECT_EQ(c.Cassures[0].Origine, OrigineCassure::Pole);
    EXPECT_EQ(c.Cassures[0].PenteApres, -20);
    EXPECT_EQ(c.Cassures[1].PenteApres, -40);
    EXPECT_TRUE(Proche(GainAsymptotique(c, 100), 20 * std::log10(0.5L) - 20 - 40, Serre));
}

}  // namespace
