#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "ComparaisonReference.h"
#include "PolynomesSaisis.h"
#include "numerique/Laguerre.h"
#include "numerique/Polynomes.h"

namespace {

std::vector<int> Multiplicites(const TPolynome& p)
{
    return {p.Multiplicites.begin() + 1, p.Multiplicites.begin() + 1 + p.Multiplicites[0]};
}

TEST(Polynomes, SeulesDesRacinesSaisiesEgalesSontGroupees)
{
    // Des racines saisies sont des données exactes : voisines à 1e-4 près, elles restent distinctes.
    const TPolynome trois = PolynomeDeRacines({1, 0}, {{1, 0}, {1.00005L, 0}, {1.00009L, 0}});
    EXPECT_EQ(Multiplicites(trois), (std::vector<int>{1, 1, 1}));
    // Des parties réelles voisines à 1e-4 près ne sont pas échangées.
    const TPolynome voisines = PolynomeDeRacines({1, 0}, {{1.00009L, 0}, {1, 0}});
    EXPECT_TRUE(Egaux(voisines.Racines[1], {1.00009L, 0}));
    EXPECT_EQ(Multiplicites(voisines), (std::vector<int>{1, 1}));

    // Égales, même séparées par le tri, elles se groupent.
    const TPolynome deux = PolynomeDeRacines({1, 0}, {{1, 0}, {1.00009L, 0}, {1, 0}});
    EXPECT_EQ(Multiplicites(deux), (std::vector<int>{2, 1}));
    EXPECT_EQ(RangRacine(deux, 2), 3);
    EXPECT_TRUE(Egaux(deux.Racines[1], {1, 0}));
    EXPECT_TRUE(Egaux(deux.Racines[2], {1, 0}));
}

TEST(Polynomes, TriParPartieReellePuisImaginaire)
{
    const TPolynome p = PolynomeDeRacines({1, 0}, {{3, 0}, {-1, 2}, {0, 0}, {-1, -2}, {-5, 0}});
    const std::vector<TComplexe> attendu = {{-5, 0}, {-1, -2}, {-1, 2}, {0, 0}, {3, 0}};
    for (int i = 1; i <= 5; ++i)
        EXPECT_TRUE(Egaux(p.Racines[i], attendu[i - 1])) << i;
    EXPECT_EQ(Multiplicites(p), (std::vector<int>{1, 1, 1, 1, 1}));
}

TEST(Polynomes, GroupesEnFinEtEnMilieu)
{
    const TPolynome p = PolynomeDeRacines({1, 0}, {{-2, 0}, {-1, 0}, {-1, 0}, {-1, 0}, {0, 1}, {0, 1}});
    EXPECT_EQ(Multiplicites(p), (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(RangRacine(p, 1), 1);
    EXPECT_EQ(RangRacine(p, 2), 2);
    EXPECT_EQ(RangRacine(p, 3), 5);
}

TEST(Polynomes, MultiplicitesDesPetitsDegres)
{
    TPolynome un = InitPolynome();
    un.Degre = 1;
    un.Racines[1] = {4, 0};
    un.Multiplicites[2] = 7;
    TrieEtGroupeRacines(un);
    EXPECT_EQ(Multiplicites(un), (std::vector<int>{1}));
    EXPECT_EQ(un.Multiplicites[2], 0);
    EXPECT_TRUE(un.RacinesValides);

    TPolynome zero = CoefsSeuls({3});
    CalculeRacines(zero);
    EXPECT_EQ(zero.Multiplicites[0], 0);
    EXPECT_TRUE(Egaux(zero.Racines[0], {3, 0}));
}

TEST(Polynomes, RacinesDuCalculNettoyeesEtTriees)
{
    TPolynome p = InitPolynome();
    p.Degre = 1;
    p.Coef[0] = {-3, -1e-9L};
    p.Coef[1] = {1, 0};
    CalculeRacines(p);
    EXPECT_EQ(p.Racines[1].Im, 0);
    EXPECT_NEAR(static_cast<double>(p.Racines[1].Re), 3.0, 1e-15);

    TPolynome q = CoefsSeuls({1, 0, 1});
    q.Racines[5] = {9, 9};
    CalculeRacines(q);
    EXPECT_LT(Distance(q.Racines[1], {0, -1}), 1e-12L);
    EXPECT_LT(Distance(q.Racines[2], {0, 1}), 1e-12L);
    EXPECT_TRUE(Egaux(q.Racines[0], {1, 0}));
    EXPECT_TRUE(Egaux(q.Racines[5], {0, 0}));
    EXPECT_TRUE(q.RacinesValides && q.CoefsValides);
}

// Racines non atteintes : laissées nulles, l'échec rendu et les racines marquées non valides.
TEST(Polynomes, RacinesNonAtteintesNullesEtEchecRendu)
{
    TPolynome p = CoefsSeuls({NAN, 2, 1});
    EXPECT_EQ(CalculeRacines(p), LaguerreNonConvergent);
    EXPECT_FALSE(p.RacinesValides);
    EXPECT_EQ(p.Degre, 2);
    EXPECT_TRUE(Egaux(p.Racines[1], {0, 0}));
    EXPECT_TRUE(Egaux(p.Racines[2], {0, 0}));
    EXPECT_EQ(Multiplicites(p), (std::vector<int>{2}));
    TPolynome q = CoefsSeuls({2, 3, 1});
    EXPECT_EQ(CalculeRacines(q), LaguerreReussi);
    EXPECT_TRUE(q.RacinesValides);
}

// Seul un coefficient dominant nul abaisse le degré : la forme factorisée reste celle du
// polynôme. Un coefficient saisi, si petit soit-il, garde sa racine.
TEST(Polynomes, SeulUnCoefficientDominantNulAbaisseLeDegre)
{
    TPolynome p = CoefsSeuls({2, -3, 1, 0});
    EXPECT_EQ(CalculeRacines(p), LaguerreReussi);
    ASSERT_EQ(p.Degre, 2);
    EXPECT_TRUE(Egaux(p.Racines[0], {1, 0}));
    EXPECT_NEAR(static_cast<double>(p.Racines[1].Re), 1, 1e-15);
    EXPECT_NEAR(static_cast<double>(p.Racines[2].Re), 2, 1e-15);
    TPolynome petit = CoefsSeuls({3e-20L, 1e-20L});
    EXPECT_EQ(CalculeRacines(petit), LaguerreReussi);
    ASSERT_EQ(petit.Degre, 1);
    EXPECT_TRUE(Proche(petit.Racines[1], {-3, 0}, Serre));
    TPolynome nul = CoefsSeuls({0, 0, 0});
    EXPECT_EQ(CalculeRacines(nul), LaguerreReussi);
    EXPECT_EQ(nul.Degre, 0);
    EXPECT_TRUE(Egaux(nul.Racines[0], {0, 0}));
}

TEST(Polynomes, SommeAbaisseLeDegre)
{
    const TPolynome s = SommePolynomes(CoefsSeuls({0, 1, 1}), CoefsSeuls({0, 0, -1}));
    EXPECT_EQ(s.Degre, 1);
    EXPECT_TRUE(s.CoefsValides);
    EXPECT_FALSE(s.RacinesValides);
    const TPolynome nul = SommePolynomes(CoefsSeuls({0, 1}), CoefsSeuls({0, -1}));
    EXPECT_EQ(nul.Degre, 0);
    EXPECT_TRUE(Egaux(nul.Coef[0], {0, 0}));
    const TPolynome court = SommePolynomes(CoefsSeuls({1}), CoefsSeuls({2, 3, 4}));
    EXPECT_EQ(court.Degre, 2);
    EXPECT_TRUE(Egaux(court.Coef[0], {3, 0}));
    EXPECT_TRUE(Egaux(court.Coef[2], {4, 0}));
}

TEST(Polynomes, ProduitEtZeroConstant)
{
    const TPolynome p = ProduitPolynomes(CoefsSeuls({1, 1}), CoefsSeuls({-1, 0, 2}));
    EXPECT_EQ(p.Degre, 3);
    const std::vector<Reel> attendu = {-1, -1, 2, 2};
    for (int k = 0; k <= 3; ++k)
        EXPECT_TRUE(Egaux(p.Coef[k], ComplexeReel(attendu[k]))) << k;
    EXPECT_TRUE(p.CoefsValides);
    EXPECT_FALSE(p.RacinesValides);
    for (const TPolynome& nul : {ProduitPolynomes(CoefsSeuls({1, 2, 3}), CoefsSeuls({0})),
                                  ProduitPolynomes(CoefsSeuls({0}), CoefsSeuls({1, 2}))}) {
        EXPECT_EQ(nul.Degre, 0);
        EXPECT_TRUE(Egaux(nul.Coef[0], {0, 0}));
    }
}

TEST(Polynomes, ProduitTropGrandRefuse)
{
    TPolynome grand = CoefsSeuls({1});
    grand.Degre = 60;
    grand.Coef[60] = {1, 0};
    EXPECT_THROW(ProduitPolynomes(grand, grand), std::out_of_range);
}

TEST(Polynomes, OpposeDeriveeValeurFactorielle)
{
    TPolynome p = PolynomeDeRacines({2, 0}, {{1, 0}, {-3, 0}});
    OpposePolynome(p);
    EXPECT_TRUE(Egaux(p.Racines[0], {-2, 0}));
    EXPECT_TRUE(Egaux(ValeurEn(p, {0, 0}), {6, 0}));
    EXPECT_TRUE(p.CoefsValides && p.RacinesValides);

    const TPolynome d = Derivee(CoefsSeuls({5, -2, 0, 1}));
    EXPECT_EQ(d.Degre, 2);
    EXPECT_TRUE(Egaux(d.Coef[0], {-2, 0}) && Egaux(d.Coef[1], {0, 0}) && Egaux(d.Coef[2], {3, 0}));
    EXPECT_EQ(Derivee(CoefsSeuls({7})).Degre, 0);
    EXPECT_TRUE(Egaux(Derivee(CoefsSeuls({7})).Coef[0], {0, 0}));

    EXPECT_TRUE(Egaux(ValeurEn(CoefsSeuls({5, -2, 0, 1}), {0, 1}), {5, -3}));
    EXPECT_EQ(Factorielle(-1), 1);
    EXPECT_EQ(Factorielle(0), 1);
    EXPECT_EQ(Factorielle(10), 3628800);
    EXPECT_EQ(Factorielle(20), 2432902008176640000.0L);
}

class EnleveRacineTest : public testing::Test {
protected:
    void SetUp() override
    {
        DefinitFonctionMessage([this](const std::string& t) { messages.push_back(t); });
    }
    void TearDown() override { DefinitFonctionMessage(nullptr); }
    std::vector<std::string> messages;
};

TEST_F(EnleveRacineTest, EnleveUneCopieDUneRacineDouble)
{
    const TPolynome p = PolynomeDeRacines({3, 0}, {{-1, 0}, {-2, 0}, {-2, 0}, {4, 0}});
    const TPolynome q = EnleveRacine(1, 1, p);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(q.Degre, 3);
    EXPECT_EQ(Multiplicites(q), (std::vector<int>{1, 1, 1}));
    EXPECT_TRUE(Egaux(q.Racines[0], {3, 0}));
    EXPECT_TRUE(q.CoefsValides && q.RacinesValides);
    // 3 (p + 1)(p + 2)(p - 4) = 3p³ - 3p² - 30p - 24
    const std::vector<Reel> attendu = {-24, -30, -3, 3};
    for (int k = 0; k <= 3; ++k)
        EXPECT_TRUE(Egaux(q.Coef[k], ComplexeReel(attendu[k]))) << k;
}

TEST_F(EnleveRacineTest, TropDeCopiesSignaleEtPoursuit)
{
    const TPolynome p = PolynomeDeRacines({1, 0}, {{-1, 0}, {-2, 0}, {5, 0}});
    const TPolynome q = EnleveRacine(1, 2, p);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "erreur dans la procédure EnleveRacine (Polynomes)");
    EXPECT_EQ(q.Degre, 1);
    EXPECT_TRUE(Egaux(q.Racines[1], {5, 0}));

    // Au-delà des racines présentes : rien n'est enlevé hors du tableau.
    const TPolynome r = EnleveRacine(3, 4, p);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(r.Degre, 2);
    const TPolynome s = EnleveRacine(7, 1, p);
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_EQ(s.Degre, 3);
}

TEST(Polynomes, MessageParDefautSurLaSortieDErreur)
{
    DefinitFonctionMessage(nullptr);
    testing::internal::CaptureStderr();
    MessageNoyau("essai");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "essai\n");
}

// Propriété : les coefficients reconstruits depuis les racines calculées redonnent les coefficients.
void VerifieReconstruction(const TPolynome& p, Reel tolerance)
{
    TPolynome q = p;
    CalculeRacines(q);
    int somme = 0;
    for (int i = 1; i <= q.Multiplicites[0]; ++i)
        somme += q.Multiplicites[i];
    EXPECT_EQ(somme, p.Degre);
    CoefsDepuisRacines(q);
    for (int k = 0; k <= p.Degre; ++k) {
        const Reel echelle = std::fmax(1, Module(p.Coef[k]));
        EXPECT_LT(Distance(q.Coef[k], p.Coef[k]) / echelle, tolerance) << "degré " << p.Degre << ", k=" << k;
    }
}

TEST(Polynomes, ReconstructionDepuisLesRacinesCalculees)
{
    // Une racine d'ordre m s'arrête à |P| <= 1e-15 : écart de l'ordre de (1e-15 / reste)^(1/m).
    const struct {
        const char* Nom;
        TPolynome P;
        Reel Tolerance;
    } cas[] = {
        {"p² + 3p + 2", CoefsSeuls({2, 3, 1}), 1e-15L},
        {"degré 3", CoefsSeuls({5, 7, 3, 1}), 1e-15L},
        {"p⁴ + 1", CoefsSeuls({1, 0, 0, 0, 1}), 1e-15L},
        {"p⁷ - 1", CoefsSeuls({-1, 0, 0, 0, 0, 0, 0, 1}), 1e-14L},
        {"(p + 1)…(p + 10)",
         CoefsSeuls({3628800, 10628640, 12753576, 8409500, 3416930, 902055, 157773, 18150, 1320, 55, 1}), 1e-12L},
        {"(p + 1)³ (p² + 2p + 5)²",
         PolynomeDeRacines({2, 0}, {{-1, 0}, {-1, 0}, {-1, 0}, {-1, 2}, {-1, -2}, {-1, 2}, {-1, -2}}), 1e-5L},
        {"(p + 1)² (p + 2)² (p² + 2p + 5)² (p + 3)(p - 4)",
         PolynomeDeRacines({1, 0}, {{-1, 0}, {-1, 0}, {-2, 0}, {-2, 0}, {-1, 2}, {-1, -2}, {-1, 2}, {-1, -2}, {-3, 0}, {4, 0}}),
         1e-6L},
        {"-0,5 (p - 2)⁵ (p + 0,5)³ (p² + 1)",
         PolynomeDeRacines({-0.5L, 0}, {{2, 0}, {2, 0}, {2, 0}, {2, 0}, {2, 0}, {-0.5L, 0}, {-0.5L, 0}, {-0.5L, 0}, {0, 1}, {0, -1}}),
         2e-3L},
        {"p² (p² + p + 1)(p - 3)",
         PolynomeDeRacines({1, 0}, {{0, 0}, {0, 0}, {-0.5L, 0.8660254037844386L}, {-0.5L, -0.8660254037844386L}, {3, 0}}),
         1e-15L},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.Nom);
        VerifieReconstruction(c.P, c.Tolerance);
    }
}

