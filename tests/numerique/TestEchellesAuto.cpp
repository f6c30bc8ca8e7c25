#include <gtest/gtest.h>

#include <cmath>

#include "numerique/OutilsAnalyse.h"
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

}  // namespace
