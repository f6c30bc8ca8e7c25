// Fenêtre des diagrammes : dessin à l'affichage, commandes du menu principal, lecture à la
// souris sur les points gardés et tableau des valeurs.
#include "fenetres/UEcranDiagramme.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "coeur/ClasseurOOXML.h"
#include "coeur/FichierDonnees.h"
#include "coeur/TextesValeurs.h"
#include "fenetres/LectureSouris.h"
#include "fenetres/UEcranTabVal.h"
#include "fenetres/USaisieParamBlack.h"
#include "fenetres/USaisieParamBode.h"
#include "fenetres/USaisieParamNyquist.h"
#include "AideDialogues.h"
#include "trace/AideImages.h"
#include "AideExport.h"
#include "AideGeometrie.h"
#include "trace/DocumentsDessin.h"

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

    // Échelles validées, fenêtre montrée et peinte dans une zone client de 800 x 600.
    void MontreBode(const QStringList& echelles = {"0.01", "100", "-40", "5"})
    {
        QLineEdit* const champs[] = {bode_.FreqMin, bode_.FreqMax, bode_.GainMin, bode_.GainMax};
        for (int i = 0; i < 4; ++i)
            champs[i]->setText(echelles[i]);
        ASSERT_TRUE(bode_.PeutFermer()) << messages_.Messages.join('|').toStdString();
        ecran_.Montre(TTypeDiagramme::Bode);
        Redimensionne({LargeurClient, HauteurClient});
    }

    // Un gain qui reste au-delà de 60 dB ne donne pas de fréquences automatiques.
    void FrequencesSiPasAutomatiques(QLineEdit* min, QLineEdit* max)
    {
        if (doc_.EchellesAuto.FreqBasseAuto == 0 || doc_.EchellesAuto.FreqHauteAuto == 0) {
            min->setText("0.05");
            max->setText("50");
        }
    }

    // Nyquist aux valeurs automatiques, décades marquées.
    void MontreNyquist()
    {
        nyquist_.BtnAutomatique->click();
        FrequencesSiPasAutomatiques(nyquist_.Fmin, nyquist_.Fmax);
        nyquist_.AffichageFrequence->setChecked(true);
        ASSERT_TRUE(nyquist_.PeutFermer()) << messages_.Messages.join('|').toStdString();
        ecran_.Montre(TTypeDiagramme::Nyquist);
        Redimensionne({LargeurClient, HauteurClient});
    }

    // Black aux valeurs automatiques, décades marquées, grille fine.
    void MontreBlack()
    {
        black_.BtnAutomatique->click();
        FrequencesSiPasAutomatiques(black_.FreqMin, black_.FreqMax);
        black_.AffichageFrequence->setChecked(true);
        black_.QuadriFin->setChecked(true);
        ASSERT_TRUE(black_.PeutFermer()) << messages_.Messages.join('|').toStdString();
        ecran_.Montre(TTypeDiagramme::Black);
        Redimensionne({LargeurClient, HauteurClient});
    }

    // Textes montrés par un clic sur le point i, et le point que la lecture a trouvé là (le
    // premier à deux pixels, peut-être un autre que i).
    QStringList ClicSurLePoint(int i, int& trouve)
    {
        const TPointFrequentiel& p = ecran_.Trace().Frequentiel.Points[i];
        const QPoint clic(p.PixelX, p.PixelY1);
        trouve = PointTouche(ecran_.Trace(), clic).value_or(-1);
        Souris(QEvent::MouseButtonPress, clic.x(), clic.y());
        const QStringList textes = TextesVisibles();
        Souris(QEvent::MouseButtonRelease, clic.x(), clic.y());
        return textes;
    }

    // Zone client à cette taille, puis peinte.
    void Redimensionne(QSize taille)
    {
        ecran_.ZoneClient->setFixedSize(taille);
        ecran_.adjustSize();
        ecran_.ZoneClient->grab();
    }

    void Souris(QEvent::Type type, int x, int y)
    {
        QMouseEvent evenement(type, QPointF(x, y), ecran_.ZoneClient->mapToGlobal(QPointF(x, y)), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(ecran_.ZoneClient, &evenement);
    }

    QStringList TextesVisibles() const
    {
        QStringList textes;
        for (const QLabel* champ : {ecran_.EditFreq, ecran_.EditPuls, ecran_.EditReel, ecran_.EditIm, ecran_.EditGf,
                                    ecran_.EditPhif})
            if (champ->isVisible())
                textes << champ->text();
        return textes;
    }

    static QStringList TextesBode(const TPointFrequentiel& p)
    {
        return {TexteGeneral(p.Frequence, 6) + " Hz", TexteGeneral(DeuxPi * p.Frequence, 6) + " rad/s",
                TexteGeneral(p.Valeur1, 6) + " dB", TexteGeneral(p.Valeur2, 6) + " °"};
    }

    static QStringList Lignes(const TPointFrequentiel& p, const QStringList& unites)
    {
        const Reel valeurs[] = {p.Frequence, DeuxPi * p.Frequence, p.Valeur1, p.Valeur2, p.Valeur3, p.Valeur4};
        QStringList lignes;
        for (int k = 0; k < unites.size(); ++k)
            lignes << TexteGeneral(valeurs[k], 6) + unites[k];
        return lignes;
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

TEST_F(EcranDiagramme, LeDessinGardeLesPointsEtSuitLaPlageDesPhases)
{
    MontreBode({"0.05", "300", "-47", "12"});
    const TEchellesFrequentielles& e = ecran_.Trace().Frequentiel.Echelles;
    EXPECT_EQ(e.NbPoints, 2000);
    EXPECT_EQ(QPoint(e.ZoneDroite, e.ZoneBas), QPoint(LargeurClient, HauteurClient));
    EXPECT_EQ(e.GainMin, -50);
    EXPECT_EQ(e.PhaseMin, -360);
    EXPECT_FALSE(ecran_.AbaquedeNichols1->menuAction()->isEnabled());
    doc_.PhaseSymetrique = true;
    ecran_.ZoneClient->grab();
    EXPECT_EQ(e.PhaseMin, -180);
    EXPECT_EQ(e.PhaseMax, 180);
}

TEST_F(EcranDiagramme, CommandesDuMenuPrincipalGriseesPuisRenduesALaFermeture)
{
    ecran_.Montre(TTypeDiagramme::Bode);
    EXPECT_TRUE(ecran_.isVisible());
    EXPECT_TRUE(diagBode_.isEnabled());
    EXPECT_FALSE(diagNyquist_.isEnabled());
    EXPECT_FALSE(diagBlack_.isEnabled());
    ecran_.Fermer1->trigger();
    EXPECT_FALSE(ecran_.isVisible());
    EXPECT_EQ(doc_.TypeDiagramme, TTypeDiagramme::Aucun);
    EXPECT_TRUE(diagNyquist_.isEnabled());
    EXPECT_TRUE(diagBlack_.isEnabled());
    EXPECT_TRUE(messages_.Messages.isEmpty());

    TEcranDiagramme sansCommandes(doc_, bode_, nyquist_, black_);
    sansCommandes.Montre(TTypeDiagramme::Bode);
    sansCommandes.close();
    EXPECT_EQ(messages_.Messages, QStringList{"EcranDiagramme: fermeture: erreur"});
}

TEST_F(EcranDiagramme, HorsMaximisationGrandeEtCentree)
{
    TEcranDiagramme neuve(doc_, bode_, nyquist_, black_);
    AttendGeometrieNormale(neuve);
}

// Ouverts par « Echelles », les dialogues dépendent de la fenêtre du diagramme, qui revient
// devant à leur fermeture ; ouverts par le menu principal, ils gardent leur parent.
TEST_F(EcranDiagramme, EchellesRattacheesALaFenetreQuiRevientDevantEtRedessine)
{
    MontreBode();
    QWidget principale;
    QWidget* parentPendant = &principale;
    auto ferme = [&](QPushButton* bouton, const QString& gainMin) {
        ecran_.ExecuteDialogue = [&, bouton, gainMin](QDialog& dialogue) {
            parentPendant = dialogue.parentWidget();
            dialogue.show();
            bode_.GainMin->setText(gainMin);
            bouton->click();
            return dialogue.result();
        };
    };
    for (QPushButton* bouton : {bode_.CancelBtn, bode_.OKBtn}) {
        principale.show();
        principale.activateWindow();
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), &principale);
        ferme(bouton, "-80");
        ecran_.Echelles1->trigger();
        EXPECT_EQ(parentPendant, &ecran_);
        EXPECT_EQ(bode_.parentWidget(), nullptr);
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), &ecran_);
        EXPECT_EQ(ecran_.Trace().Frequentiel.Echelles.GainMin, bouton == bode_.OKBtn ? -80 : -40);
    }

    ferme(bode_.OKBtn, "-60");
    ecran_.CommandeDiagramme(TTypeDiagramme::Bode);
    EXPECT_EQ(parentPendant, nullptr);
    EXPECT_EQ(bode_.GainMin->text(), "-60");
}