TEST(Polynomes, RacineMultipleGroupeeApresCalcul)
{
    TPolynome p = CoefsSeuls({-8, 12, -6, 1});
    CalculeRacines(p);
    EXPECT_EQ(Multiplicites(p), (std::vector<int>{3}));
    TPolynome q = PolynomeDeRacines({1, 0}, {{-1, 2}, {-1, -2}, {-1, 2}, {-1, -2}});
    CalculeRacines(q);
    EXPECT_EQ(Multiplicites(q), (std::vector<int>{2, 2}));
    EXPECT_LT(Distance(q.Racines[1], {-1, -2}), 1e-6L);
    EXPECT_LT(Distance(q.Racines[3], {-1, 2}), 1e-6L);
}

// Banc d'essai de ce qu'un utilisateur peut taper : polynômes réels de degré 1 à 10, tirés au hasard
// (graine fixe) par coefficients sur de larges plages, ou par racines réelles, conjuguées, multiples
// et resserrées. Chaque recherche doit réussir, et les coefficients reconstruits depuis les racines
// trouvées doivent redonner ceux du polynôme : une racine en double, manquante ou fausse s'y voit.
constexpr int DegreMaxSaisi = 10;

class TTirage {
public:
    explicit TTirage(unsigned graine) : generateur_(graine) {}
    Reel Uniforme() { return static_cast<Reel>(generateur_() >> 11) / 9007199254740992.0L; }
    int Entier(int n) { return static_cast<int>(generateur_() % static_cast<unsigned long long>(n)); }
    Reel Signe() { return Entier(2) == 0 ? 1 : -1; }
    Reel Puissance(Reel decades) { return std::pow(10.0L, decades * (2 * Uniforme() - 1)); }

private:
    std::mt19937_64 generateur_;
};

