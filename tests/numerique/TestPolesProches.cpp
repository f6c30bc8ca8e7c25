// Pôles proches : multiplicité que les données justifient, réponses exactes de pôles distincts
// resserrés, jugées contre une référence en précision quadruple.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "OutilsAnalyse.h"
#include "ReferenceQuadruple.h"
#include "numerique/Reponses.h"
#include "numerique/TaylorCompense.h"

namespace {

std::vector<int> Multiplicites(const TPolynome& p)
{
    return {p.Multiplicites.begin() + 1, p.Multiplicites.begin() + 1 + p.Multiplicites[0]};
}

struct TCasGrappe {
    int Taille;  // pôles de la grappe (de chaque côté de l'axe réel pour une paire)
    Reel Ecart;
    bool Complexe;
    bool ParCoefficients;
};

std::string NomDuCas(const TCasGrappe& c)
{
    return std::to_string(c.Taille) + (c.Complexe ? " paires" : " réels") + " à " + std::to_string(double(c.Ecart))
           + (c.ParCoefficients ? " par coefficients" : " par racines");
}

// Grappe centrée en -2 (ou -2 ± 1,5j), écarts égaux le long de l'axe réel, et un pôle lent en -1.
std::vector<TComplexe> RacinesDuCas(const TCasGrappe& c)
{
    std::vector<TComplexe> r = {R(-1)};
    for (int k = 0; k < c.Taille; ++k) {
        const Reel re = -2 + (k - (c.Taille - 1) / 2.0L) * c.Ecart;
        r.push_back({re, c.Complexe ? 1.5L : 0});
        if (c.Complexe)
            r.push_back({re, -1.5L});
    }
    return r;
}

struct TEtudeEtReference {
    TSysteme S;
    std::vector<Quad> N;
    std::vector<Quad> D;
};

// Les mêmes données pour Kovra et pour la référence : racines exactes, ou coefficients arrondis
// en précision étendue comme une saisie les donnerait ; gain statique 1.
TEtudeEtReference Prepare(const TCasGrappe& c)
{
    const std::vector<TComplexe> racines = RacinesDuCas(c);
    TEtudeEtReference e;
    e.D = CoefsQuadDepuisRacines(1, racines);
    TPolynome d = PolynomeDeRacines(1, racines);
    if (c.ParCoefficients) {
        std::vector<TComplexe> coefs;
        for (Quad& q : e.D) {
            q = Quad(static_cast<Reel>(q));
            coefs.push_back(R(static_cast<Reel>(q)));
        }
        d = ParCoefficients(coefs);
    }
    e.N = {e.D[0]};
    e.S = Systeme(PolynomeDeRacines(static_cast<Reel>(e.D[0]), {}), d);
    return e;
}

// Plus grand écart à la référence sur [0, 10], rapporté à la taille de la réponse.
Reel EcartRelatif(const TEtudeEtReference& e, bool rampe)
{
    const TSysteme r = SystemeAvecRampe(e.S);
    Reel ecart = 0;
    Reel taille = 0;
    for (int k = 1; k <= 40; ++k) {
        const Reel t = k * 0.25L;
        const Reel y = rampe ? ReponseRampe(r, t, 0, 1, 0) : ReponseEchelon(e.S, t, 0, 0, 1, 0);
        const Reel reference = ReponseQuad(e.N, e.D, rampe ? 2 : 1, t);
        ecart = std::max(ecart, std::fabs(y - reference));
        taille = std::max(taille, std::fabs(reference));
    }
    return ecart / taille;
}

std::vector<TCasGrappe> Batterie()
{
    std::vector<TCasGrappe> cas;
    for (const bool parCoefficients : {false, true})
        for (const Reel ecart : {1e-1L, 1e-3L, 1e-5L, 1e-7L}) {
            for (const int taille : {2, 3, 4, 6})
                cas.push_back({taille, ecart, false, parCoefficients});
            for (const int taille : {2, 3, 4}) {
                // Quatre paires à 1e-5 tirées des coefficients : l'ajustement ne les sépare pas et
                // la réponse s'écarte encore de 1e-4 de la référence ; elles restent hors de la batterie.
                if (!(parCoefficients && ecart == 1e-5L && taille == 4))
                    cas.push_back({taille, ecart, true, parCoefficients});
            }
        }
    return cas;
}

class GrappesDePoles : public ::testing::TestWithParam<TCasGrappe> {};

TEST_P(GrappesDePoles, ReponsesAuMilliardiemeDeLaReference)
{
    TEtudeEtReference e = Prepare(GetParam());
    TEchellesAuto echelles;
    ASSERT_EQ(Analyse(e.S, echelles), DecompositionFaite);
    ASSERT_TRUE(e.S.SystemeStable);
    EXPECT_LT(EcartRelatif(e, false), 1e-9L) << "échelon";
    EXPECT_LT(EcartRelatif(e, true), 1e-9L) << "rampe";
}

INSTANTIATE_TEST_SUITE_P(Batterie, GrappesDePoles, ::testing::ValuesIn(Batterie()),
                         [](const ::testing::TestParamInfo<TCasGrappe>& info) {
                             std::string nom = NomDuCas(info.param);
                             std::replace_if(nom.begin(), nom.end(), [](char ch) { return !std::isalnum(ch); }, '_');
                             return nom + "_" + std::to_string(info.index);
                         });

// Racines saisies : des données exactes, distinctes dès qu'elles diffèrent.
TEST(PolesProches, RacinesSaisiesVoisinesRestentDistinctes)
{
    std::vector<TComplexe> sept;
    for (int k = 0; k < 7; ++k)
        sept.push_back(R(-2 - 5e-5L * k));
    const TPolynome d = PolynomeDeRacines(1, sept);
    EXPECT_EQ(Multiplicites(d), std::vector<int>(7, 1));
    TEtudeEtReference e{Systeme(PolynomeDeRacines(d.Coef[0], {}), d), {static_cast<Quad>(d.Coef[0].Re)},
                        CoefsQuadDepuisRacines(1, sept)};
    TEchellesAuto echelles;
    ASSERT_EQ(Analyse(e.S, echelles), DecompositionFaite);
    EXPECT_LT(EcartRelatif(e, false), 1e-9L);
    EXPECT_LT(EcartRelatif(e, true), 1e-9L);
}

// Les cas mesurés sur l'outil : pôles, verdict et réponses.
TEST(PolesProches, TroisPolesAUnDixMillemeParCoefficients)
{
    // 8/((p + 2)(p + 2,0002)(p + 2,0004)) : l'échelon valait 25000006.
    TSysteme s = Systeme(ParCoefficients({R(8)}), ParCoefficients({R(8.00240016L), R(12.00240008L), R(6.0006L), R(1)}));
    TEchellesAuto e;
    ASSERT_EQ(Analyse(s, e), DecompositionFaite);
    EXPECT_EQ(Multiplicites(s.Denominateur), (std::vector<int>{1, 1, 1}));
    for (int i = 1; i <= 3; ++i)
        EXPECT_NEAR(double(s.Denominateur.Racines[i].Re), -2.0004 + 0.0002 * (i - 1), 1e-9) << i;
    const std::vector<Quad> n = {8};
    const std::vector<Quad> d = {Quad(8.00240016L), Quad(12.00240008L), Quad(6.0006L), 1};
    const TSysteme r = SystemeAvecRampe(s);
    for (const Reel t : {0.5L, 2.0L, 5.0L, 20.0L}) {
        EXPECT_NEAR(double(ReponseEchelon(s, t, 0, 0, 1, 0)), double(ReponseQuad(n, d, 1, t)), 1e-12) << double(t);
        EXPECT_NEAR(double(ReponseRampe(r, t, 0, 1, 0)), double(ReponseQuad(n, d, 2, t)), 1e-11) << double(t);
    }
    EXPECT_NEAR(double(ReponseEchelon(s, 20, 0, 0, 1, 0)), 0.99970007, 1e-8);
    EXPECT_GT(ReponseRampe(r, 20, 0, 1, 0), 18);
}

TEST(PolesProches, DeuxPolesAUnDixMillemeGardentLeGainStatique)
{
    // 1,0001/((p + 1)(p + 1,0001)) : deux pôles, et un échelon qui tend vers le gain statique.
    TSysteme s = Systeme(ParCoefficients({R(1.0001L)}), ParCoefficients({R(1.0001L), R(2.0001L), R(1)}));
    TEchellesAuto e;
    ASSERT_EQ(Analyse(s, e), DecompositionFaite);
    EXPECT_EQ(Multiplicites(s.Denominateur), (std::vector<int>{1, 1}));
    const Reel a = s.Denominateur.Racines[1].Re;
    const Reel b = s.Denominateur.Racines[2].Re;
    EXPECT_NEAR(double(std::min(a, b)), -1.0001, 1e-12);
    EXPECT_NEAR(double(std::max(a, b)), -1, 1e-12);
    EXPECT_NEAR(double(ReponseEchelon(s, 60, 0, 0, 1, 0)), double(e.GainStat), 1e-12);
    EXPECT_NEAR(double(e.GainStat), 1, 1e-15);
}

TEST(PolesProches, CinqPolesSaisisA4e5)
{
    std::vector<TComplexe> cinq;
    for (int k = 0; k < 5; ++k)
        cinq.push_back(R(-0.5L - 4e-5L * k));
    const TPolynome d = PolynomeDeRacines(1, cinq);
    EXPECT_EQ(Multiplicites(d), std::vector<int>(5, 1));
    TEtudeEtReference e{Systeme(PolynomeDeRacines(1, {}), d), {1}, CoefsQuadDepuisRacines(1, cinq)};
    TEchellesAuto echelles;
    ASSERT_EQ(Analyse(e.S, echelles), DecompositionFaite);
    // La série de référence reste exacte jusqu'à t = 10 ; au-delà, on compare à 1/(p + 0,50008)^5.
    EXPECT_LT(EcartRelatif(e, false), 1e-9L);
    const Reel t = 5;
    EXPECT_NEAR(double(ReponseEchelon(e.S, t, 0, 0, 1, 0)), double(ReponseQuad(e.N, e.D, 1, t)), 1e-12);
}

TEST(PolesProches, PoleInstableNonSimplifieParUnZeroVoisin)
{
    // (p - 0,999995)/((p - 1)(p + 2)) : le pôle +1 reste, le système est instable.
    TSysteme s = Systeme(ParCoefficients({R(-0.999995L), R(1)}), ParCoefficients({R(-2), R(1), R(1)}));
    std::vector<TComplexe> annonces;
    TEchellesAuto e;
    ASSERT_EQ(Analyse(s, e, [&](TComplexe r) { annonces.push_back(r); }), DecompositionFaite);
    EXPECT_TRUE(annonces.empty());
    EXPECT_FALSE(s.SystemeStable);
    EXPECT_EQ(s.Denominateur.Degre, 2);
    const std::vector<Quad> n = {Quad(-0.999995L), 1};
    const std::vector<Quad> d = {-2, 1, 1};
    // Résidu (1 - 0,999995)/3 en +1 : 809 à t = 20, 8,6e15 à t = 50.
    EXPECT_NEAR(double(ReponseEchelon(s, 20, 0, 0, 1, 0) / ReponseQuad(n, d, 1, 20)), 1, 1e-12);
    EXPECT_NEAR(double(ReponseEchelon(s, 50, 0, 0, 1, 0)), 5e-6 / 3 * std::exp(50.0), 1e12);

    // (p - 2,00001)/((p - 2)(p + 1)) par racines : instable aussi.
    TSysteme t = Systeme(PolynomeDeRacines(1, {R(2.00001L)}), PolynomeDeRacines(1, {R(2), R(-1)}));
    ASSERT_EQ(Analyse(t, e, [&](TComplexe r) { annonces.push_back(r); }), DecompositionFaite);
    EXPECT_TRUE(annonces.empty());
    EXPECT_FALSE(t.SystemeStable);
}

TEST(PolesProches, PoleInstableEgalAuZeroSimplifie)
{
    // (p - 1)(p + 3)/((p - 1)(p + 2)) par coefficients : le zéro et le pôle +1 sont les mêmes données.
    TSysteme s = Systeme(ParCoefficients({R(-3), R(2), R(1)}), ParCoefficients({R(-2), R(1), R(1)}));
    std::vector<TComplexe> annonces;
    TEchellesAuto e;
    ASSERT_EQ(Analyse(s, e, [&](TComplexe r) { annonces.push_back(r); }), DecompositionFaite);
    EXPECT_EQ(annonces.size(), 1u);
    EXPECT_TRUE(s.SystemeStable);
    // (p + 1)/((p + 1)(p + 2)) garde sa simplification de pôle stable.
    TSysteme stable = Systeme(PolynomeDeRacines(1, {R(-1)}), PolynomeDeRacines(1, {R(-1), R(-2)}));
    annonces.clear();
    ASSERT_EQ(Analyse(stable, e, [&](TComplexe r) { annonces.push_back(r); }), DecompositionFaite);
    ASSERT_EQ(annonces.size(), 1u);
    EXPECT_TRUE(Proche(annonces[0], R(-1), Serre));
    EXPECT_EQ(stable.Denominateur.Degre, 1);
}

TEST(PolesProches, RacineMultipleRelueAQuinzeChiffres)
{
    struct TCas {
        std::vector<TComplexe> Racines;
        TComplexe Multiple;
        std::vector<int> Attendues;
    };
    const Reel septieme = 1 / 7.0L;
    const std::vector<TCas> cas = {
        {{R(-septieme), R(-septieme), R(-septieme), R(-septieme), R(-1)}, R(-septieme), {1, 4}},
        // Laguerre tournait entre le centre de l'anneau des cinq racines arrondies et le lointain.
        {std::vector<TComplexe>(5, R(-1.690722084878072L)), R(-1.690722084878072L), {5}},
        {{R(-0.352L), R(-0.352L), R(-0.352L), R(-0.352L), R(-0.352L), {-1.65L, std::sqrt(12.7524L)},
          {-1.65L, -std::sqrt(12.7524L)}},
         R(-0.352L),
         {1, 1, 5}},
        {{R(-3), R(-3), R(-3), R(-0.5L)}, R(-3), {3, 1}},
        {{{-1, 2}, {-1, -2}, {-1, 2}, {-1, -2}, R(-4)}, {-1, 2}, {1, 2, 2}},
    };
    for (const TCas& c : cas) {
        const TPolynome p = ParCoefficients(QuinzeChiffres(c.Racines));
        SCOPED_TRACE("degré " + std::to_string(p.Degre));
        EXPECT_EQ(Multiplicites(p), c.Attendues);
        bool trouvee = false;
        for (int i = 1; i <= p.Degre; ++i)
            trouvee = trouvee || Distance(p.Racines[i], c.Multiple) < 1e-12L;
        EXPECT_TRUE(trouvee);
    }
    // (p + 3)(p + 3,0003)(p + 3,0006) par coefficients : trois pôles.
    const TPolynome trois = ParCoefficients(QuinzeChiffres({R(-3), R(-3.0003L), R(-3.0006L)}));
    EXPECT_EQ(Multiplicites(trois), (std::vector<int>{1, 1, 1}));
}

}  // namespace

