// Fenêtre des diagrammes : dessin à l'affichage, menus, commandes du menu principal, lecture
// à la souris sur les points gardés et tableau des valeurs.
#include "diagrammes/UEcranDiagramme.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

#include "diagrammes/TextesValeurs.h"
#include "diagrammes/UEcranTabVal.h"
#include "diagrammes/USaisieParamBlack.h"
#include "diagrammes/USaisieParamBode.h"
#include "diagrammes/USaisieParamNyquist.h"
#include "document/AideDialogues.h"
#include "document/DocumentsDessin.h"

namespace {

constexpr int LargeurClient = 800;
constexpr int HauteurClient = 600;

class EcranDiagramme : public testing::Test {
protected:
    explicit EcranDiagramme(const TPolynome& denominateur = PolynomeDeCoefs({1, 1}))
        : separateur_('.'), doc_(DocumentAnalyse(PolynomeDeCoefs({1}), denominateur)), bode_(doc_),
          nyquist_(doc_), black_(doc_), ecran_(doc_, bode_, nyquist_, black_)
    {
        ecran_.DefinitCommandesPrincipales(&diagBode_, &diagNyquist_, &diagBlack_,
                                           [](QAction* c, bool actif) { c->setEnabled(actif); });
        ecran_.setWindowState(Qt::WindowNoState);
    }

    // Échelles validées comme par « Valider », fenêtre montrée et peinte à la taille voulue.
    void MontreBode(const QStringList& echelles)
    {
        bode_.FreqMin->setText(echelles[0]);
        bode_.FreqMax->setText(echelles[1]);
        bode_.GainMin->setText(echelles[2]);
        bode_.GainMax->setText(echelles[3]);
        ASSERT_TRUE(bode_.PeutFermer()) << messages_.Messages.join('|').toStdString();
        ecran_.Montre(TTypeDiagramme::Bode);
        ecran_.ZoneClient->setFixedSize(LargeurClient, HauteurClient);
        ecran_.adjustSize();
        ecran_.ZoneClient->grab();
    }