TPolynome TireParCoefficients(TTirage& t, int degre)
{
    const Reel decades = std::vector<Reel>{0, 3, 10, 30}[static_cast<std::size_t>(t.Entier(4))];
    TPolynome p = InitPolynome();
    p.Degre = degre;
    p.CoefsValides = true;
    for (int k = 0; k <= degre; ++k)
        if (k == degre || t.Entier(6) != 0)
            p.Coef[k] = {t.Signe() * (1 + t.Uniforme()) * t.Puissance(decades), 0};
    return p;
}

// Grappe : le plus grand nombre de racines multiples ou resserrées d'affilée, qui fixe la précision
// atteignable (une racine d'ordre m n'est connue qu'à la racine m-ième de l'arrondi près).
TPolynome TirePolynomeDeRacines(TTirage& t, int degre, int& grappe)
{
    int suite = 1;
    grappe = 1;
    const Reel echelle = t.Puissance(std::vector<Reel>{0, 2, 6}[static_cast<std::size_t>(t.Entier(3))]);
    TPolynome p = InitPolynome();
    p.Racines[0] = {t.Signe() * t.Puissance(10), 0};
    while (p.Degre < degre) {
        const int choix = p.Degre == 0 ? 0 : t.Entier(4);
        const TComplexe precedente = p.Racines[p.Degre];
        suite = choix == 1 || choix == 2 ? suite + 1 : 1;
        grappe = std::max(grappe, suite);
        if (choix == 1 && p.Degre + 1 <= degre) {  // racine multiple
            p.Racines[++p.Degre] = precedente;
        } else if (choix == 2) {  // racine resserrée autour de la précédente
            const Reel ecart = Module(precedente) * std::pow(10.0L, -1 - 6 * t.Uniforme());
            p.Racines[++p.Degre] = {precedente.Re + ecart, precedente.Im};
            if (precedente.Im != 0 && p.Degre < degre)
                p.Racines[++p.Degre] = {precedente.Re + ecart, -precedente.Im};
            else
                p.Racines[p.Degre].Im = 0;
        } else if (choix == 3 && p.Degre + 2 <= degre) {  // paire conjuguée
            const TComplexe r{t.Signe() * echelle * t.Uniforme(), echelle * t.Uniforme()};
            p.Racines[++p.Degre] = r;
            p.Racines[++p.Degre] = {r.Re, -r.Im};
        } else {
            p.Racines[++p.Degre] = {t.Signe() * echelle * t.Uniforme(), 0};
        }
    }
    CoefsDepuisRacines(p);
    // Saisi par coefficients : des réels.
    for (int k = 0; k <= degre; ++k)
        p.Coef[k].Im = 0;
    p.RacinesValides = false;
    return p;
}

