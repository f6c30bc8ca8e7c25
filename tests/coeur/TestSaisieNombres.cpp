#include "coeur/SaisieNombres.h"
#include "coeur/TextesValeurs.h"

#include <gtest/gtest.h>

#include <cmath>

#include "SeparateurImpose.h"

namespace {

// Chaque test fixe le séparateur du noyau et le rend ensuite.
class SaisieNombres : public testing::TestWithParam<char> {
protected:
    // Écrit un texte avec le séparateur en cours à la place de '#'.
    QString Avec(QString t) const { return t.replace(u'#', QChar::fromLatin1(GetParam())); }
    SeparateurImpose separateur_{GetParam()};
};

TEST_P(SaisieNombres, NormaliseRemplaceLesDeuxSeparateursEtRienDAutre)
{
    EXPECT_EQ(NormaliseSeparateur("0.5"), Avec("0#5"));
    EXPECT_EQ(NormaliseSeparateur("0,5"), Avec("0#5"));
    EXPECT_EQ(NormaliseSeparateur("1.2,3 x"), Avec("1#2#3 x"));
    EXPECT_EQ(NormaliseSeparateur(""), "");
}

struct CasLu {
    const char* texte;  // '#' : le séparateur en cours
    long double attendu;
};

TEST_P(SaisieNombres, LitLesFormesAdmises)
{
    const CasLu cas[] = {
        {"0", 0},          {"-0", 0},          {"  12  ", 12},      {"+3", 3},
        {"-2#5", -2.5L},   {"#5", 0.5L},       {"5#", 5},           {"1e3", 1000},
        {"1E-3", 1e-3L},   {"-1#5e+2", -150},  {"\t7\t", 7},        {"1e4000", 1e4000L},
    };
    for (const CasLu& c : cas) {
        Reel v = 99;
        EXPECT_TRUE(LitReel(Avec(c.texte), v)) << c.texte;
        EXPECT_EQ(v, c.attendu) << c.texte;
    }
}

TEST_P(SaisieNombres, RefuseLesTextesHostilesSansToucherLaValeur)
{
    const QString mille(1000, u'9');
    const QString cas[] = {
        "",       "   ",      "abc",     "1#2#3",   "1e99999", "-1e99999", "1e-99999", "inf",
        "nan",    "-inf",     "0x10",    "1e",      "e5",      "+",        "-",        "#",
        "1 2",    "--1",      "+-1",     "1e+",     "12a",     "1,5.",     "1e5#5",    "Infinity",
        "١٢",     "1e" + mille, mille + "e9999",
    };
    for (const QString& texte : cas) {
        Reel v = 42;
        EXPECT_FALSE(LitReel(Avec(texte), v)) << texte.toStdString();
        EXPECT_EQ(v, 42) << texte.toStdString();
    }
}

TEST_P(SaisieNombres, MilleChiffresDonnentUnNombreFini)
{
    Reel v = 0;
    ASSERT_TRUE(LitReel(QString(1000, u'1'), v));
    EXPECT_TRUE(std::isfinite(v));
    EXPECT_NEAR(std::log10(v), 999.05L, 0.01L);
    ASSERT_TRUE(LitReel(Avec("0#") + QString(1000, u'0') + "1", v));
    EXPECT_NEAR(std::log10(v), -1001, 0.01L);
}

TEST_P(SaisieNombres, RefuseLAutreSeparateurSansNormalisation)
{
    const char autre = GetParam() == ',' ? '.' : ',';
    Reel v = 0;
    EXPECT_FALSE(LitReel(QString("0") + autre + "5", v));
    EXPECT_TRUE(LitReel(NormaliseSeparateur(QString("0") + autre + "5"), v));
    EXPECT_EQ(v, 0.5L);
}

TEST_P(SaisieNombres, MoinsZeroDevientZero)
{
    Reel v = 1;
    ASSERT_TRUE(LitReel(Avec("-0#0"), v));
    EXPECT_FALSE(std::signbit(v));
}

TEST(LitEntier, EntiersAdmisEtBornes)
{
    const std::pair<const char*, int> admis[] = {
        {"0", 0}, {" 7 ", 7}, {"+3", 3}, {"-2", -2}, {"0010", 10},
        {"12345678901234567890", 999999999}, {"-99999999999", -999999999},
    };
    for (const auto& [texte, attendu] : admis) {
        int v = 42;
        EXPECT_TRUE(LitEntier(texte, v)) << texte;
        EXPECT_EQ(v, attendu) << texte;
    }
    for (const char* texte : {"", " ", "-", "2.0", "2,", "1e1", "abc", "3 4", "0x3", "--1"}) {
        int v = 42;
        EXPECT_FALSE(LitEntier(texte, v)) << texte;
        EXPECT_EQ(v, 42) << texte;
    }
    int v = 0;
    EXPECT_TRUE(LitEntier(QString(1000, u'7'), v));
    EXPECT_EQ(v, 999999999);
}

TEST_P(SaisieNombres, TexteGeneralCourtEtRelisible)
{
    const auto texte = [](Reel x) { return TexteGeneral(x, ChiffresRelisibles); };
    EXPECT_EQ(texte(0), "0");
    EXPECT_EQ(texte(-0.0L), "0");
    EXPECT_EQ(texte(3), "3");
    EXPECT_EQ(texte(-2.5L), Avec("-2#5"));
    EXPECT_EQ(texte(0.1L), Avec("0#1"));
    EXPECT_EQ(texte(1.0L / 3), Avec("0#333333333333333"));
    EXPECT_EQ(texte(1e20L), "1E20");
    EXPECT_EQ(texte(-1.5e-7L), Avec("-1#5E-7"));
    EXPECT_EQ(texte(123456789012345678.0L), Avec("1#23456789012346E17"));
    for (Reel x : {0.1L, -7.25L, 1e-300L, 6.02214076e23L, 1.0L / 7}) {
        Reel relu = 0;
        ASSERT_TRUE(LitReel(texte(x), relu)) << texte(x).toStdString();
        EXPECT_NEAR(relu, x, std::fabs(x) * 1e-14L);
    }
}

INSTANTIATE_TEST_SUITE_P(DeuxSeparateurs, SaisieNombres, testing::Values(',', '.'));

} // namespace
