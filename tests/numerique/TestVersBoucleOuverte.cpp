// Passage de la boucle fermée à la boucle ouverte : cas particulier, décalage de phase, et
// retour exact à la boucle fermée le long des lieux de l'abaque.
#include <gtest/gtest.h>

#include <cmath>

#include "numerique/Arrondis.h"
#include "numerique/VersBoucleOuverte.h"

namespace {

TComplexe DeGainPhase(TGainPhase g)
{
    return DePolaire({Puiss10(g.Gain / 20), g.Phase * Pi / 180});
}

TGainPhase GainPhaseFermes(TGainPhase ouverte)
{
    const TComplexe f = BoucleFermee(DeGainPhase(ouverte));
    return {20 * Log10(Module(f)), Argument(f) * 180 / Pi};
}

TEST(VersBoucleOuverte, UnMoinsFNulDonneCentDecibelsEtMoinsQuatreVingtDix)
{
    for (const bool symetrique : {false, true}) {
        const TGainPhase p = VersBoucleOuverte(0, 0, symetrique);
        EXPECT_EQ(p.Gain, 100);
        EXPECT_EQ(p.Phase, -90);
    }
    // Tout près, le vrai calcul : F = e^(-j 0,001°) donne un très grand gain vers -90°.
    const TGainPhase voisin = VersBoucleOuverte(0, -0.001L, false);
    EXPECT_GT(voisin.Gain, 90);
    EXPECT_NEAR(double(voisin.Phase), -90.0005, 1e-6);
}

TEST(VersBoucleOuverte, PhasePositiveDecaleeHorsPlageSymetrique)
{
    // Boucle fermée de phase positive : T = F/(1 - F) a une phase positive.
    const TGainPhase symetrique = VersBoucleOuverte(-6, 30, true);
    const TGainPhase decalee = VersBoucleOuverte(-6, 30, false);
    ASSERT_GT(symetrique.Phase, 0);
    EXPECT_EQ(decalee.Phase, symetrique.Phase - 360);
    EXPECT_EQ(decalee.Gain, symetrique.Gain);
    // Une phase négative ne bouge pas.
    EXPECT_EQ(VersBoucleOuverte(-6, -30, false).Phase, VersBoucleOuverte(-6, -30, true).Phase);
    // Gain très faible : T se confond avec F.
    const TGainPhase faible = VersBoucleOuverte(-80, -40, false);
    EXPECT_NEAR(double(faible.Gain), -80, 1e-3);
    EXPECT_NEAR(double(faible.Phase), -40, 1e-2);
}

TEST(VersBoucleOuverte, LesLieuxDeLAbaqueRetombentSurLeurGainEtLeurPhase)
{
    for (const bool symetrique : {false, true}) {
        for (const Reel g : {12.0L, 3.0L, 0.5L, 0.0L, -3.0L, -20.0L, -50.0L})
            for (Reel phi = -0.1L; phi > -180; phi -= 7.3L) {
                const TGainPhase ferme = GainPhaseFermes(VersBoucleOuverte(g, phi, symetrique));
                EXPECT_NEAR(double(ferme.Gain), double(g), 1e-9) << double(g) << " dB, " << double(phi) << "°";
                EXPECT_NEAR(double(ferme.Phase), double(phi), 1e-9) << double(g) << " dB, " << double(phi) << "°";
            }
        for (const Reel phi : {-2.0L, -30.0L, -90.0L, -170.0L})
            for (Reel g = 15; g > -40; g -= 2.9L) {
                const TGainPhase ferme = GainPhaseFermes(VersBoucleOuverte(g, phi, symetrique));
                EXPECT_NEAR(double(ferme.Phase), double(phi), 1e-9) << double(phi) << "°, " << double(g) << " dB";
            }
    }
}

TEST(VersBoucleOuverte, LeLieuDeZeroDecibelsEstLaDroiteDePartieReelleMoinsUnDemi)
{
    // |F| = 1 : T = F/(1 - F) a pour partie réelle -1/2, soit |T| = 1/(2 cos(ψ + 180°)).
    for (Reel phi = -10; phi > -180; phi -= 20) {
        const TComplexe t = DeGainPhase(VersBoucleOuverte(0, phi, true));
        EXPECT_NEAR(double(t.Re), -0.5, 1e-12) << double(phi);
    }
}

TEST(BoucleFermee, RetourUnitaire)
{
    const TComplexe f = BoucleFermee({1, 1});
    // (1 + j)/(2 + j) = (3 + j)/5
    EXPECT_NEAR(double(f.Re), 0.6, 1e-18);
    EXPECT_NEAR(double(f.Im), 0.2, 1e-18);
    EXPECT_FALSE(EstFini(BoucleFermee({-1, 0})));
}

}