TEST_F(EcranDiagramme, UnClicADeuxPixelsDUnPointDuGainOuDeLaPhaseMontreSesValeurs)
{
    MontreBode();
    // Le point 1 est le premier cherché : un clic près de lui le trouve toujours.
    const TPointFrequentiel p = ecran_.Trace().Frequentiel.Points[1];
    const int x = p.PixelX + 2;
    const int y = p.PixelY1 - 2;
    Souris(QEvent::MouseButtonPress, x, y);
    EXPECT_EQ(TextesVisibles(), TextesBode(p));
    const int h = ecran_.EditFreq->height();
    const QLabel* const champs[] = {ecran_.EditFreq, ecran_.EditPuls, ecran_.EditReel, ecran_.EditIm};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(champs[k]->geometry(), QRect(x + 15, y + k * (h + 1), LargeurBloc(), h)) << k;
    Souris(QEvent::MouseButtonRelease, x, y);
    EXPECT_TRUE(TextesVisibles().isEmpty());

    Souris(QEvent::MouseButtonPress, p.PixelX, p.PixelY2 + 2);
    EXPECT_EQ(TextesVisibles(), TextesBode(p));
}

TEST_F(EcranDiagramme, UnClicATroisPixelsNeMontreRien)
{
    MontreBode();
    const TPointFrequentiel p = ecran_.Trace().Frequentiel.Points[1];
    // Aux basses fréquences gain et phase sont plats : les premiers points sont sur la même ligne.
    for (int i = 2; i <= 8; ++i) {
        ASSERT_EQ(ecran_.Trace().Frequentiel.Points[i].PixelY1, p.PixelY1) << i;
        ASSERT_EQ(ecran_.Trace().Frequentiel.Points[i].PixelY2, p.PixelY2) << i;
    }
    for (QPoint clic : {QPoint(p.PixelX - 3, p.PixelY1), QPoint(p.PixelX + 1, p.PixelY1 - 3),
                        QPoint(p.PixelX + 1, p.PixelY2 + 3)}) {
        Souris(QEvent::MouseButtonPress, clic.x(), clic.y());
        EXPECT_TRUE(TextesVisibles().isEmpty()) << clic.x() << "," << clic.y();
    }
}

