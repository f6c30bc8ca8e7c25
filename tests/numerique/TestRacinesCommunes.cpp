#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "OutilsAnalyse.h"
#include "ReferenceQuad.h"

namespace {

struct TSimplification {
    TSysteme Systeme;
    std::vector<TComplexe> Annonces;
};

TSimplification Simplifie(const TPolynome& n, const TPolynome& d)
{
    TSimplification r{Systeme(n, d), {}};
    SimplifieRacinesCommunes(r.Systeme, [&r](TComplexe racine) { r.Annonces.push_back(racine); });
    return r;
}

TEST(SimplifieRacinesCommunes, RacineSimpleAnnonceeEtEnlevee)
{
    const TSimplification r = Simplifie(PolynomeDeRacines(R(3), {R(-1)}), PolynomeDeRacines(R(1), {R(-1), R(-2)}));
    ASSERT_EQ(r.Annonces.size(), 1u);
    EXPECT_TRUE(Proche(r.Annonces[0], R(-1), Serre));
    ASSERT_EQ(r.Systeme.Numerateur.Degre, 0);
    EXPECT_TRUE(Proche(r.Systeme.Numerateur.Coef[0], R(3), Serre));
    ASSERT_EQ(r.Systeme.Denominateur.Degre, 1);
    EXPECT_TRUE(Proche(r.Systeme.Denominateur.Racines[1], R(-2), Serre));
    EXPECT_TRUE(r.Systeme.Numerateur.CoefsValides && r.Systeme.Denominateur.RacinesValides);
    EXPECT_TRUE(r.Systeme.SystemeStable);
}

TEST(SimplifieRacinesCommunes, RacineMultipleEnleveeAuPlusPetitOrdre)
{
    const TSimplification r =
        Simplifie(PolynomeDeRacines(R(1), {R(-1), R(-1)}), PolynomeDeRacines(R(1), {R(-1), R(-1), R(-1), R(-4)}));
    EXPECT_EQ(r.Annonces.size(), 1u);
    EXPECT_EQ(r.Systeme.Numerateur.Degre, 0);
    ASSERT_EQ(r.Systeme.Denominateur.Degre, 2);
    EXPECT_EQ(r.Systeme.Denominateur.Multiplicites[0], 2);
}

// La dernière paire trouvée passe d'abord : -1 + 2j avant -1 - 2j.
TEST(SimplifieRacinesCommunes, PaireConjugueeAnnonceeRacineParRacine)
{
    const TSimplification r = Simplifie(ParCoefficients({R(5), R(2), R(1)}), PolynomeDeRacines(R(1), {{-1, 2}, {-1, -2}, R(-3)}));
    ASSERT_EQ(r.Annonces.size(), 2u);
    EXPECT_TRUE(Proche(r.Annonces[0], {-1, 2}, Serre));
    EXPECT_TRUE(Proche(r.Annonces[1], {-1, -2}, Serre));
    EXPECT_EQ(r.Systeme.Numerateur.Degre, 0);
    EXPECT_EQ(r.Systeme.Denominateur.Degre, 1);
}

TEST(SimplifieRacinesCommunes, SansAvertisseurNiRacineCommune)
{
    TSysteme s = Systeme(PolynomeDeRacines(R(1), {R(-1)}), PolynomeDeRacines(R(1), {R(-1), R(-2)}));
    SimplifieRacinesCommunes(s, {});
    EXPECT_EQ(s.Denominateur.Degre, 1);

    const TSimplification r = Simplifie(PolynomeDeRacines(R(1), {R(-5)}), PolynomeDeRacines(R(1), {R(-1), R(-2)}));
    EXPECT_TRUE(r.Annonces.empty());
    EXPECT_EQ(r.Systeme.Denominateur.Degre, 2);
}

TEST(SimplifieRacinesCommunes, Stabilite)
{
    const TPolynome un = ParCoefficients({R(1)});
    EXPECT_TRUE(Simplifie(un, ParCoefficients({R(0), R(1)})).Systeme.SystemeStable);           // pôle nul
    EXPECT_FALSE(Simplifie(un, PolynomeDeRacines(R(1), {R(1e-12L), R(-1)})).Systeme.SystemeStable);  // à peine positif
    EXPECT_TRUE(Simplifie(un, PolynomeDeRacines(R(1), {{0, 1}, {0, -1}})).Systeme.SystemeStable);    // sur l'axe
    EXPECT_FALSE(Simplifie(ParCoefficients({R(1), R(0), R(1)}), ParCoefficients({R(1), R(1)})).Systeme.SystemeStable);
}

// Un fichier lu juste après le démarrage laisse N et D nuls : ce n'est pas un système stable.
TEST(SimplifieRacinesCommunes, DenominateurNulJamaisStable)
{
    const TPolynome zero = ParCoefficients({R(0)});
    EXPECT_FALSE(Simplifie(zero, zero).Systeme.SystemeStable);
    EXPECT_FALSE(Simplifie(ParCoefficients({R(1)}), zero).Systeme.SystemeStable);
    EXPECT_TRUE(Simplifie(zero, ParCoefficients({R(2)})).Systeme.SystemeStable);
}

}  // namespace

