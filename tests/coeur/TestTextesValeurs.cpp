// Textes des valeurs lues : numéros de ligne, virgule fixe du tableau, format général de la
// lecture à la souris, avec les deux séparateurs.
#include "coeur/TextesValeurs.h"

#include <limits>

#include "fenetres/AideDialogues.h"

namespace {

class TextesValeurs : public testing::TestWithParam<char> {
protected:
    TextesValeurs() : separateur_(GetParam()) {}
    SeparateurImpose separateur_;
};

TEST_P(TextesValeurs, VirguleFixeArrondieAuxChiffresSignificatifsPuisAuxDecimales)
{
    EXPECT_EQ(TexteEntier(66), "  66");
    EXPECT_EQ(TexteFixe(123.456789L, 6, 4), AvecSeparateur("   123#4570"));
    EXPECT_EQ(TexteFixe(0.0123456789L, 6, 4), AvecSeparateur("     0#0123"));
    EXPECT_EQ(TexteFixe(-359.99996L, 7, 3), AvecSeparateur("   -360#000"));
    EXPECT_EQ(TexteFixe(-0.0000001L, 7, 3), AvecSeparateur("      0#000"));
    EXPECT_EQ(TexteFixe(999999.4L, 6, 4), AvecSeparateur("999999#0000"));
    // Partie entière trop longue : forme scientifique.
    EXPECT_EQ(TexteFixe(999999.6L, 6, 4), AvecSeparateur(" 1#00000E+6"));
    EXPECT_EQ(TexteFixe(-12345678.9L, 7, 3), AvecSeparateur("-1#234568E+7"));
}

TEST_P(TextesValeurs, FormatGeneralLePlusCourt)
{
    EXPECT_EQ(TexteGeneral(0.159154943L, 6), AvecSeparateur("0#159155"));
    EXPECT_EQ(TexteGeneral(-45.0000001L, 6), "-45");
    EXPECT_EQ(TexteGeneral(123456.4L, 6), "123456");
    EXPECT_EQ(TexteGeneral(1234567, 6), AvecSeparateur("1#23457E6"));
    EXPECT_EQ(TexteGeneral(0.0001L, 6), AvecSeparateur("0#0001"));
    EXPECT_EQ(TexteGeneral(0.0000123L, 6), AvecSeparateur("1#23E-5"));
    EXPECT_EQ(TexteGeneral(0, 6), "0");
    EXPECT_EQ(TexteGeneral(-std::numeric_limits<Reel>::infinity(), 6), "-INF");
}

INSTANTIATE_TEST_SUITE_P(Separateurs, TextesValeurs, testing::Values(',', '.'));

}