TEST_F(EcranDiagramme, FenetreMinusculeSansPlantageNiLecture)
{
    MontreBode();
    for (const QSize taille : {QSize(1, 1), QSize(10, 10), QSize(300, 0), QSize(0, 0), QSize(2, 600)}) {
        Redimensionne(taille);
        if (taille == QSize(1, 1)) {
            EXPECT_EQ(ecran_.Trace().Frequentiel.Echelles.NbPoints, 0);
        }
        for (const QPoint clic : {QPoint(0, 0), QPoint(taille.width() - 1, taille.height() - 1)}) {
            Souris(QEvent::MouseButtonPress, clic.x(), clic.y());
            Souris(QEvent::MouseButtonRelease, clic.x(), clic.y());
            EXPECT_TRUE(TextesVisibles().isEmpty()) << taille.width() << "x" << taille.height();
        }
    }
    // Revenue à sa taille, la fenêtre redessine et relit ses points.
    Redimensionne({LargeurClient, HauteurClient});
    EXPECT_EQ(ecran_.Trace().Frequentiel.Echelles.NbPoints, 2000);
    const TPointFrequentiel& p = ecran_.Trace().Frequentiel.Points[1];
    Souris(QEvent::MouseButtonPress, p.PixelX, p.PixelY1);
    EXPECT_EQ(TextesVisibles(), TextesBode(p));
}

