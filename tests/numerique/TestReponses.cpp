#include <gtest/gtest.h>

#include <cmath>

#include "OutilsAnalyse.h"
#include "numerique/Reponses.h"
#include "numerique/ReponsesEchantillonnees.h"

namespace {

TSysteme Etudie(const TPolynome& n, const TPolynome& d, Reel tempsMort = 0)
{
    TSysteme s = Systeme(n, d, tempsMort);
    TEchellesAuto e;
    EXPECT_EQ(Analyse(s, e), DecompositionFaite);
    return s;
}

Reel Indicielle(const TSysteme& s, Reel t)
{
    return ReponseIndicielleUnitaire(s.Denominateur, s.PartieEntiere, s.Decomposition, t);
}

TEST(ReponseIndicielle, EchelonEntreDeuxNiveauxApresLeRetard)
{
    const Reel s1 = 1 - std::exp(-1.0L);
    const TSysteme retarde = Etudie(ParCoefficients({R(1)}), ParCoefficients({R(1), R(1)}), 0.5L);
    EXPECT_EQ(ReponseEchelon(retarde, 0.4L, 0.5L, 2, 3, 2), 2);
    EXPECT_TRUE(Proche(ReponseEchelon(retarde, 1.5L, 0.5L, 2, 3, 2), 2 + s1, Serre));
    EXPECT_EQ(Indicielle(retarde, -0.5L), 0);
}

TEST(ReponseIndicielle, PolesMultiplesEtPolesNuls)
{
    const TSysteme integrateur = Etudie(ParCoefficients({R(1)}), ParCoefficients({R(0), R(1)}));
    EXPECT_TRUE(Proche(ReponseEchelon(integrateur, 3, 0, 2, 3, 0), 3, Serre));

    const TSysteme doubleIntegrateur = Etudie(ParCoefficients({R(1)}), PolynomeDeRacines(R(1), {R(0), R(0)}));
    EXPECT_TRUE(Proche(Indicielle(doubleIntegrateur, 3), 4.5L, Serre));

    const TSysteme triple2 = Etudie(ParCoefficients({R(1)}), PolynomeDeRacines(R(1), {R(-2), R(-2), R(-2)}));
    for (const Reel t : {0.0L, 0.3L, 1.0L, 4.0L}) {
        const Reel attendu = (1 - std::exp(-2 * t) * (1 + 2 * t + 2 * t * t)) / 8;
        EXPECT_TRUE(Proche(Indicielle(triple2, t), attendu, Serre)) << static_cast<double>(t);
    }
}

// r(t) = t - 1 + e^-t pour 1/(p + 1) ; pente, niveau de repos et retard autour.
TEST(ReponseRampe, PenteReposEtRetard)
{
    const TSysteme s = Etudie(ParCoefficients({R(1)}), ParCoefficients({R(1), R(1)}));
    EXPECT_TRUE(Proche(ReponseRampe(s, 2, 0, 3, 1), 1 + 3 * (1 + std::exp(-2.0L)), Serre));
    EXPECT_EQ(ReponseRampe(s, 0.2L, 0.5L, 1, 0.7L), 0.7L);
    EXPECT_TRUE(Proche(ReponseRampe(s, 2.5L, 0.5L, 1, 0), 1 + std::exp(-2.0L), Serre));
}

TEST(GainStatique, LimiteEnZero)
{
    const TGainStatique nul = GainStatique(ParCoefficients({R(0), R(1)}), ParCoefficients({R(1), R(1)}));
    EXPECT_FALSE(nul.Infini);
    EXPECT_TRUE(Egaux(nul.Valeur, {0, 0}));

    // Pôle et zéro nuls de même ordre : la limite est le rapport des premiers coefficients.
    const TGainStatique simplifie = GainStatique(ParCoefficients({R(0), R(3)}), ParCoefficients({R(0), R(2), R(1)}));
    EXPECT_TRUE(Proche(simplifie.Valeur, R(1.5L), Serre));

    EXPECT_FALSE(GainStatique(ParCoefficients({R(0)}), ParCoefficients({R(0), R(1)})).Infini);
}

// Sur un pôle, l'infini : aucune valeur finie ne s'y confond. L'échantillon suivant n'en garde
// rien, et une réponse très grande mais représentable reste finie.
TEST(ReponseFrequentielle, EchantillonExactementSurUnPole)
{
    const TSysteme integrateur = Etudie(ParCoefficients({R(1)}), ParCoefficients({R(0), R(1)}));
    const TComplexe surPole = ReponseFrequentielle(integrateur, {0, 0});
    EXPECT_TRUE(std::isinf(surPole.Re) && surPole.Re > 0);
    EXPECT_EQ(surPole.Im, 0);
    EXPECT_TRUE(Proche(ReponseFrequentielle(integrateur, {0, 2}), {0, -0.5L}, Serre));

    const TSysteme oscillateur = Etudie(ParCoefficients({R(1)}), ParCoefficients({R(1), R(0), R(1)}), 3);
    EXPECT_TRUE(std::isinf(ReponseFrequentielle(oscillateur, {0, 1}).Re));
    EXPECT_TRUE(Proche(ReponseFrequentielle(oscillateur, {0, 2}), Produit(Exponentielle({0, -6}), R(-1 / 3.0L)), Serre));

    const TSysteme grand = Etudie(ParCoefficients({R(1e150L)}), ParCoefficients({R(1), R(1)}));
    EXPECT_TRUE(Proche(ReponseFrequentielle(grand, {0, 1}), {0.5e150L, -0.5e150L}, Serre));
}

}  // namespace

// 1/(1 + tau.p) : r(t) = t - tau.(1 - e^(-t/tau)). Au-delà de tau = 1e154, les poids de la grappe
// des pôles 0 et -1/tau et les puissances de t sortaient de l'étendue et la rampe valait NaN.
TEST(ReponseRampe, ConstanteDeTempsImmense)
{
    for (const Reel tau : {1e100L, 1e160L, 1e300L, 1e1000L}) {
        const TSysteme s = Etudie(ParCoefficients({R(1)}), ParCoefficients({R(1), R(tau)}));
        const std::vector<Reel> instants{tau / 4, tau / 2, 3 * tau / 4, 2.5L * tau};
        const std::vector<Reel> echantillons = RampesEchantillonnees(s, instants, tau / 4);
        for (std::size_t i = 0; i < instants.size(); ++i) {
            const Reel t = instants[i];
            const Reel attendu = t - tau * -std::expm1(-t / tau);
            const int exposant = int(std::log10(tau));
            EXPECT_LE(std::fabs(ReponseRampe(s, t, 0, 1, 0) - attendu), 1e-15L * t) << exposant << " " << i;
            EXPECT_LE(std::fabs(echantillons[i] - attendu), 1e-15L * t) << exposant << " " << i;
        }
    }
}