    void Clique(int x, int y)
    {
        QMouseEvent appui(QEvent::MouseButtonPress, QPointF(x, y), ecran_.ZoneClient->mapToGlobal(QPointF(x, y)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ecran_.ZoneClient, &appui);
    }

    void Relache(int x, int y)
    {
        QMouseEvent relache(QEvent::MouseButtonRelease, QPointF(x, y), ecran_.ZoneClient->mapToGlobal(QPointF(x, y)),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(ecran_.ZoneClient, &relache);
    }

    QList<QLabel*> Champs() const
    {
        return {ecran_.EditFreq, ecran_.EditPuls, ecran_.EditReel, ecran_.EditIm, ecran_.EditGf, ecran_.EditPhif};
    }

    QStringList TextesVisibles() const
    {
        QStringList textes;
        for (const QLabel* champ : Champs())
            if (champ->isVisible())
                textes << champ->text();
        return textes;
    }

    static QStringList TextesBode(const TPointFrequentiel& p)
    {
        return {TexteGeneral(p.Frequence, 6) + " Hz", TexteGeneral(DeuxPi * p.Frequence, 6) + " rad/s",
                TexteGeneral(p.Valeur1, 6) + " dB", TexteGeneral(p.Valeur2, 6) + " °"};
    }

    int LargeurBloc() const
    {
        int largeur = 0;
        for (const QString& t : TextesVisibles())
            largeur = std::max(largeur, ecran_.EditFreq->fontMetrics().horizontalAdvance(t));
        return largeur;
    }

    SeparateurImpose separateur_;
    EnregistreurMessages messages_;
    TDocument doc_;
    TEchellesBode bode_;
    TEchellesNyquist nyquist_;
    TEchellesBlack black_;
    QAction diagBode_{"Diag. Bode"};
    QAction diagNyquist_{"Diag. Nyquist"};
    QAction diagBlack_{"Diag. Black"};
    TEcranDiagramme ecran_;
};

TEST_F(EcranDiagramme, MenusDeLaFenetre)
{
    EXPECT_EQ(ecran_.windowTitle(), "EcranDiagramme");
    EXPECT_EQ(ecran_.Fermer1->text(), "Fermer");
    EXPECT_EQ(ecran_.Echelles1->text(), "Echelles");
    EXPECT_EQ(ecran_.Imprimer1->text(), "Imprimer");
    EXPECT_EQ(ecran_.AbaquedeNichols1->title(), "Abaque de Nichols");
    EXPECT_EQ(ecran_.Dessiner1->text(), "Dessiner");
    EXPECT_EQ(ecran_.Effacer1->text(), "Effacer");
    EXPECT_EQ(ecran_.ExportExcel1->text(), "Export Excel");
    EXPECT_EQ(ecran_.Tableau1->text(), "Tableau");
    EXPECT_FALSE(ecran_.Imprimer1->isEnabled());
    EXPECT_FALSE(ecran_.ExportExcel1->isEnabled());
    EXPECT_EQ(doc_.TypeDiagramme, TTypeDiagramme::Aucun);
    for (const QLabel* champ : Champs()) {
        EXPECT_FALSE(champ->isVisible());
        EXPECT_EQ(champ->font().family(), "Arial");
        EXPECT_EQ(champ->font().pixelSize(), 12);
    }
}

TEST_F(EcranDiagramme, LeDessinGardeLesPointsDeLaZoneClient)
{
    MontreBode({"0.05", "300", "-47", "12"});
    const TEchellesFrequentielles& e = doc_.EchellesFrequentielles;
    EXPECT_EQ(e.NbPoints, 2000);
    EXPECT_EQ(e.ZoneDroite, LargeurClient);
    EXPECT_EQ(e.ZoneBas, HauteurClient);
    EXPECT_NEAR(double(e.FreqMin), 0.01, 1e-12);
    EXPECT_NEAR(double(e.FreqMax), 1000, 1e-9);
    EXPECT_EQ(e.GainMin, -50);
    EXPECT_EQ(e.GainMax, 15);
    EXPECT_EQ(e.PhaseMin, -360);
    EXPECT_FALSE(ecran_.AbaquedeNichols1->menuAction()->isEnabled());

    doc_.PhaseSymetrique = true;
    ecran_.ZoneClient->grab();
    EXPECT_EQ(e.PhaseMin, -180);
    EXPECT_EQ(e.PhaseMax, 180);
}

TEST_F(EcranDiagramme, CommandesDuMenuPrincipalGriseesPuisRendues)
{
    ecran_.Montre(TTypeDiagramme::Bode);
    EXPECT_TRUE(ecran_.isVisible());
    EXPECT_EQ(doc_.TypeDiagramme, TTypeDiagramme::Bode);
    EXPECT_TRUE(diagBode_.isEnabled());
    EXPECT_FALSE(diagNyquist_.isEnabled());
    EXPECT_FALSE(diagBlack_.isEnabled());

    ecran_.Fermer1->trigger();
    EXPECT_FALSE(ecran_.isVisible());
    EXPECT_EQ(doc_.TypeDiagramme, TTypeDiagramme::Aucun);
    EXPECT_TRUE(diagNyquist_.isEnabled());
    EXPECT_TRUE(diagBlack_.isEnabled());
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

TEST_F(EcranDiagramme, FermetureSansCommandesConnuesSignaleLErreur)
{
    TEcranDiagramme ecran(doc_, bode_, nyquist_, black_);
    ecran.Montre(TTypeDiagramme::Bode);
    ecran.close();
    EXPECT_EQ(messages_.Messages, QStringList{"EcranDiagramme: fermeture: erreur"});
    EXPECT_EQ(doc_.TypeDiagramme, TTypeDiagramme::Aucun);
}

TEST_F(EcranDiagramme, SansTraceNyquistNiBlackRienALireNiALister)
{
    MontreBode({"0.01", "100", "-40", "5"});
    ecran_.Montre(TTypeDiagramme::Black);
    ecran_.ZoneClient->grab();
    EXPECT_EQ(doc_.EchellesFrequentielles.NbPoints, 0);
    EXPECT_TRUE(ecran_.AbaquedeNichols1->menuAction()->isEnabled());
    const TPointFrequentiel p = doc_.PointsFrequentiels[1];
    Clique(p.PixelX, p.PixelY1);
    EXPECT_TRUE(TextesVisibles().isEmpty());
    ecran_.Montre(TTypeDiagramme::Bode);
    ecran_.ZoneClient->grab();
    EXPECT_FALSE(ecran_.AbaquedeNichols1->menuAction()->isEnabled());
}

TEST_F(EcranDiagramme, UnClicADeuxPixelsDUnPointMontreSesValeurs)
{
    MontreBode({"0.01", "100", "-40", "5"});
    const TPointFrequentiel p = doc_.PointsFrequentiels[1];
    const int x = p.PixelX + 2;
    const int y = p.PixelY1 - 2;
    Clique(x, y);
    EXPECT_EQ(TextesVisibles(), TextesBode(p));
    const int h = ecran_.EditFreq->height();
    const int b = LargeurBloc();
    const QLabel* const champs[] = {ecran_.EditFreq, ecran_.EditPuls, ecran_.EditReel, ecran_.EditIm};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(champs[k]->geometry(), QRect(x + 15, y + k * (h + 1), b, h)) << k;

    Relache(x, y);
    EXPECT_TRUE(TextesVisibles().isEmpty());
}

TEST_F(EcranDiagramme, UnClicSurLaPhaseMontreLesMemesLignesQueSurLeGain)
{
    MontreBode({"0.01", "100", "-40", "5"});
    const TPointFrequentiel p = doc_.PointsFrequentiels[1];
    Clique(p.PixelX, p.PixelY2 + 2);
    EXPECT_EQ(TextesVisibles(), TextesBode(p));
    Relache(p.PixelX, p.PixelY2 + 2);
    Clique(p.PixelX, p.PixelY1);
    EXPECT_EQ(TextesVisibles(), TextesBode(p));
}

TEST_F(EcranDiagramme, UnClicATroisPixelsNeMontreRien)
{
    MontreBode({"0.01", "100", "-40", "5"});
    const TPointFrequentiel p = doc_.PointsFrequentiels[1];
    // Aux basses fréquences le gain est plat : les premiers points sont sur la même ligne.
    for (int i = 2; i <= 40; ++i)
        ASSERT_EQ(doc_.PointsFrequentiels[i].PixelY1, p.PixelY1) << i;
    Clique(p.PixelX - 3, p.PixelY1);
    EXPECT_TRUE(TextesVisibles().isEmpty());
    Clique(p.PixelX + 1, p.PixelY1 - 3);
    EXPECT_TRUE(TextesVisibles().isEmpty());
    Clique(p.PixelX + 1, p.PixelY2 + 3);
    EXPECT_TRUE(TextesVisibles().isEmpty());
}

TEST_F(EcranDiagramme, LeBlocPasseAGaucheContreLeBordDroit)
{
    MontreBode({"0.01", "100", "-40", "5"});
    const TPointFrequentiel& dernier = doc_.PointsFrequentiels[2000];
    const int x = dernier.PixelX;
    const int y = dernier.PixelY1;
    Clique(x, y);
    ASSERT_EQ(TextesVisibles().size(), 4);
    const int b = LargeurBloc();
    EXPECT_GE(x + b + 15, LargeurClient);
    EXPECT_EQ(ecran_.EditFreq->pos(), QPoint(x - b - 10, y));
    EXPECT_GE(ecran_.EditFreq->x(), 0);
}

class EcranDiagrammeQuatriemeOrdre : public EcranDiagramme {
protected:
    EcranDiagrammeQuatriemeOrdre() : EcranDiagramme(PolynomeDeCoefs({1, 4, 6, 4, 1})) {}
};

TEST_F(EcranDiagrammeQuatriemeOrdre, LeBlocRemonteContreLeBordBas)
{
    MontreBode({"0.01", "1000", "-200", "5"});
    const TPointFrequentiel& dernier = doc_.PointsFrequentiels[2000];
    const int x = dernier.PixelX;
    const int y = dernier.PixelY2;
    Clique(x, y);
    ASSERT_EQ(TextesVisibles().size(), 4);
    const int h = ecran_.EditFreq->height();
    const int hauteurBloc = 4 * h + 3;
    EXPECT_GE(y + hauteurBloc, HauteurClient);
    EXPECT_EQ(ecran_.EditFreq->pos(), QPoint(x - LargeurBloc() - 10, y - hauteurBloc - 3));
    EXPECT_LE(ecran_.EditIm->geometry().bottom(), HauteurClient);
    Relache(x, y);
    for (const QLabel* champ : Champs())
        EXPECT_FALSE(champ->isVisible());
}

TEST_F(EcranDiagramme, TableauDesPointsDuDiagrammeAffiche)
{
    TEcranTabVal tableau(doc_);
    ecran_.DefinitTableau(&tableau);
    MontreBode({"0.01", "100", "-40", "5"});
    ecran_.Tableau1->trigger();
    ASSERT_TRUE(tableau.isVisible());
    EXPECT_EQ(tableau.windowTitle(), "Valeurs du diagramme de Bode");
    EXPECT_EQ(tableau.TabVal->rowCount(), 2000);
    const TPointFrequentiel& p = doc_.PointsFrequentiels[1500];
    EXPECT_EQ(tableau.TabVal->item(1499, 0)->text(), TexteFixe(p.Frequence, 6, 4));
    EXPECT_EQ(tableau.TabVal->item(1499, 2)->text(), TexteFixe(p.Valeur1, 7, 3));
}

}
