#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OutilsAnalyse.h"

namespace {

struct TSimplification {
    TSysteme Systeme;
    std::vector<std::string> Annonces;
};

TSimplification Simplifie(const TPolynome& n, const TPolynome& d)
{
    DefinitSeparateurDecimal('.');
    TSimplification r{Systeme(n, d), {}};
    SimplifieRacinesCommunes(r.Systeme, 4, [&r](const std::string& texte) { r.Annonces.push_back(texte); });
    return r;
}

TEST(SimplifieRacinesCommunes, RacineSimpleAnnonceeEtEnlevee)
{
    const TSimplification r = Simplifie(PolynomeDeRacines(R(3), {R(-1)}), PolynomeDeRacines(R(1), {R(-1), R(-2)}));
    EXPECT_EQ(r.Annonces, std::vector<std::string>{"-1"});
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
TEST(SimplifieRacinesCommunes, PaireConjugueeEcriteEnComplexes)
{
    const TSimplification r = Simplifie(ParCoefficients({R(5), R(2), R(1)}), PolynomeDeRacines(R(1), {{-1, 2}, {-1, -2}, R(-3)}));
    EXPECT_EQ(r.Annonces, (std::vector<std::string>{"-1 +2 j", "-1 -2 j"}));
    EXPECT_EQ(r.Systeme.Numerateur.Degre, 0);
    EXPECT_EQ(r.Systeme.Denominateur.Degre, 1);
}

TEST(SimplifieRacinesCommunes, PartieImaginaireNegligeableNonEcrite)
{
    const TSimplification r = Simplifie(PolynomeDeRacines(R(1), {{2.5L, 3e-6L}}), PolynomeDeRacines(R(1), {{2.5L, 3e-6L}, R(-1)}));
    EXPECT_EQ(r.Annonces, std::vector<std::string>{"+2.5"});
}

TEST(SimplifieRacinesCommunes, SansAvertisseurNiRacineCommune)
{
    TSysteme s = Systeme(PolynomeDeRacines(R(1), {R(-1)}), PolynomeDeRacines(R(1), {R(-1), R(-2)}));
    SimplifieRacinesCommunes(s, 4, {});
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
