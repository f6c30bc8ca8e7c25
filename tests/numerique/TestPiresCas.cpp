// Chaque saisie qui figeait l'analyse répond, et ses croisements sont les vrais.
#include <gtest/gtest.h>
#include <quadmath.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <functional>
#include <map>

#include "PiresCas.h"

namespace {

using Q = __float128;
const Q PiQ = acosq(Q(-1));

// Temps de calcul, large devant les millisecondes attendues (5 s au degré maximal donné par
// ses seuls coefficients, que l'ajustement des grappes occupe), même sous les sanitizers ;
// l'analyse figée d'avant ne répondait pas en 900 s.
constexpr double SecondesMax = 120;

// Racine de f croissante sur [a, b], par dichotomie en quadruple précision.
Q Racine(const std::function<Q(Q)>& f, Q a, Q b)
{
    for (int i = 0; i < 1000 && b - a > Q(1e-32L) * b; ++i) {
        const Q m = (a + b) / 2;
        (f(m) < 0 ? a : b) = m;
    }
    return (a + b) / 2;
}

struct TAttendu {
    std::vector<Q> Gain;        // tous les croisements de gain
    std::vector<Q> PremieresPhases;  // les premiers croisements de phase
    std::size_t NombrePhases = 0;    // 0 : non vérifié
    Reel Tolerance = 1e-9L;          // relative
};

// Premier croisement de phase d'un retard T : le retard de phase wT + r(w) atteint pi.
Q PremierePhaseRetard(Q T, const std::function<Q(Q)>& r)
{
    return Racine([&](Q w) { return w * T + r(w) - PiQ; }, 0, 4 / T + 4);
}

const std::map<std::string, TAttendu>& Attendus()
{
    static const std::map<std::string, TAttendu> attendus = [] {
        std::map<std::string, TAttendu> a;
        // |1 - w²|^n = 1 : w = sqrt(2) ; l'amortissement 2e-9 ne déplace w que de 1e-18.
        for (const char* nom : {"carre_p2_plus_1_puissance_5", "p2_plus_1_puissance_4", "amorti_2e-9_puissance_4",
                                "amorti_2e-9_puissance_3"})
            a[nom].Gain = {sqrtq(2)};
        a["p2_plus_1e-4_puissance_4"].Gain = {sqrtq(1 + Q(1e-4L))};
        a["p2_plus_1e4_puissance_3"].Gain = {sqrtq(9999), sqrtq(10001)};
        // 1/(p + 1) retardé : wT + atan(w) = pi ; 0,999.(p + 1)/(p + 1,001) : wT + atan(w/1,001) - atan(w) = pi.
        for (const auto& [nom, T] : {std::pair{"retard_1e6", 1e6L}, std::pair{"retard_1e100", 1e100L}})
            a[nom].PremieresPhases = {PremierePhaseRetard(Q(T), [](Q w) { return atanq(w); })};
        a["bipropre_retard_100"].PremieresPhases = {
            PremierePhaseRetard(100, [](Q w) { return atanq(w / Q(1.001L)) - atanq(w); })};
        // 1/(p + 1)^101 : 101.atan(w) = (2k + 1).pi pour k = 0 .. 24, jusqu'à |H| = 1e-152.
        for (const char* nom : {"degre_maximal_par_racines", "degre_maximal_par_coefficients"}) {
            for (int k = 0; k < 25; ++k)
                a[nom].PremieresPhases.push_back(tanq((2 * k + 1) * PiQ / 101));
            a[nom].NombrePhases = 25;
            // Les coefficients, jusqu'à 1e29, arrondis à 64 bits : près de w = 1, D(jw) n'est
            // connu qu'à 2e-5 près (sensibilité des données), la phase de pente 50 à 5e-7 près.
            a[nom].Tolerance = 2e-6L;
        }
        return a;
    }();
    return attendus;
}

void ExpectPres(Q attendu, Reel obtenu, Reel tolerance, const char* quoi, std::size_t k)
{
    const long double a = static_cast<long double>(attendu);
    EXPECT_LE(std::fabs(obtenu - a), tolerance * a) << quoi << " " << k << " : obtenu " << double(obtenu)
                                               << ", attendu " << double(a);
}

class PiresCasTest : public testing::TestWithParam<TPireCas> {};

TEST_P(PiresCasTest, RepondEtTrouveLesVraisCroisements)
{
    const std::clock_t debut = std::clock();
    const TAnalyseComplete a = AnalyseComplete(GetParam());
    const double secondes = double(std::clock() - debut) / CLOCKS_PER_SEC;
    EXPECT_LT(secondes, SecondesMax);

    const TAttendu& attendu = Attendus().at(GetParam().Nom);
    const TMarges& m = a.Marges;
    ASSERT_EQ(m.CroisementsGain.size(), attendu.Gain.size());
    for (std::size_t k = 0; k < attendu.Gain.size(); ++k)
        ExpectPres(attendu.Gain[k], m.CroisementsGain[k], attendu.Tolerance, "croisement de gain", k);
    ASSERT_GE(m.CroisementsPhase.size(), attendu.PremieresPhases.size());
    for (std::size_t k = 0; k < attendu.PremieresPhases.size(); ++k)
        ExpectPres(attendu.PremieresPhases[k], m.CroisementsPhase[k], attendu.Tolerance, "croisement de phase", k);
    if (attendu.NombrePhases > 0)
        EXPECT_EQ(m.CroisementsPhase.size(), attendu.NombrePhases);
}

INSTANTIATE_TEST_SUITE_P(Saisies, PiresCasTest, testing::ValuesIn(PiresCas()),
                         [](const testing::TestParamInfo<TPireCas>& info) {
                             std::string nom = info.param.Nom;
                             std::replace(nom.begin(), nom.end(), '-', '_');
                             return nom;
                         });

}  // namespace
