// Textes des nombres des formules, graduations et annonces, avec les deux séparateurs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SeparateurImpose.h"
#include "coeur/TextesValeurs.h"

namespace {

struct TCasTexte {
    Reel x;
    int n;
    std::string texte;  // écrit avec le point
};

std::string AvecSeparateur(std::string texte, char separateur)
{
    for (char& c : texte)
        if (c == '.')
            c = separateur;
    return texte;
}

class TexteDesNombres : public testing::TestWithParam<char> {
protected:
    std::string Attendu(const std::string& texte) const { return AvecSeparateur(texte, GetParam()); }
    std::string Nombre(Reel x, int n) const { return NombreEnTexte(x, n, GetParam()); }
    std::string Complexe(TComplexe z, int n) const { return ComplexeEnTexte(z, n, GetParam()); }
};

TEST_P(TexteDesNombres, FormatGeneral)
{
    const std::vector<TCasTexte> cas = {
        // Bornes du format général.
        {0, 4, "+0"}, {-0.0L, 4, "+0"}, {-0.0005L, 4, "-5.00000E-4"}, {10000, 4, "+1E4"},
        {10000.5L, 4, "+1.00005E+4"}, {0.001L, 3, "+0.001"}, {0.00099L, 3, "+9.9000E-4"}, {1234, 3, "+1.23E3"},
        {25, 1, "+3E1"}, {0.000123456L, 4, "+1.23456E-4"}, {123456, 3, "+1.2346E+5"},
        // Positionnel.
        {2, 4, "+2"}, {-1.5L, 4, "-1.5"}, {123.456L, 4, "+123.5"}, {1000, 4, "+1000"}, {100, 3, "+100"},
        {100, 1, "+1E2"}, {120, 2, "+1.2E2"}, {0.0123L, 3, "+0.0123"}, {0.1L, 4, "+0.1"}, {3.14159265L, 1, "+3"},
        {-9.87654L, 3, "-9.88"},
        // Moitiés arrondies loin de zéro, retenues ; valeurs tapées en décimal : leur moitié se lit
        // sur les chiffres décimaux.
        {2.5L, 1, "+3"}, {-2.5L, 1, "-3"}, {0.125L, 2, "+0.13"}, {-0.125L, 2, "-0.13"}, {1.0005L, 4, "+1.001"},
        {0.15L, 1, "+0.2"}, {9.9996L, 4, "+10"}, {9999.7L, 4, "+1E4"}, {0.0099996L, 4, "+0.01"},
        {999999.7L, 4, "+1.00000E+6"}, {0.00099999999L, 3, "+1.0000E-3"}, {1.23455e-7L, 4, "+1.23455E-7"},
        // Exposants extrêmes du réel étendu.
        {1e-1000L, 4, "+1.00000E-1000"}, {-2.5e3000L, 1, "-2.50E+3000"}, {1.5e300L, 1, "+1.50E+300"},
    };
    for (const TCasTexte& c : cas)
        EXPECT_EQ(Nombre(c.x, c.n), Attendu(c.texte)) << static_cast<double>(c.x) << " n=" << c.n;
}

TEST_P(TexteDesNombres, TexteDesComplexes)
{
    EXPECT_EQ(Complexe({2, 0}, 4), Attendu("+2"));
    EXPECT_EQ(Complexe({0, 1}, 4), Attendu("+0 + j"));
    EXPECT_EQ(Complexe({1.5L, -2}, 4), Attendu("+1.5 -2 j"));
    EXPECT_EQ(Complexe({-1, -1}, 4), Attendu("-1 -j"));
    EXPECT_EQ(Complexe({0.5L, 0.25L}, 4), Attendu("+0.5 +0.25 j"));
    EXPECT_EQ(Complexe({0, 0}, 4), Attendu("+0"));
    // Les comparaisons à 1 et -1 sont exactes.
    EXPECT_EQ(Complexe({0, 1.0000001L}, 4), Attendu("+0 +1 j"));
}

// Une partie sous la demi-unité du dernier chiffre affiché de la plus grande est du bruit de
// calcul : elle s'écrit comme une partie nulle (le tableau du lieu d'Evans montrait
// « -2.62019 +3.76158E-37 j »). À la résolution et au-delà, rien ne change.
TEST_P(TexteDesNombres, BruitSousLaResolutionEcritCommeZero)
{
    EXPECT_EQ(Complexe({-2.62019L, 3.76158e-37L}, 6), Attendu("-2.62019"));
    EXPECT_EQ(Complexe({-2.62019L, -3.76158e-37L}, 6), Attendu("-2.62019"));
    EXPECT_EQ(Complexe({1e-30L, -1}, 4), Attendu("+0 -j"));
    EXPECT_EQ(Complexe({-1e-30L, 2.5L}, 4), Attendu("+0 +2.5 j"));
    // 4 chiffres de 1 : dernier chiffre 1e-3, demi-unité 5e-4.
    EXPECT_EQ(Complexe({-1, 4.9e-4L}, 4), Attendu("-1"));
    EXPECT_EQ(Complexe({-1, 5.1e-4L}, 4), Attendu("-1 +5.10000E-4 j"));
    // 4 chiffres de 0.5 : dernier chiffre 1e-4.
    EXPECT_EQ(Complexe({0.5L, 1e-4L}, 4), Attendu("+0.5 +1.00000E-4 j"));
    // En forme exposant, 6 chiffres : 2.00000E-5 a son dernier chiffre en 1e-10.
    EXPECT_EQ(Complexe({2e-5L, 3e-11L}, 4), Attendu("+2.00000E-5"));
    EXPECT_EQ(Complexe({2e-5L, 6e-11L}, 4), Attendu("+2.00000E-5 +6.00000E-11 j"));
    EXPECT_EQ(Complexe({1, 1e12L}, 4), Attendu("+0 +1.00000E+12 j"));
    // L'arrondi de la plus grande partie compte : 9.99996 s'écrit 10, dernier chiffre 1e-2.
    EXPECT_EQ(Complexe({9.99996L, 4e-3L}, 4), Attendu("+10"));
    EXPECT_EQ(Complexe({9.99996L, 6e-3L}, 4), Attendu("+10 +0.006 j"));
}

// Sans séparateur donné, celui réglé au démarrage : le point tant que rien n'est réglé.
TEST(NombresEnTexte, SeparateurReglePourLesTextesAffiches)
{
    EXPECT_EQ(SeparateurDecimal(), '.');
    EXPECT_EQ(NombreEnTexte(-0.5L, 4), "-0.5");
    const SeparateurImpose virgule(',');
    EXPECT_EQ(NombreEnTexte(-0.5L, 4), "-0,5");
    EXPECT_EQ(ComplexeEnTexte({0.25L, -1}, 4), "+0,25 -j");
    EXPECT_EQ(NombreEnTexte(-0.5L, 4, '.'), "-0.5");
}

INSTANTIATE_TEST_SUITE_P(Separateurs, TexteDesNombres, testing::Values('.', ','),
                         [](const testing::TestParamInfo<char>& info) {
                             return std::string(info.param == '.' ? "Point" : "Virgule");
                         });

}  // namespace