namespace {

// Coefficients tapés (puissances croissantes) : en précision étendue pour le noyau, en quadruple
// pour la référence.
std::vector<std::string> Mots(const std::string& texte)
{
    std::istringstream flux(texte);
    std::vector<std::string> mots;
    for (std::string m; flux >> m;)
        mots.push_back(m);
    return mots;
}

TPolynome Tape(const std::string& texte)
{
    std::vector<TComplexe> c;
    for (const std::string& m : Mots(texte))
        c.push_back(R(std::strtold(m.c_str(), nullptr)));
    return ParCoefficients(c);
}

PQ TapeQuad(const std::string& texte)
{
    PQ c;
    for (const std::string& m : Mots(texte))
        c.push_back(strtoflt128(m.c_str(), nullptr));
    return c;
}

Quad TailleTermesQuad(const PQ& p, Quad r)
{
    Quad s = 0;
    for (std::size_t k = p.size(); k-- > 0;)
        s = s * r + fabsq(p[k]);
    return s;
}

// Référence : un zéro est commun quand D s'y annule à la précision des données (1e-13 de la
// taille de ses termes), tout en quadruple ; les zéros viennent de Durand-Kerner.
int CommunsQuad(const PQ& n, const PQ& d)
{
    int communs = 0;
    for (const QC z : RacinesQuad(n))
        if (Abs(Val(d, z)) <= Quad(1e-13) * TailleTermesQuad(d, Abs(z)))
            ++communs;
    return communs;
}

// Une grappe de pôles instables a des racines que les coefficients situent mal une à une : cela
// ne fait pas d'un zéro lointain leur voisin. Un pôle de partie réelle positive ou nulle simplifié
// est annoncé, même quand le zéro est stable.
TEST(SimplifieRacinesCommunes, CommunesSeulementDansLaPrecisionDeLaPaire)
{
    struct TCas {
        std::string N, D;
        bool AnnonceSansPartieReelleNegative;
    };
    const TCas cas[] = {
        {"-3 1",
         "1.01508522527412 -6.0753406755481203 15.150510675274001 -20.150340225000001 15.075085 "
         "-6.0149999999999997 1",
         false},
        {"2 1", "1.00006000110001 -4.00018000220001 6.00018000110000 -4.00006 1", false},
        {"-1 1", "-2 1 1", true},
        {"1 1", "3 4 1", false},
        {"1 2e-17 1", "1 1 1 1", true},
        {"1 2e-7 1", "1 1 1 1", false},
        {"-1 1", "-3.000003 1.999999 1", false},
    };
    for (const TCas& c : cas) {
        const TSimplification r = Simplifie(Tape(c.N), Tape(c.D));
        const int attendus = CommunsQuad(TapeQuad(c.N), TapeQuad(c.D));
        EXPECT_EQ(int(r.Annonces.size()), attendus) << c.N << " / " << c.D;
        EXPECT_EQ(r.Systeme.Denominateur.Degre, int(Mots(c.D).size()) - 1 - attendus) << c.D;
        for (const TComplexe racine : r.Annonces)
            EXPECT_EQ(racine.Re >= 0, c.AnnonceSansPartieReelleNegative) << double(racine.Re);
    }
}

// Référence du verdict : racines de Durand-Kerner et Newton en quadruple. Celles d'une racine
// multiple s'y dispersent (jusqu'à 1e-11 pour une triple) : chaque groupe de racines à moins de
// 1e-8 l'une de l'autre est jugé sur sa moyenne, sur l'axe en deçà de 1e-11 du module.
// Un coefficient de signe contraire au dominant prouve à lui seul une racine à droite.
bool StableQuad(const PQ& d)
{
    for (const Quad c : d)
        if (c * d.back() < 0)
            return false;
    const std::vector<QC> r = RacinesQuad(d);
    for (const QC a : r) {
        QC somme{};
        int nombre = 0;
        for (const QC b : r)
            if (Abs(a - b) < Quad(1e-8) * Abs(a)) {
                somme = somme + b;
                ++nombre;
            }
        const QC moyenne{somme.Re / nombre, somme.Im / nombre};
        if (moyenne.Re > Quad(1e-11) * Abs(moyenne))
            return false;
    }
    return true;
}

// Des pôles à un cheveu de l'axe, à droite, ne sont pas posés dessus : seuls ceux dont les
// données ne disent pas le côté le sont.
TEST(SimplifieRacinesCommunes, StabiliteAUnCheveuDeLAxe)
{
    const std::string cas[] = {
        "1 -2e-9 2 -2e-9 1",                       // (p²+1)(p²-2e-9p+1)
        "1 2e-9 2 2e-9 1",                         // (p²+1)(p²+2e-9p+1)
        "1 0 2 0 1",                               // (p²+1)²
        "1e8 0 2e4 0 1",                           // (p²+1e4)²
        "1e8 -2e-3 2e4 -2e-7 1",                   // (p²+1e4)(p²-2e-7p+1e4)
        "1 0 3 0 3 0 1",                           // (p²+1)³
        "1 -2e-6 3 -4e-6 3 -2e-6 1",               // (p²+1)²(p²-2e-6p+1)
        "1 4e-9 2.000000000000000004 4e-9 1",      // (p²+2e-9p+1)²
        "1 -1e-30 1",                              // pôles 5e-31 ± j
        "0 1 -1e-12 1",                            // p(p²-1e-12p+1)
        "1 3 3 1",                                 // (p+1)³
        // (p²+20,8²)²(p²-1e-5p+20,8²+25e-12)(p+2,8), coefficients positifs : trois racines
        // simples voisines dont la moyenne est à droite
        "226745168.114496302415872 80980411.94278233063424 1572288.0328663645696 561532.084572181632 "
        "3634.16734720007 1297.919972000025 2.79999 1",
    };
    for (const std::string& d : cas)
        EXPECT_EQ(Simplifie(Tape("1"), Tape(d)).Systeme.SystemeStable, StableQuad(TapeQuad(d))) << d;
}

}  // namespace

