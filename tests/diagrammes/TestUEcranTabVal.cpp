// Tableau des valeurs : lignes, titres et en-têtes selon le diagramme, textes des nombres lus
// dans les points gardés, nouveau remplissage de la même fenêtre.
#include "diagrammes/UEcranTabVal.h"

#include <QHeaderView>
#include <QTableWidget>

#include "document/AideDialogues.h"
#include "document/Document.h"

namespace {

QStringList Entetes(const QTableWidget* grille)
{
    QStringList entetes;
    for (int c = 0; c < grille->columnCount(); ++c)
        entetes << grille->horizontalHeaderItem(c)->text();
    return entetes;
}

QStringList Ligne(const QTableWidget* grille, int r)
{
    QStringList ligne{grille->verticalHeaderItem(r)->text()};
    for (int c = 0; c < grille->columnCount(); ++c)
        ligne << grille->item(r, c)->text();
    return ligne;
}

class TableauValeurs : public testing::Test {
protected:
    TableauValeurs() : separateur_(','), fenetre_(doc_) {}

    // Points reconnaissables : le numéro se lit dans chaque valeur.
    void Remplit(TTypeDiagramme type, int nbPoints)
    {
        doc_.TypeDiagramme = type;
        doc_.EchellesFrequentielles.NbPoints = nbPoints;
        for (int i = -2; i <= IndicePointMax; ++i) {
            TPointFrequentiel& p = doc_.PointsFrequentiels[i];
            p.Frequence = i;
            p.Valeur1 = -i - 0.5L;
            p.Valeur2 = i + 0.25L;
            p.Valeur3 = 1000 + i;
            p.Valeur4 = -1000 - i;
        }
    }

    SeparateurImpose separateur_;
    TDocument doc_ = DocumentInitial();
    TEcranTabVal fenetre_;
};

TEST_F(TableauValeurs, BodeListeSesDeuxMillePoints)
{
    Remplit(TTypeDiagramme::Bode, 2000);
    doc_.PointsFrequentiels[1] = {0.0123456789L, -3.0102999L, -45.0000001L, 0, 0, 0, 0, 0};
    fenetre_.Tableau();
    const QTableWidget* grille = fenetre_.TabVal;
    EXPECT_TRUE(fenetre_.isVisible());
    EXPECT_EQ(fenetre_.windowTitle(), "Valeurs du diagramme de Bode");
    EXPECT_EQ(fenetre_.pos(), QPoint(20, 120));
    EXPECT_EQ(grille->rowCount(), 2000);
    EXPECT_EQ(Entetes(grille), (QStringList{"fréquence (Hz)", "puls. (rad/s)", "gain (dB)", "phase (°)"}));
    EXPECT_EQ(Ligne(grille, 0), (QStringList{"   1", "     0,0123", "     0,0776", "     -3,010", "    -45,000"}));
    EXPECT_EQ(Ligne(grille, 1999),
              (QStringList{"2000", "  2000,0000", " 12566,4000", "  -2000,500", "   2000,250"}));
    EXPECT_EQ(grille->verticalHeader()->defaultSectionSize(), 24);
    EXPECT_EQ(grille->font().family(), "Courier New");
    EXPECT_EQ(grille->font().pixelSize(), 15);
}

TEST_F(TableauValeurs, FrequenceTropGrandePourLaVirguleFixe)
{
    Remplit(TTypeDiagramme::Bode, 2000);
    doc_.PointsFrequentiels[7].Frequence = 1234567;
    fenetre_.Tableau();
    EXPECT_EQ(fenetre_.TabVal->item(6, 0)->text(), " 1,23457E+6");
}

TEST_F(TableauValeurs, NyquistPuisBlackRemplissentLaMemeFenetre)
{
    Remplit(TTypeDiagramme::Bode, 2000);
    fenetre_.Tableau();
    Remplit(TTypeDiagramme::Nyquist, 1998);
    fenetre_.Tableau();
    const QTableWidget* grille = fenetre_.TabVal;
    EXPECT_EQ(fenetre_.windowTitle(), "Valeurs du diagramme de Nyquist");
    EXPECT_EQ(grille->rowCount(), 1998);
    EXPECT_EQ(Entetes(grille), (QStringList{"fréquence (Hz)", "puls. (rad/s)", "partie réelle", "partie imagin."}));
    EXPECT_EQ(Ligne(grille, 2).mid(3), (QStringList{"     -3,500", "      3,250"}));

    Remplit(TTypeDiagramme::Black, 1998);
    fenetre_.Tableau();
    EXPECT_EQ(fenetre_.windowTitle(), "Valeurs du diagramme de Black");
    EXPECT_EQ(Entetes(grille), (QStringList{"fréquence (Hz)", "puls. (rad/s)", "gain (dB)", "phase (°)",
                                            "gain en BF", "phase en BF"}));
    // Gain en boucle ouverte (valeur 2) avant la phase (valeur 1), puis la boucle fermée.
    EXPECT_EQ(Ligne(grille, 2).mid(3),
              (QStringList{"      3,250", "     -3,500", "   1003,000", "  -1003,000"}));
}

TEST_F(TableauValeurs, ToutesLesColonnesTiennentDansLaFenetre)
{
    for (TTypeDiagramme type : {TTypeDiagramme::Bode, TTypeDiagramme::Black}) {
        Remplit(type, 2000);
        fenetre_.Tableau();
        const QTableWidget* grille = fenetre_.TabVal;
        EXPECT_LE(grille->verticalHeader()->width() + grille->horizontalHeader()->length(), grille->width());
        EXPECT_EQ(fenetre_.width(), grille->width() + 2);
    }
}

TEST_F(TableauValeurs, RienSansDiagrammeAffiche)
{
    Remplit(TTypeDiagramme::Aucun, 2000);
    fenetre_.Tableau();
    EXPECT_FALSE(fenetre_.isVisible());
    EXPECT_EQ(fenetre_.TabVal->rowCount(), 0);
}

}
