// Chaque colonne du tableau, du tableur et chaque ligne de la lecture montre la grandeur que
// son titre annonce, quel que soit l'ordre où le diagramme l'a rangée dans le point.
#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>

#include "coeur/GrandeursPoints.h"

namespace {

TEchantillonDiagramme Echantillon()
{
    TEchantillonDiagramme e;
    e.Frequence = 2;
    e.Reponse = {0.25L, -0.5L};
    e.Gain = -3;
    e.Phase = -120;
    e.GainFerme = 1.5L;
    e.PhaseFermee = -45;
    return e;
}

struct TCasColonnes {
    TTypeDiagramme Type;
    QStringList Tableau;  // titres après fréquence et pulsation
    std::vector<Reel> Valeurs;
};

class Grandeurs : public testing::TestWithParam<TCasColonnes> {};

TEST_P(Grandeurs, ChaqueColonneMontreLaValeurDeSonTitre)
{
    const TCasColonnes cas = GetParam();
    TPointFrequentiel p;
    RangeEchantillon(p, cas.Type, Echantillon());
    const std::vector<TGrandeur>& colonnes = ColonnesTableau(cas.Type);
    ASSERT_EQ(colonnes.size(), std::size_t(cas.Tableau.size()) + 2);
    EXPECT_EQ(TitreTableau(colonnes[0]), QStringLiteral("fréquence (Hz)"));
    EXPECT_EQ(ValeurDuPoint(p, cas.Type, colonnes[0]), 2);
    EXPECT_NEAR(double(ValeurDuPoint(p, cas.Type, colonnes[1])), 4 * M_PI, 1e-12);
    for (std::size_t k = 0; k < cas.Valeurs.size(); ++k) {
        EXPECT_EQ(TitreTableau(colonnes[k + 2]), cas.Tableau[qsizetype(k)]);
        EXPECT_EQ(ValeurDuPoint(p, cas.Type, colonnes[k + 2]), cas.Valeurs[k]) << cas.Tableau[qsizetype(k)].toStdString();
    }
    for (const TGrandeur g : ColonnesTableur(cas.Type))
        EXPECT_EQ(ValeurDuPoint(p, cas.Type, g), ValeurEchantillon(Echantillon(), g));
}

INSTANTIATE_TEST_SUITE_P(
    Diagrammes, Grandeurs,
    testing::Values(TCasColonnes{TTypeDiagramme::Bode, {"gain (dB)", "phase (°)"}, {-3, -120}},
                    TCasColonnes{TTypeDiagramme::Nyquist, {"partie réelle", "partie imagin."}, {0.25L, -0.5L}},
                    TCasColonnes{TTypeDiagramme::Black,
                                 {"gain (dB)", "phase (°)", "gain en BF", "phase en BF"},
                                 {-3, -120, 1.5L, -45}}));

TEST(Grandeurs, LectureDeBlackSansAbaqueSansLaBoucleFermee)
{
    const std::vector<TGrandeur> sans = GrandeursLues(TTypeDiagramme::Black, false);
    const std::vector<TGrandeur> avec = GrandeursLues(TTypeDiagramme::Black, true);
    EXPECT_EQ(sans, (std::vector<TGrandeur>{TGrandeur::Frequence, TGrandeur::Pulsation, TGrandeur::Phase,
                                            TGrandeur::Gain}));
    EXPECT_EQ(avec.size(), 6u);
    EXPECT_EQ(UniteLecture(avec[4]), QStringLiteral(" dB"));
    EXPECT_EQ(UniteLecture(avec[5]), QStringLiteral(" °"));
    EXPECT_EQ(GrandeursLues(TTypeDiagramme::Nyquist, true).size(), 4u);
    TPointFrequentiel p;
    RangeEchantillon(p, TTypeDiagramme::Nyquist, Echantillon());
    EXPECT_TRUE(std::isnan(ValeurDuPoint(p, TTypeDiagramme::Nyquist, TGrandeur::Gain)))
        << "Nyquist ne garde pas le gain : aucune valeur inventée";
}

}
