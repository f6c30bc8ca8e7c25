#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <optional>
#include <vector>

#include "OutilsAnalyse.h"
#include "numerique/CadreNyquist.h"
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

// Cadre de Nyquist d'un système à intégrateurs, sur la bande du balayage. Références à la main :
// la courbe garde les points de module sous quatre fois le plus grand module atteint au-delà de
// la première cassure, et l'asymptote d'un intégrateur seul.
using Reponse = std::complex<Reel>;

// Pulsation où |h| vaut `module`, |h| décroissant sur [bas, haut].
template <typename H>
Reel PulsationDuModule(H h, Reel module, Reel bas, Reel haut)
{
    for (int k = 0; k < 200; ++k) {
        const Reel milieu = std::sqrt(bas * haut);
        (std::abs(h(milieu)) > module ? bas : haut) = milieu;
    }
    return bas;
}

constexpr Reel BandeBasse = 1e-4L;
constexpr Reel BandeHaute = 1e6L;

TEST(CadreNyquistIntegrateurs, PartieUtileDeLaCourbe)
{
    const Reponse j(0, 1);
    // 1/(p(p+1)(p+2)) : |H| décroît dès ω = 1, où il vaut 1/√10 ; asymptote -3/4, croisement -1/6.
    const auto troisieme = [j](Reel w) { return Reel(1) / (j * w * (j * w + Reel(1)) * (j * w + Reel(2))); };
    const std::optional<TCadreNyquist> c = CadreNyquistIntegrateurs(
        Systeme(ParCoefficients({R(1)}), ParCoefficients({R(0), R(2), R(3), R(1)})), BandeBasse, BandeHaute);
    ASSERT_TRUE(c);
    const Reponse bord = troisieme(PulsationDuModule(troisieme, 4 / std::sqrt(Reel(10)), 1e-3L, 1));
    EXPECT_NEAR(double(c->Re.Min), -0.75, 1e-4);
    EXPECT_NEAR(double(c->Im.Min), double(bord.imag()), 0.01 * std::abs(double(bord.imag())));
    EXPECT_NEAR(double(c->Re.Max), 0, 1e-9);
    // Le haut de la boucle, entre le croisement et l'origine.
    EXPECT_GT(c->Im.Max, 0.01L);
    EXPECT_LT(c->Im.Max, 0.1L);

    // 1/(p²(p+1)) : deux intégrateurs, pas d'asymptote ; |H(j)| = 1/√2.
    const auto double_ = [j](Reel w) { return Reel(1) / ((j * w) * (j * w) * (j * w + Reel(1))); };
    const std::optional<TCadreNyquist> d = CadreNyquistIntegrateurs(
        Systeme(ParCoefficients({R(1)}), ParCoefficients({R(0), R(0), R(1), R(1)})), BandeBasse, BandeHaute);
    ASSERT_TRUE(d);
    const Reponse coin = double_(PulsationDuModule(double_, 4 / std::sqrt(Reel(2)), 1e-3L, 1));
    EXPECT_NEAR(double(d->Re.Min), double(coin.real()), 0.01 * std::abs(double(coin.real())));
    EXPECT_NEAR(double(d->Im.Max), double(coin.imag()), 0.01 * std::abs(double(coin.imag())));

    // 1/p : une demi-droite jusqu'à |H| = 4 (sans cassure, jusqu'à ω = 1), l'axe réel ouvert au quart.
    const std::optional<TCadreNyquist> i =
        CadreNyquistIntegrateurs(Systeme(ParCoefficients({R(1)}), ParCoefficients({R(0), R(1)})), BandeBasse, BandeHaute);
    ASSERT_TRUE(i);
    EXPECT_NEAR(double(i->Im.Min), -4, 0.04);
    EXPECT_NEAR(double(i->Im.Max), 0, 1e-9);
    EXPECT_NEAR(double(i->Re.Min), double(i->Im.Min) / 8, 1e-9);
    EXPECT_NEAR(double(i->Re.Max), -double(i->Im.Min) / 8, 1e-9);

    // e^(-p)/p : la cassure 1/T = 1, |H| = 1/ω ; Re H = -sin(ω)/ω tend vers -1, Im H = -cos(ω)/ω
    // est au plus bas où |H| = 4.
    const std::optional<TCadreNyquist> r = CadreNyquistIntegrateurs(
        Systeme(ParCoefficients({R(1)}), ParCoefficients({R(0), R(1)}), 1), BandeBasse, BandeHaute);
    ASSERT_TRUE(r);
    EXPECT_NEAR(double(r->Re.Min), -1, 1e-4);
    EXPECT_NEAR(double(r->Im.Min), double(-std::cos(0.25L) / 0.25L), 0.01);
}

// Sans intégrateur sur la bande : le rectangle du balayage suffit.
TEST(CadreNyquistIntegrateurs, RienSansIntegrateur)
{
    EXPECT_FALSE(CadreNyquistIntegrateurs(Systeme(ParCoefficients({R(1)}), ParCoefficients({R(1), R(1)})), BandeBasse,
                                          BandeHaute));
    // Un zéro sous la bande compense le pôle nul.
    EXPECT_FALSE(CadreNyquistIntegrateurs(Systeme(ParCoefficients({R(1e-9L), R(1)}), ParCoefficients({R(0), R(1), R(1)})),
                                          BandeBasse, BandeHaute));
    // Un pôle lent sous la bande agit en intégrateur.
    EXPECT_TRUE(CadreNyquistIntegrateurs(Systeme(ParCoefficients({R(1)}), ParCoefficients({R(1e-9L), R(1)})),
                                         BandeBasse, BandeHaute));
    // Une bande vide, ou des racines inconnues : rien plutôt qu'un cadre faux.
    const TSysteme integrateur = Systeme(ParCoefficients({R(1)}), ParCoefficients({R(0), R(1)}));
    EXPECT_FALSE(CadreNyquistIntegrateurs(integrateur, 0, BandeHaute));
    EXPECT_FALSE(CadreNyquistIntegrateurs(integrateur, 1, 1));
    EXPECT_FALSE(CadreNyquistIntegrateurs(Systeme(ParCoefficients({R(1)}), CoefsSeuls({R(0), R(1), R(1)})), BandeBasse,
                                          BandeHaute));
}

}  // namespace