TEST_F(EcranDiagramme, ComposantsTrouvesParLeurNom)
{
    EXPECT_EQ(ecran_.objectName(), "EcranDiagramme");
    for (const QLabel* champ : {ecran_.EditFreq, ecran_.EditPuls, ecran_.EditReel, ecran_.EditIm, ecran_.EditGf,
                                ecran_.EditPhif})
        EXPECT_EQ(ecran_.findChild<QLabel*>(champ->objectName()), champ) << champ->objectName().toStdString();
    EXPECT_EQ(ecran_.EditPhif->objectName(), "EditPhif");
    EXPECT_EQ(ecran_.Tableau1->objectName(), "Tableau1");
    EXPECT_EQ(ecran_.AbaquedeNichols1->objectName(), "AbaquedeNichols1");
    EXPECT_EQ(bode_.findChild<QLineEdit*>("GainMax"), bode_.GainMax);
    EXPECT_EQ(nyquist_.findChild<QLineEdit*>("ImMin"), nyquist_.ImMin);
    EXPECT_EQ(black_.findChild<QCheckBox*>("QuadriFin"), black_.QuadriFin);
}

TEST_F(EcranDiagramme, TableauDesPointsDuDiagrammeAffiche)
{
    TEcranTabVal tableau(ecran_.Trace());
    ecran_.DefinitTableau(&tableau);
    MontreBode();
    ecran_.Tableau1->trigger();
    ASSERT_TRUE(tableau.isVisible());
    EXPECT_EQ(tableau.TabVal->rowCount(), 2000);
    const TPointFrequentiel& p = ecran_.Trace().Frequentiel.Points[1500];
    EXPECT_EQ(tableau.TabVal->item(1499, 0)->text().trimmed(), TexteGeneral(p.Frequence, 6));
    EXPECT_EQ(tableau.TabVal->item(1499, 2)->text(), TexteFixe(p.Valeur1, 7, 3));
}

// ζ = 0,05 et ωn = 1 : « Asymptotes » cochée, le relevé de la peinture les garde et le tableau
// donne la correction de résonance, 20.log10(1/(2ζ)) = 20 dB ; décochée, plus rien.
class EcranDiagrammeResonant : public EcranDiagramme {
protected:
    EcranDiagrammeResonant() : EcranDiagramme(PolynomeDeCoefs({1, 0.1L, 1})) {}
};

TEST_F(EcranDiagrammeResonant, AsymptotesCocheesEtCorrectionAuTableau)
{
    TEcranTabVal tableau(ecran_.Trace());
    ecran_.DefinitTableau(&tableau);
    MontreBode();
    EXPECT_TRUE(ecran_.Asymptotes1->isEnabled());
    EXPECT_FALSE(ecran_.Trace().Asymptotes);
    ecran_.Asymptotes1->trigger();
    ecran_.ZoneClient->grab();
    ASSERT_TRUE(ecran_.Trace().Asymptotes);
    EXPECT_EQ(ecran_.Trace().Asymptotes->Dessin.Cassures.size(), 1u);
    ecran_.Tableau1->trigger();
    EXPECT_TRUE(tableau.Corrections->isVisible());
    EXPECT_EQ(tableau.Corrections->text(), QStringLiteral("Correction de résonance en ωn = 1 rad/s (ζ = 0.05) : 20 dB"));
    ecran_.Asymptotes1->trigger();
    ecran_.ZoneClient->grab();
    EXPECT_FALSE(ecran_.Trace().Asymptotes);
    ecran_.Tableau1->trigger();
    EXPECT_FALSE(tableau.Corrections->isVisible());
    ecran_.Asymptotes1->trigger();
    MontreNyquist();
    EXPECT_FALSE(ecran_.Asymptotes1->isEnabled());
    EXPECT_FALSE(ecran_.Trace().Asymptotes);
}

