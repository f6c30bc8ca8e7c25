#include <gtest/gtest.h>

#include <cmath>
#include <vector>

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

// Chaque plage d'une analyse est celle de la fonction étudiée, quelle que soit l'étude d'avant :
// instable (1/(p² - 1), dix constantes de temps du pôle -1), partout sous -60 dB, gain pur.
TEST(CalculeEchellesAuto, AucunePlageNeResteDUneAutreFonction)
{
    const std::vector<TPolynome> denominateurs = {
        ParCoefficients({R(-1), R(0), R(1)}),
        PolynomeDeRacines(R(1), {R(-1), R(-2), R(-3), R(-4), R(-5), R(-6), R(-7), R(-8), R(-9), R(-10)}),
        ParCoefficients({R(2)}),
        ParCoefficients({R(1), R(1)}),
    };
    for (const TPolynome& d : denominateurs) {
        TSysteme seul = Systeme(ParCoefficients({R(1)}), d);
        TEchellesAuto neuves;
        ASSERT_EQ(Analyse(seul, neuves), DecompositionFaite);
        for (const TPolynome& avant : denominateurs) {
            TSysteme s = Systeme(ParCoefficients({R(1)}), avant);
            TEchellesAuto e;
            ASSERT_EQ(Analyse(s, e), DecompositionFaite);
            s = Systeme(ParCoefficients({R(1)}), d);
            ASSERT_EQ(Analyse(s, e), DecompositionFaite);
            for (const auto& [nom, champ] : ChampsEchellesAuto)
                EXPECT_EQ(e.*champ, neuves.*champ) << nom << ", degré " << d.Degre << " après " << avant.Degre;
            EXPECT_EQ(s.DecompositionRampeFaite, s.SystemeStable);
        }
        EXPECT_GT(neuves.FreqBasseAuto, 0);
        EXPECT_LT(neuves.FreqBasseAuto, neuves.FreqHauteAuto);
        EXPECT_LE(neuves.GainMinAuto, neuves.GainMaxAuto);
    }
}

TEST(CalculeEchellesAuto, BandeSansGainEntreSoixanteDecibels)
{
    // 1/10! sous -60 dB partout : la bande suit les départs seuls, ses gains aussi.
    TSysteme bas = Systeme(ParCoefficients({R(1)}), PolynomeDeRacines(R(1), {R(-1), R(-2), R(-3), R(-4), R(-5),
                                                                             R(-6), R(-7), R(-8), R(-9), R(-10)}));
    TEchellesAuto e;
    ASSERT_EQ(Analyse(bas, e), DecompositionFaite);
    EXPECT_LT(e.FreqBasseAuto, 0.1L);  // le premier pôle, à 1/2pi Hz, écarte le gain bien avant
    EXPECT_GT(e.FreqHauteAuto, 1);
    EXPECT_TRUE(Proche(e.GainMaxAuto, 20 * std::log10(1 / 3628800.0L), {1e-3L, 0}));
    EXPECT_LT(e.GainMinAuto, e.GainMaxAuto - 60);

    // Gain pur : rien ne s'écarte, bande fixe de 0,01 à 100 Hz.
    TSysteme gain = Systeme(ParCoefficients({R(5)}), ParCoefficients({R(2)}));
    ASSERT_EQ(Analyse(gain, e), DecompositionFaite);
    EXPECT_TRUE(Proche(e.FreqBasseAuto, 0.01L, Serre));
    EXPECT_TRUE(Proche(e.FreqHauteAuto, 100, Serre));
    EXPECT_TRUE(Proche(e.GainMinAuto, 20 * std::log10(2.5L), Serre));
    EXPECT_EQ(e.GainMinAuto, e.GainMaxAuto);
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