// Écart entre le polynôme et celui que redonnent les racines trouvées, mesuré sur les cercles
// |z| = |r| de chaque racine r (et |z| = 1) : coefficient k pondéré par |r|^k, rapporté au plus
// grand terme. Une racine en double, manquante ou fausse change le polynôme sur son cercle.
Reel ErreurDeReconstruction(const TPolynome& p, TPolynome calcule)
{
    CoefsDepuisRacines(calcule);
    Reel pire = 0;
    for (int i = 0; i <= calcule.Degre; ++i) {
        const Reel rayon = i == 0 ? 1 : Module(calcule.Racines[i]);
        if (rayon == 0)
            continue;
        Reel ecart = 0;
        Reel terme = 0;
        for (int k = 0; k <= p.Degre; ++k) {
            const Reel poids = std::pow(rayon, Reel(k));
            ecart = std::max(ecart, Distance(calcule.Coef[k], p.Coef[k]) * poids);
            terme = std::max(terme, Module(p.Coef[k]) * poids);
        }
        pire = std::max(pire, ecart / terme);
    }
    return pire;
}

// Racines simples : l'arrondi ; une grappe de m racines perd environ les m-1 m-ièmes des chiffres.
// Une racine en double ou manquante hors d'une grappe donne un écart de l'ordre de 1.
Reel ToleranceDeGrappe(int grappe)
{
    const Reel tolerances[] = {1e-14L, 1e-5L, 1e-3L};
    return grappe <= 3 ? tolerances[grappe - 1] : 2e-2L;
}

