// Racines multiples saisies par coefficients, paires conjuguées, paires sur l'axe imaginaire.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "OutilsAnalyse.h"
#include "numerique/Reponses.h"

namespace {

struct TTirageGrappe {
    std::vector<TComplexe> Racines;  // chaque racine répétée par sa multiplicité
    std::vector<int> Multiplicites;  // dans l'ordre du tri
};

// Un pôle réel ou complexe d'ordre 2 à 5 (une paire : d'ordre 2 ou 3), et des pôles simples à
// au moins 0,4 de lui et entre eux, pour un degré d'au plus 10.
TTirageGrappe TireGrappe(std::mt19937_64& g)
{
    std::uniform_real_distribution<double> u(0, 1);
    TTirageGrappe t;
    const bool paire = g() % 2 == 0;
    const int m = paire ? 2 + int(g() % 2) : 2 + int(g() % 4);
    const TComplexe pole{-0.2L - 2.8L * u(g), paire ? 0.3L + 2.7L * u(g) : 0};
    std::vector<TComplexe> distinctes = {pole};
    for (int r = 0; r < m; ++r) {
        t.Racines.push_back(pole);
        if (paire)
            t.Racines.push_back({pole.Re, -pole.Im});
    }
    if (paire)
        distinctes.push_back({pole.Re, -pole.Im});
    const int simples = 1 + int(g() % 3);
    for (int s = 0; s < simples && int(t.Racines.size()) + 2 <= 10; ++s) {
        const TComplexe r{-0.1L - 4 * u(g), u(g) < 0.5 ? 0 : 0.2L + 3 * u(g)};
        const bool loin = std::all_of(distinctes.begin(), distinctes.end(), [&](TComplexe d) {
            return Distance(d, r) > 0.4L && Distance(d, {r.Re, -r.Im}) > 0.4L;
        });
        if (!loin)
            continue;
        distinctes.push_back(r);
        t.Racines.push_back(r);
        if (r.Im != 0) {
            distinctes.push_back({r.Re, -r.Im});
            t.Racines.push_back({r.Re, -r.Im});
        }
    }
    const TPolynome exact = PolynomeDeRacines(1, t.Racines);
    for (int k = 1; k <= exact.Multiplicites[0]; ++k)
        t.Multiplicites.push_back(exact.Multiplicites[k]);
    return t;
}

// Les coefficients de D tels qu'un étudiant les taperait : des réels, arrondis.
TPolynome ParSesCoefficients(const TPolynome& exact)
{
    std::vector<TComplexe> coefs;
    for (int k = 0; k <= exact.Degre; ++k)
        coefs.push_back(R(exact.Coef[k].Re));
    return ParCoefficients(coefs);
}

void VerifieConjugueesExactes(const TPolynome& p)
{
    for (int i = 1; i <= p.Degre; ++i) {
        if (p.Racines[i].Im == 0)
            continue;
        const TComplexe miroir{p.Racines[i].Re, -p.Racines[i].Im};
        EXPECT_TRUE(std::any_of(p.Racines.begin() + 1, p.Racines.begin() + p.Degre + 1,
                                [&](TComplexe r) { return Egaux(r, miroir); }))
            << "racine " << i;
    }
}

TEST(Grappes, PoleMultipleSaisiParCoefficientsDonneLaReponseExacte)
{
    std::mt19937_64 g(20261207);
    for (int essai = 0; essai < 300; ++essai) {
        const TTirageGrappe t = TireGrappe(g);
        SCOPED_TRACE("essai " + std::to_string(essai));
        const TPolynome exact = PolynomeDeRacines(1, t.Racines);
        const TPolynome n = PolynomeDeRacines(exact.Coef[0], {});  // gain statique 1
        TSysteme calcule = Systeme(n, ParSesCoefficients(exact));
        TSysteme reference = Systeme(n, exact);
        TEchellesAuto e;
        ASSERT_EQ(Analyse(calcule, e), DecompositionFaite);
        ASSERT_EQ(Analyse(reference, e), DecompositionFaite);
        const TPolynome& d = calcule.Denominateur;
        ASSERT_EQ(d.Multiplicites[0], int(t.Multiplicites.size()));
        for (int k = 1; k <= d.Multiplicites[0]; ++k)
            EXPECT_EQ(d.Multiplicites[k], t.Multiplicites[std::size_t(k - 1)]) << "racine distincte " << k;
        VerifieConjugueesExactes(d);
        for (const Reel temps : {0.2L, 1.0L, 3.0L, 8.0L, 20.0L})
            EXPECT_NEAR(double(ReponseEchelon(calcule, temps, 0, 0, 1, 0)),
                        double(ReponseEchelon(reference, temps, 0, 0, 1, 0)), 1e-6)
                << "t = " << double(temps);
    }
}

// Les mêmes tirages relus à 15 chiffres significatifs (ce que garde le fichier) : chaque racine
// multiple est reconnue, et la réponse indicielle est celle des racines exactes. Avant
// l'ajustement de toute la factorisation, 2183 tirages sur 3000 perdaient leur racine multiple.
TEST(Grappes, PoleMultipleReluAQuinzeChiffres)
{
    std::mt19937_64 g(42);
    for (int essai = 0; essai < 300; ++essai) {
        const TTirageGrappe t = TireGrappe(g);
        SCOPED_TRACE("essai " + std::to_string(essai));
        const TPolynome n = PolynomeDeRacines(1, {});
        TSysteme relu = Systeme(n, ParCoefficients(QuinzeChiffres(t.Racines)));
        TSysteme exact = Systeme(n, PolynomeDeRacines(1, t.Racines));
        TEchellesAuto e;
        ASSERT_EQ(Analyse(relu, e), DecompositionFaite);
        ASSERT_EQ(Analyse(exact, e), DecompositionFaite);
        const TPolynome& d = relu.Denominateur;
        std::vector<int> obtenues(d.Multiplicites.begin() + 1, d.Multiplicites.begin() + 1 + d.Multiplicites[0]);
        std::vector<int> attendues = t.Multiplicites;
        std::sort(obtenues.begin(), obtenues.end());
        std::sort(attendues.begin(), attendues.end());
        ASSERT_EQ(obtenues, attendues);
        VerifieConjugueesExactes(d);
        for (const Reel temps : {0.5L, 3.0L, 20.0L})
            EXPECT_NEAR(double(ReponseEchelon(relu, temps, 0, 0, 1, 0) / ReponseEchelon(exact, temps, 0, 0, 1, 0)), 1,
                        1e-9)
                << "t = " << double(temps);
    }
}

// (p + 0,7)^5 (p + 2), puis le pôle quintuple à côté de la paire -1 ± 2j : réponse indicielle
// exacte sur toute la durée d'étude (elle atteignait -2,6e15 au lieu de 6,5).
TEST(Grappes, PoleQuintupleParCoefficients)
{
    const TPolynome d = ParCoefficients({R(0.33614L), R(2.56907L), R(8.0605L), R(13.23L), R(11.9L), R(5.5L), R(1)});
    ASSERT_EQ(d.Multiplicites[0], 2);
    EXPECT_EQ(d.Multiplicites[1], 1);
    EXPECT_EQ(d.Multiplicites[2], 5);
    EXPECT_TRUE(Proche(d.Racines[2], R(-0.7L), {1e-15L, 0}));
    EXPECT_TRUE(Proche(d.Racines[1], R(-2), {1e-17L, 0}));

    const TPolynome n = ParCoefficients({R(6.5L * 0.84035L)});
    TSysteme s = Systeme(n, ParCoefficients({R(0.84035L), R(6.33864L), R(19.71907L), R(32.5605L), R(30.73L),
                                             R(16.9L), R(5.5L), R(1)}));
    TSysteme exact = Systeme(n, PolynomeDeRacines(1, {R(-0.7L), R(-0.7L), R(-0.7L), R(-0.7L), R(-0.7L), {-1, 2}, {-1, -2}}));
    TEchellesAuto e;
    ASSERT_EQ(Analyse(exact, e), DecompositionFaite);
    ASSERT_EQ(Analyse(s, e), DecompositionFaite);
    EXPECT_EQ(s.Denominateur.Multiplicites[0], 3);
    for (int k = 0; k < 1000; ++k) {
        const Reel t = k * 4 * e.TMaxAuto / 999;
        ASSERT_NEAR(double(ReponseEchelon(s, t, 0, 0, 1, 0)), double(ReponseEchelon(exact, t, 0, 0, 1, 0)), 1e-9) << k;
    }
    EXPECT_TRUE(Proche(ReponseEchelon(s, 4 * e.TMaxAuto, 0, 0, 1, 0), 6.5L, {1e-6L, 0}));
}

// Une paire sur l'axe imaginaire, calculée à ±1e-21 près, a Re = 0 : stable, et durée d'étude T + 10.
TEST(Grappes, PaireSurLAxeImaginaire)
{
    const std::vector<std::vector<TComplexe>> denominateurs = {
        {R(1), R(0), R(1)},                           // p² + 1
        {R(1), R(1), R(1), R(1)},                     // (p + 1)(p² + 1)
        {R(16), R(0), R(8), R(0), R(1)},              // (p² + 4)²
        {R(1), R(0), R(1e-18L)},                      // 1e-18 p² + 1 : ±1e9 j
        {R(1), R(1e-6L), R(1e-18L), R(1e-24L)},       // axe et pôle réel en unités SI
    };
    for (const auto& coefs : denominateurs) {
        TSysteme s = Systeme(ParCoefficients({R(1)}), ParCoefficients(coefs), 2);
        SCOPED_TRACE("degré " + std::to_string(s.Denominateur.Degre));
        TEchellesAuto e;
        ASSERT_EQ(Analyse(s, e), DecompositionFaite);
        EXPECT_TRUE(s.SystemeStable);
        EXPECT_EQ(e.TMaxAuto, 12);
        bool surLAxe = false;
        for (int i = 1; i <= s.Denominateur.Degre; ++i)
            surLAxe = surLAxe || (s.Denominateur.Racines[i].Re == 0 && s.Denominateur.Racines[i].Im != 0);
        EXPECT_TRUE(surLAxe);
        VerifieConjugueesExactes(s.Denominateur);
    }
}

// Seuils relatifs : un coefficient ou un pôle minuscule n'est ni négligé ni pris pour nul.
TEST(Grappes, PetitesValeursNonNegligees)
{
    // 2/((p + 1)(p + 2)) en 1e-20
    TSysteme petit = Systeme(ParCoefficients({R(2e-20L)}), ParCoefficients({R(2e-20L), R(3e-20L), R(1e-20L)}));
    TEchellesAuto e;
    ASSERT_EQ(Analyse(petit, e), DecompositionFaite);
    ASSERT_EQ(petit.Denominateur.Degre, 2);
    EXPECT_TRUE(Proche(petit.Denominateur.Racines[1], R(-2), Serre));
    EXPECT_TRUE(Proche(GainStatique(petit.Numerateur, petit.Denominateur).Valeur, R(1), Serre));

    EXPECT_TRUE(Proche(GainStatique(ParCoefficients({R(3e-6L), R(1e-6L)}), ParCoefficients({R(1e-6L), R(2e-6L)})).Valeur,
                       R(3), Serre));

    // (p² + 3p + 5)/(p + 1) en 1e-12 : le reste de la division garde son terme en 1e-12.
    TSysteme division = Systeme(ParCoefficients({R(5e-12L), R(3e-12L), R(1e-12L)}), ParCoefficients({R(1e-12L), R(1e-12L)}));
    ASSERT_EQ(Analyse(division, e), DecompositionFaite);
    ASSERT_EQ(division.PartieEntiere.Degre, 1);
    EXPECT_TRUE(Proche(division.PartieEntiere.Coef[0], R(2), Serre));
    EXPECT_TRUE(Proche(division.PartieEntiere.Coef[1], R(1), Serre));
    EXPECT_TRUE(Proche(division.Decomposition(1, 1), R(3), Serre));

    // 1/(p + 2e-6) : pas un intégrateur ; s(t) = (1 - e^(-2e-6 t)) / 2e-6.
    TSysteme lent = Systeme(ParCoefficients({R(1)}), ParCoefficients({R(2e-6L), R(1)}));
    ASSERT_EQ(Analyse(lent, e), DecompositionFaite);
    EXPECT_FALSE(GainStatique(lent.Numerateur, lent.Denominateur).Infini);
    EXPECT_TRUE(Proche(e.GainStat, 5e5L, Serre));
    for (const Reel t : {1.0L, 1e3L, 1e6L})
        EXPECT_TRUE(Proche(ReponseEchelon(lent, t, 0, 0, 1, 0), -std::expm1(-2e-6L * t) / 2e-6L, Serre)) << double(t);
    EXPECT_TRUE(Proche(ReponseRampe(lent, 1e6L, 0, 1, 0), (1e6L + std::expm1(-2.0L) / 2e-6L) / 2e-6L, Serre));
}

// D de degré 101 : D.p n'a pas de place, la rampe vient de l'intégrale de la réponse indicielle,
// qui redonne la rampe de N/(p.D) quand celle-ci existe.
TEST(Grappes, RampeParIntegraleDeLaReponseIndicielle)
{
    for (const auto& racines : std::vector<std::vector<TComplexe>>{
             {R(-1)}, {R(0), R(-2)}, {R(-1), R(-1), R(-1)}, {{-1, 2}, {-1, -2}, R(-0.5L)}, {R(0), R(0), R(-3)}}) {
        TSysteme s = Systeme(PolynomeDeRacines(2, {R(-3)}), PolynomeDeRacines(1, racines));
        TEchellesAuto e;
        ASSERT_EQ(Analyse(s, e), DecompositionFaite);
        const TSysteme r = SystemeAvecRampe(s);
        for (const Reel t : {0.0L, 0.4L, 2.0L, 9.0L})
            EXPECT_TRUE(Proche(RampeParIntegrale(s.Denominateur, s.PartieEntiere, s.Decomposition, t),
                               ReponseRampe(r, t, 0, 1, 0), {1e-12L, 1e-15L}))
                << racines.size() << " pôles, t = " << double(t);
    }
    TSysteme haut = Systeme(PolynomeDeRacines(1, {}), PolynomeDeRacines(1, std::vector<TComplexe>(DegreMax, R(-1))));
    TEchellesAuto e;
    ASSERT_EQ(Analyse(haut, e), DecompositionFaite);
    EXPECT_TRUE(haut.RampeParIntegrale);
    // Au-delà de la montée, r(t) = t - 101.
    EXPECT_TRUE(Proche(ReponseRampe(haut, 400, 0, 1, 0), 299, {1e-9L, 0}));
    EXPECT_GT(e.RampeMax, 0);
}

}  // namespace