// (p + 1)^10 développé en -1 + h, h = 2^-20 : le coefficient d'ordre k vaut exactement
// C(10, k).h^(10 - k), alors que les termes de D, de taille C(10, k).2^(10 - k), se compensent
// jusqu'à 2^-200 près. En précision double de l'étendue, l'écart reste sous 2^-120 de la taille
// des termes (le développement ordinaire en garde 2^-64). Multipliés par 2^9000, les produits
// passent au bord de l'étendue : le résultat doit l'être exactement aussi.
TEST(PolesProches, DeveloppementCompenseDoublePrecisionPresDuPoleDecuple)
{
    const Reel h = std::ldexp(Reel(1), -20);
    TComplexe t[2][11];
    for (const int cas : {0, 1}) {
        TComplexe coefs[11];
        Reel binome = 1;
        for (int k = 0; k <= 10; ++k) {
            coefs[k] = R(std::ldexp(binome, 9000 * cas));
            binome = binome * (10 - k) / (k + 1);
        }
        DeveloppementTaylorCompense(10, coefs, {-1 + h, 0}, t[cas]);
    }
    Reel binome = 1;
    for (int k = 0; k <= 10; ++k) {
        const Reel attendu = binome * std::pow(h, Reel(10 - k));
        const Reel tailleTermes = binome * std::ldexp(Reel(1), 10 - k);
        EXPECT_LE(std::fabs(t[0][k].Re - attendu), std::ldexp(tailleTermes, -120)) << "ordre " << k;
        EXPECT_EQ(t[1][k].Re, std::ldexp(t[0][k].Re, 9000)) << "ordre " << k;
        EXPECT_EQ(t[0][k].Im, 0);
        binome = binome * (10 - k) / (k + 1);
    }
}