TEST(Polynomes, BancDEssaiDesPolynomesSaisissables)
{
    TTirage tirage(20240611);
    for (int essai = 0; essai < 4000; ++essai) {
        const int degre = 1 + essai % DegreMaxSaisi;
        int grappe = 1;
        const TPolynome p = essai % 2 == 0 ? TireParCoefficients(tirage, degre) : TirePolynomeDeRacines(tirage, degre, grappe);
        TPolynome calcule = p;
        ASSERT_EQ(CalculeRacines(calcule), LaguerreReussi) << "essai " << essai;
        ASSERT_EQ(calcule.Degre, degre) << "essai " << essai;
        ASSERT_TRUE(calcule.RacinesValides);
        const Reel erreur = ErreurDeReconstruction(p, calcule);
        EXPECT_LT(erreur, ToleranceDeGrappe(grappe)) << "essai " << essai << ", grappe " << grappe;
    }
}

// Cas de référence calculés indépendamment : racines triées et groupées des saisies par coefficients.
TPolynome DepuisTextes(const nlohmann::json& textes)
{
    std::vector<TComplexe> coefs;
    for (const nlohmann::json& t : textes)
        coefs.push_back(LitComplexe(t));
    return CoefsSeuls(coefs);
}

void CompareRacines(const TPolynome& p, const nlohmann::json& racines, const nlohmann::json& multiplicites,
                    TTolerance tolerance)
{
    ASSERT_EQ(p.Degre, static_cast<int>(racines.size()));
    EXPECT_EQ(Multiplicites(p), multiplicites.get<std::vector<int>>());
    for (int i = 1; i <= p.Degre; ++i)
        EXPECT_TRUE(Proche(p.Racines[i], LitComplexe(racines[i - 1]), tolerance)) << "racine " << i;
}