// Quatrième ordre : la phase finit près de -360°, au bas de la fenêtre, et à son bord droit.
class EcranDiagrammeQuatriemeOrdre : public EcranDiagramme {
protected:
    EcranDiagrammeQuatriemeOrdre() : EcranDiagramme(PolynomeDeCoefs({1, 4, 6, 4, 1})) {}
};

TEST_F(EcranDiagrammeQuatriemeOrdre, LeBlocPasseDeLAutreCoteContreLesBordsDroitEtBas)
{
    MontreBode({"0.01", "1000", "-200", "5"});
    const TPointFrequentiel& dernier = ecran_.Trace().Frequentiel.Points[2000];
    const int h = ecran_.EditFreq->height();
    const int hauteurBloc = 4 * h + 3;

    Souris(QEvent::MouseButtonPress, dernier.PixelX, dernier.PixelY1);
    ASSERT_EQ(TextesVisibles().size(), 4);
    ASSERT_GE(dernier.PixelX + LargeurBloc() + 15, LargeurClient);
    ASSERT_LT(dernier.PixelY1 + hauteurBloc, HauteurClient);
    EXPECT_EQ(ecran_.EditFreq->pos(), QPoint(dernier.PixelX - LargeurBloc() - 10, dernier.PixelY1));
    Souris(QEvent::MouseButtonRelease, dernier.PixelX, dernier.PixelY1);

    Souris(QEvent::MouseButtonPress, dernier.PixelX, dernier.PixelY2);
    ASSERT_EQ(TextesVisibles().size(), 4);
    ASSERT_GE(dernier.PixelY2 + hauteurBloc, HauteurClient);
    EXPECT_EQ(ecran_.EditFreq->pos(),
              QPoint(dernier.PixelX - LargeurBloc() - 10, dernier.PixelY2 - hauteurBloc - 3));
    EXPECT_LE(ecran_.EditIm->geometry().bottom(), HauteurClient);
}

// Nyquist puis Black pour une fonction donnée : dessin, lecture à la souris, abaque et tableau.
class DiagrammesNyquistBlack : public EcranDiagramme, public testing::WithParamInterface<const char*> {
protected:
    DiagrammesNyquistBlack() : EcranDiagramme(Denominateur(GetParam())) {}

    static TPolynome Denominateur(const char* cas)
    {
        if (QString(cas) == "1/(p+1)")
            return PolynomeDeCoefs({1, 1});
        if (QString(cas) == "1/(p(p+1))")
            return PolynomeDeCoefs({0, 1, 1});
        TDocument lu = DocumentInitial();
        QString erreur;
        EXPECT_TRUE(LitFichierDonnees(QStringLiteral(KOVRA_DONNEES_TESTS "/") + cas, lu, erreur))
            << erreur.toStdString();
        return lu.Systeme.Denominateur;
    }

    // Premier point de la courbe visible dans la fenêtre.
    int PointVisible() const
    {
        for (int i = 1; i <= ecran_.Trace().Frequentiel.Echelles.NbPoints; ++i) {
            const TPointFrequentiel& p = ecran_.Trace().Frequentiel.Points[i];
            if (p.PixelX > 0 && p.PixelX < LargeurClient && p.PixelY1 > 0 && p.PixelY1 < HauteurClient)
                return i;
        }
        return 1;
    }
};

// Intervalles attendus : un nombre entier de points par décade.
int NbPointsAttendus(const TEchellesFrequentielles& e)
{
    const int decades = int(std::lround(e.LogFreqMax - e.LogFreqMin));
    return 2000 / decades * decades;
}

