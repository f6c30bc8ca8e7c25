// L'étude ne dépend pas des unités : N et D multipliés par 10^k, ou p remplacé par p/10^k,
// donnent la même étude, ou la même mise à l'échelle.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "OutilsAnalyse.h"
#include "numerique/Reponses.h"

namespace {

constexpr TTolerance Relative{1e-12L, 0};

struct TEtude {
    TSysteme S;
    TEchellesAuto E;
};

// N et D saisis par coefficients, c_j multiplié par facteur / alpha^j : H(p) devient H(p / alpha).
TEtude Etudie(const std::vector<Reel>& n, const std::vector<Reel>& d, Reel facteur, Reel alpha)
{
    const auto transforme = [&](const std::vector<Reel>& c) {
        std::vector<TComplexe> r;
        for (std::size_t j = 0; j < c.size(); ++j)
            r.push_back(R(c[j] * facteur / std::pow(alpha, Reel(j))));
        return ParCoefficients(r);
    };
    TEtude e{Systeme(transforme(n), transforme(d)), {}};
    EXPECT_EQ(Analyse(e.S, e.E), DecompositionFaite);
    return e;
}

// Écart jugé sur l'ensemble : une partie nulle d'une valeur complexe se compare à son module.
::testing::AssertionResult ProcheRelatif(TComplexe x, TComplexe r, Reel echelle)
{
    if (Distance(x, r) <= Relative.Rel * std::max(Module(r), echelle))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "obtenu (" << double(x.Re) << ", " << double(x.Im) << "), attendu ("
                                         << double(r.Re) << ", " << double(r.Im) << ")";
}

Reel PlusGrandeRacine(const TPolynome& p)
{
    Reel m = 0;
    for (int i = 1; i <= p.Degre; ++i)
        m = std::max(m, Module(p.Racines[i]));
    return m;
}

// Tout ce que l'étude de H(p / alpha) doit redonner de celle de H(p) : racines alpha.r_i,
// coefficients alpha^l.A_il, mêmes gain statique et verdict, s~(t / alpha) = s(t),
// r~(t / alpha) = r(t) / alpha, H~(j.w.alpha) = H(j.w), durée d'étude divisée par alpha.
void CompareEtudes(const TEtude& ref, const TEtude& e, Reel alpha)
{
    const TPolynome& d0 = ref.S.Denominateur;
    const TPolynome& d = e.S.Denominateur;
    EXPECT_EQ(e.S.SystemeStable, ref.S.SystemeStable);
    ASSERT_EQ(d.Degre, d0.Degre);
    ASSERT_EQ(d.Multiplicites[0], d0.Multiplicites[0]);
    for (const auto& [p0, p] : {std::pair{&ref.S.Numerateur, &e.S.Numerateur}, std::pair{&d0, &d}}) {
        ASSERT_EQ(p->Degre, p0->Degre);
        for (int i = 1; i <= p->Degre; ++i)
            EXPECT_TRUE(ProcheRelatif(p->Racines[i], Produit(p0->Racines[i], R(alpha)), alpha * PlusGrandeRacine(*p0)))
                << "racine " << i;
    }
    for (int i = 1; i <= d.Multiplicites[0]; ++i) {
        ASSERT_EQ(d.Multiplicites[i], d0.Multiplicites[i]);
        Reel echelle = 0;
        for (int l = 1; l <= d.Multiplicites[i]; ++l)
            echelle = std::max(echelle, Module(ref.S.Decomposition(i, l)) * std::pow(alpha, Reel(l)));
        for (int l = 1; l <= d.Multiplicites[i]; ++l)
            EXPECT_TRUE(ProcheRelatif(e.S.Decomposition(i, l),
                                      Produit(ref.S.Decomposition(i, l), R(std::pow(alpha, Reel(l)))), echelle))
                << "pôle " << i << ", puissance " << l;
    }
    const TGainStatique k0 = GainStatique(ref.S.Numerateur, d0);
    const TGainStatique k = GainStatique(e.S.Numerateur, d);
    EXPECT_EQ(k.Infini, k0.Infini);
    EXPECT_TRUE(ProcheRelatif(k.Valeur, k0.Valeur, 0));
    for (const Reel t : {0.3L, 1.0L, 2.5L, 7.0L}) {
        const Reel s0 = ReponseEchelon(ref.S, t, 0, 0, 1, 0);
        EXPECT_TRUE(ProcheRelatif(R(ReponseEchelon(e.S, t / alpha, 0, 0, 1, 0)), R(s0), 1)) << "échelon " << double(t);
        const TSysteme r0 = SystemeAvecRampe(ref.S);
        const TSysteme r = SystemeAvecRampe(e.S);
        EXPECT_TRUE(ProcheRelatif(R(alpha * ReponseRampe(r, t / alpha, 0, 1, 0)), R(ReponseRampe(r0, t, 0, 1, 0)), t))
            << "rampe " << double(t);
    }
    for (const Reel w : {0.05L, 0.7L, 3.0L, 40.0L}) {
        const TComplexe h0 = ReponseFrequentielle(ref.S, {0, w});
        EXPECT_TRUE(ProcheRelatif(ReponseFrequentielle(e.S, {0, w * alpha}), h0, 0)) << "w = " << double(w);
    }
    // Un pôle de partie réelle nulle ne donne pas d'échelle de temps : T + 10 à toute échelle.
    bool surLAxe = false;
    for (int i = 1; i <= d0.Degre; ++i)
        surLAxe = surLAxe || d0.Racines[i].Re == 0;
    EXPECT_TRUE(Proche(e.E.TMaxAuto, surLAxe ? ref.E.TMaxAuto : ref.E.TMaxAuto / alpha, Relative));
    EXPECT_TRUE(Proche(e.E.GainStat, ref.E.GainStat, Relative));
}

struct TCasEchelle {
    const char* Nom;
    std::vector<Reel> N;
    std::vector<Reel> D;
};

// Systèmes des cas de référence saisis par coefficients, plus une paire lente et un pôle triple.
const std::vector<TCasEchelle> CasEchelle = {
    {"premier_ordre", {1}, {1, 1}},
    {"deux_poles_reels", {1}, {2, 3, 1}},
    {"pole_double", {2, 1}, {1, 2, 1}},
    {"terme_direct", {2, 1}, {1, 1}},
    {"depassement", {1}, {1, 0.4L, 1}},
    {"integrateur", {1}, {0, 1}},
    {"pole_nul_et_reel", {1}, {0, 1, 1}},
    {"complexes_et_reel", {1, 3}, {5, 7, 3, 1}},
    {"instable", {1}, {-1, 0, 1}},
    {"pole_triple_et_paire", {3, 1}, {2.5L, 9.5L, 14.5L, 11.5L, 5, 1}},  // (p + 1)³ (p² + 2p + 2,5)
    {"degre_dix", {1}, {3628800, 10628640, 12753576, 8409500, 3416930, 902055, 157773, 18150, 1320, 55, 1}},
};

class InvarianceEchelle : public ::testing::TestWithParam<TCasEchelle> {};

TEST_P(InvarianceEchelle, CoefficientsMultipliesParDixPuissanceK)
{
    const TCasEchelle& c = GetParam();
    const TEtude ref = Etudie(c.N, c.D, 1, 1);
    for (int k = -30; k <= 30; k += 5) {
        SCOPED_TRACE("10^" + std::to_string(k));
        const TEtude e = Etudie(c.N, c.D, std::pow(10.0L, Reel(k)), 1);
        CompareEtudes(ref, e, 1);
        for (const auto& [nom, champ] : ChampsEchellesAuto)
            EXPECT_TRUE(Proche(e.E.*champ, ref.E.*champ, {1e-12L, 1e-15L})) << nom;
    }
}

TEST_P(InvarianceEchelle, VariableDiviseeParDixPuissanceK)
{
    const TCasEchelle& c = GetParam();
    const TEtude ref = Etudie(c.N, c.D, 1, 1);
    for (int k = -30; k <= 30; k += 5) {
        SCOPED_TRACE("p / 10^" + std::to_string(k));
        CompareEtudes(ref, Etudie(c.N, c.D, 1, std::pow(10.0L, Reel(k))), std::pow(10.0L, Reel(k)));
    }
}

INSTANTIATE_TEST_SUITE_P(Cas, InvarianceEchelle, ::testing::ValuesIn(CasEchelle),
                         [](const ::testing::TestParamInfo<TCasEchelle>& info) { return std::string(info.param.Nom); });

}  // namespace