TEST(Polynomes, CasDeReferenceSaisisParCoefficients)
{
    int essais = 0;
    for (const nlohmann::json& c : CasReference()) {
        const nlohmann::json& attendu = c["attendu"];
        if (!c["entree"].contains("d") || !attendu["racines_communes"].empty())
            continue;
        SCOPED_TRACE(c["nom"].get<std::string>());
        TPolynome n = DepuisTextes(c["entree"]["n"]);
        TPolynome d = DepuisTextes(c["entree"]["d"]);
        CalculeRacines(n);
        CalculeRacines(d);
        CompareRacines(n, attendu["zeros"], attendu["multiplicites_zeros"], LitTolerance(c["tolerance"]));
        CompareRacines(d, attendu["poles"], attendu["multiplicites_poles"], LitTolerance(c["tolerance"]));
        ++essais;
    }
    EXPECT_GE(essais, 10);
}

TEST(Polynomes, PolynomeReelPrendLeDegreDuDernierCoefficientNonNul)
{
    const struct {
        std::vector<Reel> Coefs;
        int Degre;
        bool Nul;
    } cas[] = {
        {{}, 0, true},          {{0, 0, 0}, 0, true},    {{-0.0L}, 0, true},
        {{5}, 0, false},        {{0, 0, 3, 0}, 2, false}, {{0, 1e-4000L}, 1, false},
    };
    for (const auto& c : cas) {
        const TPolynome p = PolynomeReel(c.Coefs);
        EXPECT_EQ(p.Degre, c.Degre) << c.Coefs.size();
        EXPECT_EQ(EstPolynomeNul(p), c.Nul) << c.Coefs.size();
        EXPECT_TRUE(p.CoefsValides);
        EXPECT_FALSE(p.RacinesValides);
        for (std::size_t k = 0; k < c.Coefs.size(); ++k)
            EXPECT_TRUE(Egaux(p.Coef[k], ComplexeReel(c.Coefs[k]))) << k;
    }
    // Au-delà du degré maximum, rien n'est écrit hors du tableau.
    std::vector<Reel> trop(DegreMax + 50, 0);
    trop[DegreMax + 10] = 1;
    EXPECT_TRUE(EstPolynomeNul(PolynomeReel(trop)));
}

TEST(Polynomes, SeulLePolynomeDeDegreZeroEtDeConstanteNulleEstNul)
{
    TPolynome p = InitPolynome();
    EXPECT_TRUE(EstPolynomeNul(p));
    p.Coef[0] = {0, 1};
    EXPECT_FALSE(EstPolynomeNul(p));
    p.Coef[0] = {0, 0};
    p.Degre = 1;
    EXPECT_FALSE(EstPolynomeNul(p));
    EXPECT_TRUE(EstPolynomeNul(ProduitPolynomes(PolynomeDeCoefs({1, 2}), InitPolynome())));
}

}  // namespace