TEST_P(DiagrammesNyquistBlack, DessinLectureAbaqueEtTableau)
{
    TEcranTabVal tableau(ecran_.Trace());
    ecran_.DefinitTableau(&tableau);
    const TEchellesFrequentielles& e = ecran_.Trace().Frequentiel.Echelles;
    int trouve = -1;

    MontreNyquist();
    ASSERT_GT(e.NbPoints, 1900);
    EXPECT_EQ(e.NbPoints, NbPointsAttendus(e));
    EXPECT_FALSE(ecran_.AbaquedeNichols1->menuAction()->isEnabled());
    EXPECT_FALSE(diagBode_.isEnabled());
    EXPECT_FALSE(diagBlack_.isEnabled());
    QStringList textes = ClicSurLePoint(PointVisible(), trouve);
    ASSERT_GE(trouve, 1);
    EXPECT_EQ(textes, Lignes(ecran_.Trace().Frequentiel.Points[trouve], {" Hz", " rad/s", "", ""}));
    ecran_.Tableau1->trigger();
    EXPECT_EQ(tableau.windowTitle(), "Valeurs du diagramme de Nyquist");
    EXPECT_EQ(tableau.TabVal->rowCount(), e.NbPoints);
    EXPECT_EQ(tableau.TabVal->item(999, 2)->text(), TexteFixe(ecran_.Trace().Frequentiel.Points[1000].Valeur1, 7, 3));

    for (const bool symetrique : {false, true}) {
        doc_.PhaseSymetrique = symetrique;
        MontreBlack();
        ASSERT_GT(e.NbPoints, 1900);
        EXPECT_EQ(e.NbPoints, NbPointsAttendus(e));
        EXPECT_EQ(e.PhaseMin, symetrique ? -180 : -360);
        EXPECT_TRUE(e.QuadrillageFin);
        ASSERT_TRUE(ecran_.AbaquedeNichols1->menuAction()->isEnabled());
        const int i = PointVisible();
        textes = ClicSurLePoint(i, trouve);
        ASSERT_GE(trouve, 1);
        EXPECT_EQ(textes, Lignes(ecran_.Trace().Frequentiel.Points[trouve], {" Hz", " rad/s", " °", " dB"}));

        const QImage sans = ecran_.ZoneClient->grab().toImage();
        ecran_.Dessiner1->trigger();
        EXPECT_TRUE(doc_.AbaqueVisible);
        const QImage avec = ecran_.ZoneClient->grab().toImage();
        EXPECT_TRUE(e.AbaqueVisible);
        // Lieux de gain ou de phase, selon la plage des gains ; le gris des lieux de phase se
        // retrouve sur quelques pixels lissés des textes.
        const auto abaque = [this](const QImage& image) {
            return CompteCouleur(image, Couleur(doc_, "NGain"), 0, 0, LargeurClient, HauteurClient) +
                   CompteCouleur(image, Couleur(doc_, "NPhase"), 0, 0, LargeurClient, HauteurClient);
        };
        EXPECT_LT(abaque(sans), 50);
        EXPECT_GT(abaque(avec), abaque(sans) + 500);
        textes = ClicSurLePoint(i, trouve);
        EXPECT_EQ(textes, Lignes(ecran_.Trace().Frequentiel.Points[trouve], {" Hz", " rad/s", " °", " dB", " dB", " °"}));

        ecran_.Effacer1->trigger();
        EXPECT_FALSE(doc_.AbaqueVisible);
        ecran_.ZoneClient->grab();
        EXPECT_FALSE(e.AbaqueVisible);
        EXPECT_EQ(ClicSurLePoint(i, trouve).size(), 4);
    }
    ecran_.Tableau1->trigger();
    EXPECT_EQ(tableau.windowTitle(), "Valeurs du diagramme de Black");
    EXPECT_EQ(tableau.TabVal->columnCount(), 6);
    EXPECT_EQ(tableau.TabVal->item(999, 4)->text(), TexteFixe(ecran_.Trace().Frequentiel.Points[1000].Valeur3, 7, 3));

    ecran_.Fermer1->trigger();
    EXPECT_TRUE(diagBode_.isEnabled());
    EXPECT_TRUE(diagNyquist_.isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Fonctions, DiagrammesNyquistBlack, testing::Values("1/(p+1)", "1/(p(p+1))", "degre_dix.kvf"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.index == 0 ? "PremierOrdre" : info.index == 1 ? "Integrateur"
                                                                                                   : "DegreDix");
                         });

}

namespace {

class ExportDiagramme : public EcranDiagramme {
protected:
    ExportDiagramme()
    {
        doc_.DossierFichiers = dossiers_.Fichiers();
        ecran_.ChoixFichier = choix_.Fonction();
    }
    QString Chemin(const char* nom) const { return dossiers_.Document(QString::fromUtf8(nom)); }
    QString Modele() const { return dossiers_.Fichiers() + "modèle diagrammes.xlsx"; }

