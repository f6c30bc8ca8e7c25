#include <gtest/gtest.h>

#include <cmath>

#include "OutilsAnalyse.h"
#include "numerique/Reponses.h"

namespace {

TEST(CalculeEchellesAuto, DenominateurDeLaRampe)
{
    TSysteme s = Systeme(ParCoefficients({R(1)}), ParCoefficients({R(2), R(3), R(1)}));
    TEchellesAuto e;
    ASSERT_EQ(Analyse(s, e), DecompositionFaite);
    ASSERT_TRUE(s.DecompositionRampeFaite);
    ASSERT_EQ(s.DRampe.Degre, 3);
    EXPECT_TRUE(s.DRampe.CoefsValides && s.DRampe.RacinesValides);
    const Reel coefs[] = {0, 2, 3, 1};
    const Reel racines[] = {-2, -1, 0};
    for (int k = 0; k <= 3; ++k)
        EXPECT_TRUE(Egaux(s.DRampe.Coef[k], R(coefs[k]))) << k;
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(Proche(s.DRampe.Racines[i], R(racines[i - 1]), Serre)) << i;
    EXPECT_EQ(s.DRampe.Multiplicites[0], 3);

    TSysteme integrateur = Systeme(ParCoefficients({R(1)}), ParCoefficients({R(0), R(1)}));
    ASSERT_EQ(Analyse(integrateur, e), DecompositionFaite);
    EXPECT_EQ(integrateur.DRampe.Multiplicites[0], 1);
    EXPECT_EQ(integrateur.DRampe.Multiplicites[1], 2);
    EXPECT_TRUE(Proche(ReponseRampe(integrateur, 4, 0, 1, 0), 8, Serre));  // t²/2
}

// Instable : plages temporelles inchangées, et la rampe d'une étude précédente oubliée.
TEST(CalculeEchellesAuto, SystemeInstableGardeLesPlagesTemporelles)
{
    TSysteme s = Systeme(ParCoefficients({R(1)}), ParCoefficients({R(1), R(1)}));
    TEchellesAuto e;
    ASSERT_EQ(Analyse(s, e), DecompositionFaite);
    const TEchellesAuto avant = e;
    s.Numerateur = ParCoefficients({R(1)});
    s.Denominateur = ParCoefficients({R(-1), R(0), R(1)});
    ASSERT_EQ(Analyse(s, e), DecompositionFaite);
    EXPECT_FALSE(s.SystemeStable);
    EXPECT_EQ(e.TMaxAuto, avant.TMaxAuto);
    EXPECT_EQ(e.YMaxIndicielle, avant.YMaxIndicielle);
    EXPECT_EQ(e.RampeMax, avant.RampeMax);
    EXPECT_EQ(e.GainStat, avant.GainStat);
    EXPECT_FALSE(s.DecompositionRampeFaite);
    EXPECT_EQ(ReponseRampe(s, 3, 0, 1, 0.25L), 0.25L);
    EXPECT_NE(e.ImMinAuto, avant.ImMinAuto);
}

// Un numérateur nul (fichier de données) ne doit pas donner de plage infinie.
TEST(CalculeEchellesAuto, NumerateurNulDonneDesPlagesFinies)
{
    TSysteme s = Systeme(ParCoefficients({R(0)}), ParCoefficients({R(1), R(1)}));
    TEchellesAuto e;
    ASSERT_EQ(Analyse(s, e), DecompositionFaite);
    EXPECT_TRUE(std::isfinite(e.GainMinAuto));
    EXPECT_TRUE(std::isfinite(e.GainMaxAuto));
    EXPECT_LE(e.GainMinAuto, e.GainMaxAuto);
    EXPECT_EQ(e.YMinIndicielle, 0);
    EXPECT_EQ(e.YMaxIndicielle, 1);
}

// 1/(p² + w²) avec w sur la fréquence balayée de 1 Hz : l'échantillon sur le pôle n'entre ni
// dans les plages ni dans les gains, ses voisins si.
TEST(CalculeEchellesAuto, EchantillonSurUnPoleEcarte)
{
    const Reel w = DeuxPi * std::pow(10.0L, 0.0L);
    TSysteme s = Systeme(ParCoefficients({R(1)}), ParCoefficients({R(w * w), R(0), R(1)}));
    ASSERT_TRUE(std::isinf(ReponseFrequentielle(s, {0, w}).Re));
    TEchellesAuto e;
    ASSERT_EQ(Analyse(s, e), DecompositionFaite);
    // Les voisins du pôle valent environ +0,56 et -0,54.
    EXPECT_GT(e.ReMaxAuto, 0.5L);
    EXPECT_LT(e.ReMaxAuto, 0.6L);
    EXPECT_LT(e.ReMinAuto, -0.5L);
    EXPECT_GT(e.ReMinAuto, -0.6L);
    EXPECT_LT(e.GainMaxAuto, 0);
    EXPECT_GT(e.GainMaxAuto, -10);
    EXPECT_LT(e.FreqBasseAuto, 1);
    EXPECT_GT(e.FreqHauteAuto, 1);
}

// Ce qui sortirait de l'étendue (rampe t³/6 au-delà de 1E2000 s, dix constantes de temps d'un
// pôle en 5E-4932) ne devient pas une plage infinie.
TEST(CalculeEchellesAuto, PlagesFiniesAuxBornesDeLEtendue)
{
    TSysteme doubleIntegrateur = Systeme(ParCoefficients({R(1)}), ParCoefficients({R(0), R(0), R(1)}), 1e2000L);
    TSysteme lent = Systeme(ParCoefficients({R(1)}), PolynomeDeRacines(R(1), {R(-5e-4932L)}));
    for (TSysteme* s : {&doubleIntegrateur, &lent}) {
        TEchellesAuto e;
        ASSERT_EQ(Analyse(*s, e), DecompositionFaite);
        for (const auto& [nom, champ] : ChampsEchellesAuto)
            EXPECT_TRUE(std::isfinite(e.*champ)) << nom;
    }
    TEchellesAuto e;
    ASSERT_EQ(Analyse(lent, e), DecompositionFaite);
    EXPECT_EQ(e.TMaxAuto, 10);
}

}  // namespace