namespace {

// Les pôles montrés ont une racine à droite exactement quand le polynôme en a une. Côtés lus sur
// les factorisations exactes : p² - 2a.p + b² a ses racines en a ± j.sqrt(b² - a²), à droite pour
// a > 0 ; p(p² - 1e-12.p + 1) et (p² + 1)(p² ∓ 2e-9.p + 1) de même. Une paire simple à 5e-31 de
// l'axe, dont les coefficients disent le côté, n'est pas posée dessus ; à gauche non plus.
TEST(SimplifieRacinesCommunes, UnPoleADroiteSeVoitADroite)
{
    const std::pair<const char*, bool> cas[] = {
        {"1 -1e-30 1", true}, {"1 1e-30 1", false},      {"1 0 1", false},           {"0 1 -1e-12 1", true},
        {"1 -2e-9 2 -2e-9 1", true}, {"1 2e-9 2 2e-9 1", false}, {"4 -4e-20 1", true}, {"4 4e-20 1", false},
    };
    for (const auto& [d, aDroite] : cas) {
        const TPolynome p = Simplifie(Tape("1"), Tape(d)).Systeme.Denominateur;
        bool montreADroite = false;
        for (int i = 1; i <= p.Degre; ++i)
            montreADroite = montreADroite || p.Racines[i].Re > 0;
        EXPECT_EQ(montreADroite, aDroite) << d;
    }
}

}  // namespace