    DossiersExport dossiers_;
    TChoixExport choix_;
};

// Le classeur rendu a les échantillons et les axes de l'écran ; le tableau garde ses points.
TEST_F(ExportDiagramme, BodeExporteAuxEchellesDeLEcran)
{
    MontreBode();
    const int pointsEcran = ecran_.Trace().Frequentiel.Echelles.NbPoints;
    choix_.Reponses = {Modele(), Chemin("Diagrammes.xlsx")};
    ASSERT_TRUE(ecran_.ExportExcel1->isEnabled());
    ecran_.ExportExcel1->trigger();
    EXPECT_EQ(messages_.Messages, QStringList{"exportation terminée"});
    EXPECT_EQ(choix_.Titres, (QStringList{"Fichier modèle à utiliser", "Fichier de sauvegarde"}));
    EXPECT_EQ(choix_.Noms.value(0), Modele());
    EXPECT_EQ(choix_.Dossiers.value(0) + "/", dossiers_.Fichiers());
    EXPECT_EQ(choix_.Filtres.value(1), QStringLiteral("Fichiers Excel (*.xlsx)"));
    EXPECT_TRUE(AttenteTerminee(ecran_));
    EXPECT_EQ(QDir(dossiers_.Racine()).entryList(QDir::Files), QStringList{"Diagrammes.xlsx"});

    TClasseurOOXML c;
    c.Ouvre(Chemin("Diagrammes.xlsx"));
    EXPECT_EQ(c.TexteCellule(1, 2, 2), QStringLiteral("gain (dB)"));
    EXPECT_EQ(c.TexteCellule(1, 3, 1).toDouble(), 0.01);
    EXPECT_EQ(c.TexteCellule(1, 402, 1).toDouble(), 100);
    EXPECT_EQ(c.ReglageAxe(1, 1, 2, TReglageAxe::Minimum), Reel(-40));
    EXPECT_EQ(c.ReglageAxe(1, 1, 1, TReglageAxe::Maximum), Reel(100));
    EXPECT_EQ(c.ReglageAxe(1, 2, 2, TReglageAxe::Minimum), Reel(-360));
    // Sans nouveau tracé, le tableau et la lecture relisent les points de l'écran, pas ceux du classeur.
    TEcranTabVal tableau(ecran_.Trace());
    ecran_.DefinitTableau(&tableau);
    ecran_.Tableau1->trigger();
    EXPECT_EQ(tableau.TabVal->rowCount(), pointsEcran);
    int trouve = -1;
    const QStringList textes = ClicSurLePoint(1500, trouve);
    ASSERT_GE(trouve, 1);
    EXPECT_EQ(textes, TextesBode(ecran_.Trace().Frequentiel.Points[trouve]));
    EXPECT_NEAR(double(ecran_.Trace().Frequentiel.Points[trouve].Frequence), 0.01 * std::pow(1e4, trouve / 2000.0),
                1e-9);
}

TEST_F(ExportDiagramme, ModeleIllisibleLaisseLeResultatPrecedent)
{
    MontreBlack();
    QFile ancien(Chemin("Diagrammes.xlsx"));
    ASSERT_TRUE(ancien.open(QIODevice::WriteOnly));
    ancien.write("résultat précédent");
    ancien.close();
    QFile faux(Chemin("pas un classeur.xlsx"));
    ASSERT_TRUE(faux.open(QIODevice::WriteOnly));
    faux.write("texte");
    faux.close();
    choix_.Reponses = {Chemin("pas un classeur.xlsx"), Chemin("Diagrammes.xlsx")};
    ecran_.ExportExcel1->trigger();
    EXPECT_EQ(messages_.Messages, (QStringList{"il y a eu un problème", "pas d'exportation"}));
    EXPECT_EQ(choix_.Titres.size(), 1) << "pas de dialogue de sauvegarde après l'échec";
    EXPECT_TRUE(AttenteTerminee(ecran_));
    ASSERT_TRUE(ancien.open(QIODevice::ReadOnly));
    EXPECT_EQ(ancien.readAll(), QByteArray("résultat précédent"));
    EXPECT_TRUE(dossiers_.Temporaires().isEmpty()) << dossiers_.Temporaires().join('|').toStdString();
}

TEST_F(ExportDiagramme, RenoncerAuModeleOuAuResultatNExportePas)
{
    MontreNyquist();
    ecran_.ExportExcel1->trigger();
    EXPECT_EQ(messages_.Messages, QStringList{"pas d'exportation"});
    messages_.Messages.clear();
    choix_.Reponses = {Modele()};
    ecran_.ExportExcel1->trigger();
    EXPECT_EQ(messages_.Messages, QStringList{"pas d'exportation"});
    EXPECT_FALSE(QFile::exists(Chemin("Diagrammes.xlsx")));
    EXPECT_TRUE(AttenteTerminee(ecran_));
}

// Ni le modèle, ni un autre fichier du programme, ni un résultat que l'utilisateur refuse de
// remplacer ne change, quel que soit le chemin suivi ; la copie de travail ne reste nulle part.
TEST_F(ExportDiagramme, UnExportNeToucheQuAuFichierNommeEtConfirme)
{
    MontreBode();
    const QString precedent = Chemin("Diagrammes.xlsx");
    QFile ancien(precedent);
    ASSERT_TRUE(ancien.open(QIODevice::WriteOnly));
    ancien.write("classeur de l'élève");
    ancien.close();
    const QByteArray modele = EmpreinteFichier(Modele());
    const QByteArray eleve = EmpreinteFichier(precedent);
    const QStringList fichiers = QDir(dossiers_.Fichiers()).entryList(QDir::Files);
    const auto intacts = [&] {
        EXPECT_EQ(EmpreinteFichier(Modele()), modele);
        EXPECT_EQ(QDir(dossiers_.Fichiers()).entryList(QDir::Files), fichiers);
        EXPECT_TRUE(dossiers_.Temporaires().isEmpty()) << dossiers_.Temporaires().join('|').toStdString();
        EXPECT_TRUE(AttenteTerminee(ecran_));
    };
    const QString refus = "Les modèles du programme ne peuvent pas recevoir un export : choisissez un autre dossier.";

    // Le modèle lui-même, puis un autre nom dans le dossier des modèles, puis renoncer.
    choix_.Reponses = {Modele(), Modele(), dossiers_.Fichiers() + "Diagrammes.xlsx"};
    ecran_.ExportExcel1->trigger();
    EXPECT_EQ(messages_.Messages, (QStringList{refus, refus, "pas d'exportation"}));
    EXPECT_EQ(choix_.Titres.size(), 4);
    EXPECT_NE(choix_.Dossiers.value(1) + "/", dossiers_.Fichiers()) << "le dialogue s'ouvre hors des modèles";
    intacts();

    // Un résultat existant : Non redemande un nom, renoncer laisse le fichier tel quel.
    messages_.Messages.clear();
    messages_.Reponses = {TReponse::Non};
    choix_.Reponses = {Modele(), precedent};
    ecran_.ExportExcel1->trigger();
    EXPECT_EQ(messages_.Questions, QStringList{QuestionRemplacement(precedent)});
    EXPECT_EQ(messages_.Messages, QStringList{"pas d'exportation"});
    EXPECT_EQ(EmpreinteFichier(precedent), eleve);
    intacts();

    // Oui : le classeur remplace l'ancien, et le dossier choisi sera proposé la fois suivante.
    messages_.Messages.clear();
    choix_.Reponses = {Modele(), precedent};
    ecran_.ExportExcel1->trigger();
    EXPECT_EQ(messages_.Messages, QStringList{"exportation terminée"});
    EXPECT_NE(EmpreinteFichier(precedent), eleve);
    intacts();
    choix_.Dossiers.clear();
    choix_.Reponses = {Modele()};
    ecran_.ExportExcel1->trigger();
    EXPECT_EQ(choix_.Dossiers.value(0) + "/", dossiers_.Fichiers());
    EXPECT_EQ(choix_.Dossiers.value(1), dossiers_.Racine());
    intacts();
}

}
