// Tableau des valeurs : lignes, titres et en-têtes selon le diagramme, textes des nombres lus
// dans les points gardés, nouveau remplissage de la même fenêtre.
#include "fenetres/UEcranTabVal.h"

#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTableWidget>

#include "AideDialogues.h"
#include "coeur/Document.h"
#include "trace/TraceDiagramme.h"

namespace {

class TableauValeurs : public testing::Test {
protected:
    TableauValeurs() : separateur_(','), fenetre_(trace_) {}

    // Points reconnaissables : leur numéro se lit dans chaque valeur.
    void Remplit(TTypeDiagramme type, int nbPoints)
    {
        trace_.Type = type;
        trace_.Frequentiel.Echelles.NbPoints = nbPoints;
        for (int i = 1; i <= nbPoints; ++i)
            trace_.Frequentiel.Points[i] = {Reel(i), -i - 0.5L, i + 0.25L, 1000.0L + i, -1000.0L - i, 0, 0, 0};
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
    TTraceDiagramme trace_;  // ce que la fenêtre du diagramme garderait de son tracé
    TEcranTabVal fenetre_;
};

TEST_F(TableauValeurs, BodeListeSesDeuxMillePointsAvecLeursTextes)
{
    Remplit(TTypeDiagramme::Bode, 2000);
    EXPECT_TRUE(fenetre_.isVisible());
    EXPECT_EQ(fenetre_.windowTitle(), "Valeurs du diagramme de Bode");
    EXPECT_EQ(fenetre_.TabVal->rowCount(), 2000);
    EXPECT_EQ(Entetes(), (QStringList{"fréquence (Hz)", "puls. (rad/s)", "gain (dB)", "phase (°)"}));
    EXPECT_EQ(Ligne(0), (QStringList{"   1", "          1", "    6,28319", "     -1,500", "      1,250"}));
    EXPECT_EQ(Ligne(1999), (QStringList{"2000", "       2000", "    12566,4", "  -2000,500", "   2000,250"}));
    trace_.Frequentiel.Points[7].Frequence = 1234567;
    fenetre_.Tableau();
    EXPECT_EQ(fenetre_.TabVal->item(6, 0)->text(), "  1,23457E6");
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
    // Entière dans la fenêtre, ou, sur un écran trop étroit pour elle, atteinte en défilant.
    QCoreApplication::processEvents();
    const QTableWidget* grille = fenetre_.TabVal;
    EXPECT_TRUE(grille->verticalHeader()->width() + grille->horizontalHeader()->length() <= grille->width() ||
                grille->horizontalScrollBar()->maximum() > 0);
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

// Dix-huit fréquences d'une même décade basse : chacune se lit, aucune ne se confond avec
// sa voisine (toutes écrivaient 0,0001).
TEST_F(TableauValeurs, FrequencesBassesEnChiffresSignificatifs)
{
    Remplit(TTypeDiagramme::Bode, 18);
    for (int i = 1; i <= 18; ++i)
        trace_.Frequentiel.Points[i].Frequence = 1e-4L * (1 + Reel(i - 1) / 100);
    fenetre_.Tableau();
    QStringList frequences;
    QStringList pulsations;
    for (int r = 0; r < 18; ++r) {
        frequences << fenetre_.TabVal->item(r, 0)->text().trimmed();
        pulsations << fenetre_.TabVal->item(r, 1)->text().trimmed();
    }
    EXPECT_EQ(frequences.first(), "0,0001");
    EXPECT_EQ(frequences[1], "0,000101");
    EXPECT_EQ(frequences.last(), "0,000117");
    EXPECT_EQ(pulsations.first(), "0,000628319");
    EXPECT_EQ(QSet<QString>(frequences.begin(), frequences.end()).size(), 18);
    EXPECT_EQ(QSet<QString>(pulsations.begin(), pulsations.end()).size(), 18);
}

// Chaque tableau tient entier sur l'écran, barre de titre comprise, et défile à l'intérieur ;
// sur un écran de 800 x 600, la place d'une grille plus grande que lui s'y tient encore.
TEST_F(TableauValeurs, ChaqueTableauTientALEcran)
{
    const QRect ecran = fenetre_.screen()->availableGeometry();
    for (const TTypeDiagramme type : {TTypeDiagramme::Bode, TTypeDiagramme::Nyquist, TTypeDiagramme::Black}) {
        Remplit(type, 1998);
        QCoreApplication::processEvents();
        EXPECT_TRUE(ecran.contains(fenetre_.frameGeometry())) << int(type);
        EXPECT_GT(fenetre_.TabVal->verticalScrollBar()->maximum(), 0) << int(type);
    }
    const QRect petit(0, 0, 800, 600);
    const QSize decor(8, 32);
    for (const QSize voulue : {QSize(900, 560), QSize(1200, 900), QSize(500, 560)}) {
        const QRect place = PlaceTableau(voulue, petit, decor);
        const QRect fenetre(place.topLeft(), place.size() + decor);
        EXPECT_TRUE(petit.contains(fenetre)) << voulue.width() << "x" << voulue.height();
        EXPECT_EQ(place.width(), std::min(voulue.width(), 792));
        EXPECT_EQ(place.height(), std::min(voulue.height(), 568));
    }
    // Une petite grille garde sa place habituelle.
    EXPECT_EQ(PlaceTableau(QSize(500, 300), petit, decor), QRect(20, 120, 500, 300));
}

// Le lieu d'Evans s'ouvre assez large pour toutes ses branches ; un lieu de dix branches, plus
// large que l'écran, s'y tient et défile en largeur.
TEST_F(TableauValeurs, LieuDEvansLargeDeToutesSesBranches)
{
    const QRect ecran = fenetre_.screen()->availableGeometry();
    for (const int branches : {3, 10}) {
        trace_.Type = TTypeDiagramme::Evans;
        TLieuEvans& lieu = trace_.Evans.Lieu;
        lieu.NbBranches = branches;
        lieu.Points.assign(50, {});
        for (std::size_t i = 0; i < lieu.Points.size(); ++i) {
            lieu.Points[i].K = Reel(i) / 7;
            for (int b = 0; b < branches; ++b)
                lieu.Points[i].Racines[std::size_t(b)] = {-1.234567L - b, 12.34567L * Reel(i) / 49};
        }
        fenetre_.Tableau();
        QCoreApplication::processEvents();
        const QTableWidget* grille = fenetre_.TabVal;
        ASSERT_EQ(grille->columnCount(), branches + 1);
        EXPECT_TRUE(ecran.contains(fenetre_.frameGeometry())) << branches;
        for (int c = 0; c < grille->columnCount(); ++c)
            EXPECT_GE(grille->columnWidth(c), grille->fontMetrics().horizontalAdvance(grille->item(49, c)->text()))
                << "colonne " << c;
        if (branches == 3)
            EXPECT_EQ(grille->horizontalScrollBar()->maximum(), 0) << "toutes les branches se voient";
        else
            EXPECT_GT(grille->horizontalScrollBar()->maximum(), 0);
    }
}

TEST_F(TableauValeurs, RienSansDiagrammeAffiche)
{
    Remplit(TTypeDiagramme::Aucun, 2000);
    EXPECT_FALSE(fenetre_.isVisible());
    EXPECT_EQ(fenetre_.TabVal->rowCount(), 0);
}

}
