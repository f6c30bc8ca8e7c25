// Tableau des valeurs : lignes, titres et en-têtes selon le diagramme, textes des nombres lus
// dans les points gardés, nouveau remplissage de la même fenêtre.
#include "fenetres/UEcranTabVal.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include "AideDialogues.h"
#include "coeur/Document.h"

namespace {

class TableauValeurs : public testing::Test {
protected:
    TableauValeurs() : separateur_(','), fenetre_(doc_) {}

    // Points reconnaissables : leur numéro se lit dans chaque valeur.
    void Remplit(TTypeDiagramme type, int nbPoints)
    {
        doc_.TypeDiagramme = type;
        doc_.EchellesFrequentielles.NbPoints = nbPoints;
        for (int i = 1; i <= nbPoints; ++i)
            doc_.PointsFrequentiels[i] = {Reel(i), -i - 0.5L, i + 0.25L, 1000.0L + i, -1000.0L - i, 0, 0, 0};
        fenetre_.Tableau();
    }

    QStringList Ligne(int r) const
    {
        QStringList ligne{fenetre_.TabVal->verticalHeaderItem(r)->text()};
        for (int c = 0; c < fenetre_.TabVal->columnCount(); ++c)
            ligne << fenetre_.TabVal->item(r, c)->text();
        return ligne;
    }

    QStringList Entetes() const
    {
        QStringList entetes;
        for (int c = 0; c < fenetre_.TabVal->columnCount(); ++c)
            entetes << fenetre_.TabVal->horizontalHeaderItem(c)->text();
        return entetes;
    }

    SeparateurImpose separateur_;
    TDocument doc_ = DocumentInitial();
    TEcranTabVal fenetre_;
};

TEST_F(TableauValeurs, BodeListeSesDeuxMillePointsAvecLeursTextes)
{
    Remplit(TTypeDiagramme::Bode, 2000);
    EXPECT_TRUE(fenetre_.isVisible());
    EXPECT_EQ(fenetre_.windowTitle(), "Valeurs du diagramme de Bode");
    EXPECT_EQ(fenetre_.pos(), QPoint(20, 120));
    EXPECT_EQ(fenetre_.TabVal->rowCount(), 2000);
    EXPECT_EQ(Entetes(), (QStringList{"fréquence (Hz)", "puls. (rad/s)", "gain (dB)", "phase (°)"}));
    EXPECT_EQ(Ligne(0), (QStringList{"   1", "     1,0000", "     6,2832", "     -1,500", "      1,250"}));
    EXPECT_EQ(Ligne(1999), (QStringList{"2000", "  2000,0000", " 12566,4000", "  -2000,500", "   2000,250"}));
    doc_.PointsFrequentiels[7].Frequence = 1234567;
    fenetre_.Tableau();
    EXPECT_EQ(fenetre_.TabVal->item(6, 0)->text(), " 1,23457E+6");
    const QTableWidget* grille = fenetre_.TabVal;
    EXPECT_LE(grille->verticalHeader()->width() + grille->horizontalHeader()->length(), grille->width());
}

TEST_F(TableauValeurs, NyquistPuisBlackRemplissentLaMemeFenetre)
{
    Remplit(TTypeDiagramme::Bode, 2000);
    Remplit(TTypeDiagramme::Nyquist, 1998);
    EXPECT_EQ(fenetre_.windowTitle(), "Valeurs du diagramme de Nyquist");
    EXPECT_EQ(fenetre_.TabVal->rowCount(), 1998);
    EXPECT_EQ(Entetes(), (QStringList{"fréquence (Hz)", "puls. (rad/s)", "partie réelle", "partie imagin."}));
    EXPECT_EQ(Ligne(2).mid(3), (QStringList{"     -3,500", "      3,250"}));

    Remplit(TTypeDiagramme::Black, 1998);
    EXPECT_EQ(fenetre_.windowTitle(), "Valeurs du diagramme de Black");
    EXPECT_EQ(Entetes(), (QStringList{"fréquence (Hz)", "puls. (rad/s)", "gain (dB)", "phase (°)", "gain en BF",
                                      "phase en BF"}));
    // Gain en boucle ouverte (valeur 2) avant la phase (valeur 1), puis la boucle fermée.
    EXPECT_EQ(Ligne(2).mid(3), (QStringList{"      3,250", "     -3,500", "   1003,000", "  -1003,000"}));
    const QTableWidget* grille = fenetre_.TabVal;
    EXPECT_LE(grille->verticalHeader()->width() + grille->horizontalHeader()->length(), grille->width());
}

TEST_F(TableauValeurs, RemplieDeNouveauRevientALaPremiereLigne)
{
    Remplit(TTypeDiagramme::Bode, 2000);
    fenetre_.TabVal->scrollToBottom();
    ASSERT_GT(fenetre_.TabVal->verticalScrollBar()->value(), 0);
    Remplit(TTypeDiagramme::Bode, 2000);
    QCoreApplication::processEvents();
    EXPECT_EQ(fenetre_.TabVal->verticalScrollBar()->value(), 0);
    EXPECT_EQ(fenetre_.TabVal->rowAt(0), 0);
}

TEST_F(TableauValeurs, LaGrilleSuitLaFenetreMaximiseePuisRendue)
{
    Remplit(TTypeDiagramme::Nyquist, 1998);
    const QSize normale = fenetre_.size();
    fenetre_.showMaximized();
    Remplit(TTypeDiagramme::Black, 1998);
    QCoreApplication::processEvents();
    EXPECT_TRUE(fenetre_.isMaximized());
    EXPECT_GT(fenetre_.width(), normale.width());
    EXPECT_EQ(fenetre_.TabVal->geometry(), fenetre_.rect().adjusted(1, 1, -1, -1));
    fenetre_.showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(fenetre_.TabVal->geometry(), fenetre_.rect().adjusted(1, 1, -1, -1));
}

TEST_F(TableauValeurs, RienSansDiagrammeAffiche)
{
    Remplit(TTypeDiagramme::Aucun, 2000);
    EXPECT_FALSE(fenetre_.isVisible());
    EXPECT_EQ(fenetre_.TabVal->rowCount(), 0);
}

}