namespace {

// Coefficients, par puissances croissantes, de produit des (p + a), développés en précision
// quadruple puis arrondis à celle du programme.
std::vector<TComplexe> DeveloppeQuad(const std::vector<int>& a)
{
    std::vector<__float128> c{1};
    for (const int r : a) {
        c.push_back(0);
        for (std::size_t k = c.size() - 1; k > 0; --k)
            c[k] = c[k - 1] + __float128(r) * c[k];
        c[0] *= r;
    }
    std::vector<TComplexe> coefs;
    for (const __float128 x : c)
        coefs.push_back(R(Reel(x)));
    return coefs;
}

}  // namespace

// Degré 100 et plus donné par ses coefficients : la factorisation est ajustée jusqu'au dernier
// coefficient. La racine multiple est reconnue ; les 101 racines de la factorielle, très mal
// conditionnées, ne sont jamais mises dans le demi-plan instable.
TEST(Grappes, DegreCentEtPlusParCoefficients)
{
    for (const int n : {100, 101}) {
        const TPolynome p = ParCoefficients(DeveloppeQuad(std::vector<int>(std::size_t(n), 1)));
        ASSERT_TRUE(p.RacinesValides) << n;
        EXPECT_EQ(p.Degre, n);
        ASSERT_EQ(p.Multiplicites[0], 1) << n;
        EXPECT_EQ(p.Multiplicites[1], n);
        EXPECT_NEAR(double(p.Racines[1].Re), -1, 1e-12) << n;
        EXPECT_EQ(p.Racines[1].Im, 0);
    }
    std::vector<int> a;
    for (int k = 1; k <= 101; ++k)
        a.push_back(k);
    const TPolynome q = ParCoefficients(DeveloppeQuad(a));
    ASSERT_TRUE(q.RacinesValides);
    EXPECT_EQ(q.Degre, 101);
    int total = 0;
    for (int k = 1; k <= q.Multiplicites[0]; ++k)
        total += q.Multiplicites[k];
    EXPECT_EQ(total, 101);
    // Des racines que ces coefficients arrondis ne situent plus vont sur l'axe, jamais à droite.
    for (int i = 1; i <= q.Degre; ++i)
        EXPECT_LE(q.Racines[i].Re, 0) << i;
}
