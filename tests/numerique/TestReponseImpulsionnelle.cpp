#include <gtest/gtest.h>

#include <cmath>

#include "OutilsAnalyse.h"
#include "ReferenceIndicielle.h"
#include "numerique/ReponseImpulsionnelle.h"
#include "numerique/Reponses.h"

namespace {

Reel Echelon(const TSysteme& s, Reel t) { return ReponseEchelon(s, t, s.TempsMort, 0, 1, 0); }

// La partie régulière est la dérivée de la réponse indicielle (différence centrée d'ordre 4) ;
// le poids de Dirac en est le saut à l'instant du retard.
void EstLaDeriveeDeLEchelon(const TSysteme& s)
{
    const TImpulsionnelle h = PrepareImpulsionnelle(s);
    ASSERT_TRUE(h.Faite);
    const Reel T = s.TempsMort;
    EXPECT_TRUE(Proche(h.PoidsDirac, Echelon(s, T) - Echelon(s, T - 1e-12L), Serre));
    EXPECT_EQ(ReponseImpulsionnelle(s, h, T - 1e-3L), 0);
    const Reel d = 1e-3L;
    for (int k = 1; k <= 60; ++k) {
        const Reel t = T + 0.05L + 0.2L * k;
        const Reel derivee = (8 * (Echelon(s, t + d) - Echelon(s, t - d)) - (Echelon(s, t + 2 * d) - Echelon(s, t - 2 * d)))
                             / (12 * d);
        EXPECT_NEAR(double(ReponseImpulsionnelle(s, h, t)), double(derivee), 1e-9) << double(t);
    }
}

TEST(ReponseImpulsionnelle, DeriveeDeLIndicielleEtPoidsDeDirac)
{
    EstLaDeriveeDeLEchelon(EtudieParRacines(-1, {R(1)}, {R(-1), R(-1)}));
    EstLaDeriveeDeLEchelon(EtudieParRacines(2, {R(-0.5L)}, {R(-1)}, 0.4L));
    EstLaDeriveeDeLEchelon(EtudieParRacines(0.5L, {R(-3), R(-0.2L)}, {R(-1), TComplexe{-0.3L, 2}, TComplexe{-0.3L, -2}}));
    // Pôles presque confondus : leurs éléments simples, grands et opposés, ne doivent rien perdre.
    EstLaDeriveeDeLEchelon(EtudieParRacines(1, {}, {R(-1), R(-1.000001L), R(-2)}));
    EstLaDeriveeDeLEchelon(EtudieParRacines(3, {R(-1), R(-2)}, {R(-1.5L), R(-0.5L), TComplexe{-1, 1}, TComplexe{-1, -1}}, 1));
}

TEST(ReponseImpulsionnelle, FormeCloseEnQuadruple)
{
    const std::vector<TComplexe> zeros = {R(0.5L), TComplexe{-1, 3}, TComplexe{-1, -3}};
    const std::vector<TComplexe> poles = {R(-0.25L), R(-4), TComplexe{-0.5L, 1.5L}, TComplexe{-0.5L, -1.5L}};
    const TSysteme s = EtudieParRacines(-2, zeros, poles, 0.3L);
    const TReferenceIndicielle r = ParResidus(-2, zeros, poles, 10);
    const TImpulsionnelle h = PrepareImpulsionnelle(s);
    EXPECT_EQ(h.PoidsDirac, 0);
    for (int k = 0; k <= 40; ++k) {
        const Reel t = 0.25L * k;
        EXPECT_TRUE(Proche(ReponseImpulsionnelle(s, h, 0.3L + t), Reel(r.H(t)), {1e-15L, 1e-16L})) << double(t);
    }
    // Pôle triple : h = t².e^-t / 2.
    const TSysteme triple = EtudieParRacines(1, {}, {R(-1), R(-1), R(-1)});
    const TImpulsionnelle ht = PrepareImpulsionnelle(triple);
    for (const Reel t : {0.0L, 0.1L, 1.0L, 7.5L})
        EXPECT_TRUE(Proche(ReponseImpulsionnelle(triple, ht, t), t * t / 2 * std::exp(-t), Serre)) << double(t);
}

TEST(ReponseImpulsionnelle, GainPurEtImpropre)
{
    const TSysteme gain = EtudieParRacines(2.5L, {}, {});
    const TImpulsionnelle h = PrepareImpulsionnelle(gain);
    EXPECT_TRUE(h.Faite);
    EXPECT_EQ(h.PoidsDirac, 2.5L);
    EXPECT_EQ(ReponseImpulsionnelle(gain, h, 1), 0);
    TSysteme impropre = Systeme(PolynomeDeRacines(1, {R(-1), R(-2)}), PolynomeDeRacines(1, {R(-3)}));
    TEchellesAuto e;
    Analyse(impropre, e);
    EXPECT_FALSE(PrepareImpulsionnelle(impropre).Faite);
}

}  // namespace
