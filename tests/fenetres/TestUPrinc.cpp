#include "fenetres/UPrinc.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWindow>
#include <cmath>
#include <gtest/gtest.h>

#include "AffichageQt.h"
#include "AideDialogues.h"
#include "AideGeometrie.h"
#include "trace/DocumentsDessin.h"
#include "coeur/TextesValeurs.h"
#include "fenetres/UEcranDiagramme.h"
#include "fenetres/UChoixDephasage.h"
#include "fenetres/UEcranRepTemp.h"
#include "fenetres/UEchRepIndic.h"
#include "fenetres/UEchRepRampe.h"
#include "fenetres/USaisieParamBlack.h"
#include "fenetres/USaisieTau.h"
#include "fenetres/UEcranTabVal.h"
#include "fenetres/USaisieParamBlack.h"
#include "fenetres/USaisieParamBode.h"
#include "fenetres/USaisieParamNyquist.h"
#include "fenetres/Messages.h"
#include "fenetres/UAPropos.h"
#include "fenetres/UEcranElemSimples.h"
#include "fenetres/FluxSaisie.h"
#include "fenetres/USaisieCoefs.h"
#include "numerique/Complexes.h"
#include "trace/CouleurQt.h"

namespace {

const QString Donnees = QStringLiteral(KOVRA_DONNEES_TESTS "/");

// Dossier de fichiers fait pour le test, avec ou sans image d'accueil ; messages enregistrés.
class EcranPrincipal : public testing::Test {
protected:
    void SetUp() override
    {
        RemplaceAfficheurMessages([this](const QString& texte) { messages_ << texte; });
        // Une question sans réponse prévue est une faute du test ou du programme.
        RemplaceQuestionneur([this](const QString& texte, bool avecAnnuler) {
            questions_ << texte + (avecAnnuler ? " [Oui/Non/Annuler]" : " [Oui/Non]");
            if (reponses_.isEmpty()) {
                ADD_FAILURE() << "question inattendue : " << texte.toStdString();
                return TReponse::Non;
            }
            return reponses_.takeFirst();
        });
        PoseImageAccueil(Qt::red);
    }
    void TearDown() override
    {
        RemplaceAfficheurMessages({});
        RemplaceQuestionneur(QuestionInattendue());
    }

    QString Dossier() const { return dossier_.path() + "/"; }

    // Image unie de 40 x 20 : ses pixels se reconnaissent sur la fenêtre.
    void PoseImageAccueil(QColor couleur)
    {
        QImage image(40, 20, QImage::Format_RGB888);
        image.fill(couleur);
        image.save(Dossier() + "accueil.jpg", "JPG", 100);
    }

    // Les dialogues de fichiers sont répondus sans s'ouvrir ; leurs titres sont gardés.
    void Repond(TEcranPrincipal& ecran, const QString& chemin)
    {
        ecran.ChoixFichier = [this, chemin](QFileDialog& dialogue) {
            titresDialogues_ << dialogue.windowTitle();
            filtres_ << dialogue.nameFilters().join(";");
            return chemin;
        };
        ecran.AfficheAvertissement = [this](const QString& racine) { avertissements_ << racine; };
    }

    // « Lire un fichier données » avec ce fichier choisi.
    void Lit(TEcranPrincipal& ecran, const QString& chemin)
    {
        Repond(ecran, chemin);
        ecran.Lireunfichierdonnees->trigger();
    }

    static QImage Zone(TEcranPrincipal& ecran)
    {
        ecran.resize(900, 650);
        ecran.show();
        return ecran.ZoneClient()->grab().toImage();
    }

    // « Saisie par Coefficients » de N puis D, sans retard.
    static void SaisitCoefs(TEcranPrincipal& ecran, const QStringList& n, const QStringList& d)
    {
        int boite = 0;
        ecran.FluxSaisie->Montre = [&](QDialog& dialogue) {
            auto* coefs = dynamic_cast<TBoiteSaisieCoef*>(&dialogue);
            if (!coefs)
                return false;
            const QStringList& valeurs = boite++ == 0 ? n : d;
            for (int i = 0; i < TBoiteSaisieCoef::NbChamps; ++i)
                coefs->EcritTabEdit(i, valeurs.value(i, "0"));
            dialogue.show();
            dialogue.accept();
            return dialogue.result() == QDialog::Accepted;
        };
        ecran.ParCoefficients->trigger();
    }

    QTemporaryDir dossier_;
    QStringList messages_;
    QStringList questions_;
    QList<TReponse> reponses_;
    QStringList avertissements_;
    QStringList titresDialogues_;
    QStringList filtres_;
};

struct ArticleMenu {
    const char* nom;
    const char* titre;
};

bool Actif(const TEcranPrincipal& ecran, const char* nom)
{
    return ecran.findChild<QAction*>(nom)->isEnabled();
}

// « Diag. Bode » validé avec les plages automatiques, puis la fenêtre peinte.
void MontreBode(TEcranPrincipal& ecran)
{
    ecran.EcranDiagramme->ExecuteDialogue = [&ecran](QDialog& dialogue) {
        dialogue.show();
        ecran.EchellesBode->Defaut->click();
        ecran.EchellesBode->OKBtn->click();
        return dialogue.result();
    };
    ecran.DiagBode->trigger();
    QCoreApplication::processEvents();
}

}

TEST_F(EcranPrincipal, MenuComplet)
{
    TEcranPrincipal ecran(Dossier());
    EXPECT_EQ(ecran.windowTitle(), "Kovra");
    EXPECT_EQ(ecran.menuBar()->objectName(), "MainMenu1");

    const ArticleMenu barre[] = {{"Fichier", "&Fichier"},
                                 {"Kovra", "Kovra"},
                                 {"ElementsSimples", "&Eléments simples"},
                                 {"RegimeHarmonique", "Régime Harmonique"},
                                 {"ReponsesTemporelles", "Réponses temporelles"},
                                 {"Configuration1", "Configuration"},
                                 {"Apropos1", "A propos"},
                                 {"Aide1", "Aide"}};
    const QList<QAction*> actions = ecran.menuBar()->actions();
    ASSERT_EQ(actions.size(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(actions[i]->objectName(), barre[i].nom);
        EXPECT_EQ(actions[i]->text(), QString::fromUtf8(barre[i].titre));
    }

    const std::pair<QMenu*, std::vector<ArticleMenu>> sousMenus[] = {
        {ecran.Fichier,
         {{"Nouveau", "Nouveau"},
          {"Lireunfichierdonnees", "Lire un fichier données"},
          {"Exemples1", "Exemples"},
          {"Enregistrerlesdonnees", "Enregistrer les données"},
          {"Quitter", "Quitter"}}},
        {ecran.Kovra,
         {{"ParCoefficients", "Saisie par Coefficients"},
          {"ParRacines", "Saisie par racines"},
          {"ImpressionKovra1", "Impression Kovra"},
          {"", ""},
          {"BoucleFermee1", "Boucle fermée…"},
          {"LieuEvans1", "Lieu d'Evans"},
          {"PolesZeros1", "Pôles et zéros"}}},
        {ecran.RegimeHarmonique, {{"DiagBode", "Diag. Bode"}, {"DiagNyquist", "Diag. Nyquist"}, {"DiagBlack", "Diag. Black"}}},
        {ecran.ReponsesTemporelles, {{"Echelon1", "Echelon"}, {"Rampe1", "Rampe"}, {"Impulsion1", "Réponse impulsionnelle"}}},
        {ecran.Configuration1,
         {{"Couleurs1", "Couleurs"}, {"DiagBlack1", "Déphasages"}, {"MargesEtude1", "Marges dans l'étude"}}},
    };
    for (const auto& [menu, articles] : sousMenus) {
        const QList<QAction*> commandes = menu->actions();
        ASSERT_EQ(commandes.size(), qsizetype(articles.size())) << menu->objectName().toStdString();
        for (size_t i = 0; i < articles.size(); ++i) {
            EXPECT_EQ(commandes[qsizetype(i)]->objectName(), articles[i].nom);
            EXPECT_EQ(commandes[qsizetype(i)]->text(), QString::fromUtf8(articles[i].titre));
        }
    }
    EXPECT_EQ(ecran.DiagBlack1, ecran.findChild<QAction*>("DiagBlack1"));
}

TEST_F(EcranPrincipal, EtatsDeDemarrage)
{
    TEcranPrincipal ecran(Dossier());
    for (const char* nom : {"Fichier", "Nouveau", "Lireunfichierdonnees", "Enregistrerlesdonnees", "Quitter",
                            "Configuration1", "Couleurs1", "Apropos1", "Exemples1", "Aide1"})
        EXPECT_TRUE(Actif(ecran, nom)) << nom;
    for (const char* nom : {"Kovra", "ImpressionKovra1", "ElementsSimples", "RegimeHarmonique", "ReponsesTemporelles"})
        EXPECT_FALSE(Actif(ecran, nom)) << nom;

    EXPECT_TRUE(messages_.isEmpty());
    EXPECT_FALSE(ecran.Document.EtudeFaite);
    EXPECT_EQ(ecran.Document.DossierFichiers, Dossier());
    EXPECT_EQ(ecran.Document.AbaqueGains.size(), 23u);

    ecran.Demarre();
    EXPECT_TRUE(ecran.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(ecran.BoiteAPropos->isVisible());
    EXPECT_EQ(ecran.BoiteAPropos->Label2->text(), "Version 1.8.0");
    ecran.BoiteAPropos->BtnValider->click();
    EXPECT_FALSE(ecran.BoiteAPropos->isVisible());
    ecran.Apropos1->trigger();
    EXPECT_TRUE(ecran.BoiteAPropos->isVisible());
    ecran.Quitter->trigger();
    EXPECT_FALSE(ecran.isVisible());
}

// Démaximisée, la fenêtre garde sa barre de titre à l'écran : la souris peut la déplacer.
TEST_F(EcranPrincipal, HorsMaximisationGrandeEtCentree)
{
    TEcranPrincipal ecran(Dossier());
    ecran.Demarre();
    ASSERT_TRUE(ecran.windowState() & Qt::WindowMaximized);
    AttendGeometrieNormale(ecran);
}

TEST_F(EcranPrincipal, DossierFichiersGardeLaCasse)
{
    EXPECT_EQ(DossierFichiersDuProgramme(), QCoreApplication::applicationDirPath() + "/fichiers/");
}

// L'image livrée, faite à la construction, se lit depuis le dossier réel du programme.
TEST_F(EcranPrincipal, ImageLivreeLueACoteDuProgramme)
{
    TEcranPrincipal ecran;
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
    EXPECT_GT(ecran.ImageAccueil.width(), 400);
    EXPECT_GT(ecran.ImageAccueil.height(), 200);
}

TEST_F(EcranPrincipal, PositionImageAccueil)
{
    EXPECT_EQ(PositionImageAccueil({1000, 600}, {760, 460}), QPoint(120, 70));
    EXPECT_EQ(PositionImageAccueil({103, 15}, {100, 10}), QPoint(1, 2));
    EXPECT_EQ(PositionImageAccueil({500, 300}, {760, 460}), QPoint(0, 0));
    EXPECT_EQ(PositionImageAccueil({760, 100}, {760, 460}), QPoint(0, 0));
}

TEST_F(EcranPrincipal, ImageAccueilCentreeSurLeFond)
{
    TEcranPrincipal ecran(Dossier());
    const QImage zone = Zone(ecran);
    const QColor fond = CouleurQt(CouleurDe(ecran.Document.SchemaCouleurs, "EPFond"));
    const QPoint coin = PositionImageAccueil(zone.size(), QSize(40, 20));
    EXPECT_EQ(zone.pixelColor(5, 5), fond);
    const QColor centre = zone.pixelColor(coin + QPoint(20, 10));
    EXPECT_GT(centre.red(), 240);
    EXPECT_LT(centre.green(), 20);
    EXPECT_EQ(zone.pixelColor(coin + QPoint(-1, 10)), fond);
    EXPECT_EQ(zone.pixelColor(coin + QPoint(20, -1)), fond);
    EXPECT_NE(zone.pixelColor(coin), fond);
    EXPECT_NE(zone.pixelColor(coin + QPoint(39, 19)), fond);
    EXPECT_EQ(zone.pixelColor(coin + QPoint(40, 19)), fond);

    // « Nouveau » cache l'image et rend « Kovra » utilisable, sans toucher au document.
    ecran.Nouveau->trigger();
    EXPECT_TRUE(Actif(ecran, "Kovra"));
    EXPECT_EQ(Zone(ecran).pixelColor(coin + QPoint(20, 10)), fond);
    EXPECT_FALSE(ecran.Document.EtudeFaite);
}

TEST_F(EcranPrincipal, ImageAbsenteOuAbimeeAnnonceeEtLaFenetreSertQuandMeme)
{
    QFile::remove(Dossier() + "accueil.jpg");
    for (const QByteArray& contenu : {QByteArray(), QByteArray("pas une image")}) {
        if (!contenu.isNull()) {
            QFile fichier(Dossier() + "accueil.jpg");
            fichier.open(QIODevice::WriteOnly);
            fichier.write(contenu);
        }
        messages_.clear();
        TEcranPrincipal ecran(Dossier());
        ASSERT_EQ(messages_.size(), 1);
        EXPECT_TRUE(messages_[0].contains("accueil.jpg"));
        EXPECT_TRUE(ecran.ImageAccueil.isNull());
        EXPECT_FALSE(Zone(ecran).isNull());

        Lit(ecran, Donnees + "premier_ordre.kvf");
        EXPECT_TRUE(ecran.Document.EtudeFaite);
        EXPECT_EQ(messages_.size(), 1);
    }
}

TEST_F(EcranPrincipal, LectureAvecRacineCommune)
{
    TEcranPrincipal ecran(Dossier());
    const QString chemin = Donnees + "racine_commune.kvf";
    Lit(ecran, chemin);

    EXPECT_EQ(titresDialogues_, QStringList{"Ouvrir un fichier de données"});
    EXPECT_EQ(filtres_, QStringList{"fichiers Kovra (*.kvf)"});
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
    EXPECT_EQ(avertissements_, QStringList{QString::fromStdString(NombreEnTexte(-2, 4))});
    EXPECT_TRUE(ecran.Document.EtudeFaite);
    EXPECT_TRUE(ecran.Document.Systeme.SystemeStable);
    EXPECT_EQ(ecran.windowTitle(), "Kovra  " + chemin);
    for (const char* nom : {"Kovra", "ImpressionKovra1", "ElementsSimples", "RegimeHarmonique", "ReponsesTemporelles"})
        EXPECT_TRUE(Actif(ecran, nom)) << nom;

    // L'étude remplace l'image : le cadre de la forme développée est à sa place, dans sa couleur.
    const QImage zone = Zone(ecran);
    const QColor cadre = CouleurQt(CouleurDe(ecran.Document.SchemaCouleurs, "EPCadre"));
    EXPECT_EQ(zone.pixelColor(10, 100), cadre);
    EXPECT_EQ(zone.pixelColor(60, 79), cadre);

    ecran.ElementsSimples->trigger();
    EXPECT_TRUE(ecran.EcranElemSimples->isVisible());
}

TEST_F(EcranPrincipal, SystemeInstableGardeLesDiagrammesGrises)
{
    TEcranPrincipal ecran(Dossier());
    Lit(ecran, Donnees + "instable.kvf");
    EXPECT_TRUE(avertissements_.isEmpty());
    EXPECT_FALSE(ecran.Document.Systeme.SystemeStable);
    EXPECT_TRUE(Actif(ecran, "ElementsSimples"));
    EXPECT_FALSE(Actif(ecran, "RegimeHarmonique"));
    EXPECT_FALSE(Actif(ecran, "ReponsesTemporelles"));
    // La carte des pôles et des zéros, elle, reste offerte.
    EXPECT_TRUE(Actif(ecran, "PolesZeros1"));

    // Une lecture stable ensuite les rend, une instable les reprend.
    Lit(ecran, Donnees + "depassement.kvf");
    EXPECT_TRUE(Actif(ecran, "RegimeHarmonique"));
    Lit(ecran, Donnees + "impropre.kvf");
    EXPECT_FALSE(Actif(ecran, "RegimeHarmonique"));
    EXPECT_FALSE(Actif(ecran, "ReponsesTemporelles"));
    EXPECT_TRUE(Actif(ecran, "ElementsSimples"));
}

TEST_F(EcranPrincipal, LectureRateeOuAbandonneeNeToucheARien)
{
    TEcranPrincipal ecran(Dossier());
    Lit(ecran, QString());
    EXPECT_TRUE(messages_.isEmpty());

    QFile abime(Dossier() + "abime.kvf");
    abime.open(QIODevice::WriteOnly);
    abime.write("Kovra 1.8.0\r\n1\r\n pas un nombre\r\n");
    abime.close();
    for (const QString& chemin : {Dossier() + "absent.kvf", abime.fileName()}) {
        messages_.clear();
        Lit(ecran, chemin);
        ASSERT_EQ(messages_.size(), 1);
        EXPECT_FALSE(ecran.Document.EtudeFaite);
        EXPECT_TRUE(ecran.Document.NomFichierDonnees.isEmpty());
        EXPECT_EQ(ecran.windowTitle(), "Kovra");
        EXPECT_FALSE(Actif(ecran, "Kovra"));
        EXPECT_FALSE(Actif(ecran, "ElementsSimples"));
    }
}

// Des racines que les coefficients démentent : l'étude se fait sur les coefficients et le dit ;
// un dénominateur nul est refusé et laisse l'étude d'avant.
TEST_F(EcranPrincipal, FichierQuiMentAnnonce)
{
    TEcranPrincipal ecran(Dossier());
    const QString dementi = Donnees + "fuzz/racines-dementies.kvf";
    Lit(ecran, dementi);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].startsWith(QStringLiteral("Les racines du dénominateur enregistrées dans le fichier « %1 »")
                                            .arg(dementi)));
    EXPECT_TRUE(ecran.Document.Systeme.SystemeStable);
    EXPECT_EQ(ecran.Document.Systeme.Denominateur.Multiplicites[1], 3);
    EXPECT_EQ(ecran.windowTitle(), "Kovra  " + dementi);

    messages_.clear();
    const QString nul = Donnees + "fuzz/denominateur-nul.kvf";
    Lit(ecran, nul);
    EXPECT_EQ(messages_, QStringList{QStringLiteral("Lecture impossible du fichier « %1 » : Le polynôme ne doit pas être "
                                                    "nul (dénominateur).")
                                         .arg(nul)});
    EXPECT_EQ(ecran.Document.NomFichierDonnees, dementi);
    EXPECT_EQ(ecran.Document.Systeme.Denominateur.Degre, 3);
    EXPECT_TRUE(Actif(ecran, "ElementsSimples"));
}

// Après une étude réussie, une décomposition impossible ne laisse rien montrer celle d'avant.
TEST_F(EcranPrincipal, ErreurDeDecompositionAnnonceeEtCommandesDeLaDecompositionGrisees)
{
    TEcranPrincipal ecran(Dossier());
    Lit(ecran, Donnees + "premier_ordre.kvf");
    ecran.ElementsSimples->trigger();
    ASSERT_TRUE(Actif(ecran, "RegimeHarmonique"));
    ASSERT_TRUE(ecran.EcranElemSimples->isVisible());
    MontreBode(ecran);
    ASSERT_TRUE(ecran.EcranDiagramme->isVisible());

    ecran.Document.Systeme.Numerateur = InitPolynomeValide();
    ecran.Document.Systeme.Denominateur = InitPolynomeValide();
    ecran.Document.Systeme.Numerateur.Coef[0] = ComplexeReel(1);
    ecran.Document.Systeme.Numerateur.Racines[0] = ComplexeReel(1);
    // D = 0 : rien à décomposer.
    EXPECT_FALSE(ecran.AnalyseApresSaisie("Erreur décomposition en éléments simples"));
    EXPECT_EQ(messages_, QStringList{"Erreur décomposition en éléments simples"});
    EXPECT_TRUE(ecran.Document.EtudeFaite);
    for (const char* nom : {"ElementsSimples", "RegimeHarmonique", "ReponsesTemporelles", "ImpressionKovra1"})
        EXPECT_FALSE(Actif(ecran, nom)) << nom;
    EXPECT_TRUE(Actif(ecran, "Kovra"));
    EXPECT_FALSE(ecran.EcranElemSimples->isVisible());
    EXPECT_FALSE(ecran.EcranDiagramme->isVisible());
}

TEST_F(EcranPrincipal, EnregistrementPuisRelecture)
{
    TEcranPrincipal ecran(Dossier());
    Lit(ecran, Donnees + "depassement.kvf");
    const TPolynome d = ecran.Document.Systeme.Denominateur;

    const QString copie = Dossier() + "copie.kvf";
    titresDialogues_.clear();
    Repond(ecran, copie);
    ecran.Enregistrerlesdonnees->trigger();
    EXPECT_EQ(titresDialogues_, QStringList{"Fichier de sauvegarde des données"});
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
    EXPECT_EQ(ecran.windowTitle(), "Kovra  " + copie);
    EXPECT_EQ(ecran.Document.NomFichierDonnees, copie);

    TEcranPrincipal relu(Dossier());
    Lit(relu, copie);
    ASSERT_EQ(relu.Document.Systeme.Denominateur.Degre, d.Degre);
    for (int i = 0; i <= d.Degre; ++i)
        EXPECT_NEAR(double(relu.Document.Systeme.Denominateur.Coef[i].Re), double(d.Coef[i].Re), 1e-12);

    // Un enregistrement impossible laisse le titre et le nom de fichier tels quels.
    Repond(ecran, Dossier() + "absent/x.kvf");
    ecran.Enregistrerlesdonnees->trigger();
    EXPECT_EQ(messages_.size(), 1);
    EXPECT_EQ(ecran.windowTitle(), "Kovra  " + copie);
    EXPECT_EQ(ecran.Document.NomFichierDonnees, copie);
}

namespace {

// Gain en dB de 1 / (1 + p), la fonction de premier_ordre.kvf.
Reel GainPremierOrdre(Reel frequence)
{
    const Reel w = DeuxPi * frequence;
    return -10 * std::log10(1 + w * w);
}

}

// Une nouvelle étude part de ses propres échelles : après le cas de degré dix (gains sous
// -130 dB), la lecture d'un premier ordre met dans les dialogues de Bode et de Black une plage
// où son gain se lit, sans « Echelle autom. » ; « Nouveau » oublie une plage tapée. La plage des
// phases est celle que chaque fichier a enregistrée.
TEST_F(EcranPrincipal, NouvelleEtudePartDeSesEchelles)
{
    QFile original(Donnees + "premier_ordre.kvf");
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QByteArray contenu = original.readAll();
    const QByteArray phasesFixes("\r\nN\r\nN\r\n23\r\n");
    ASSERT_EQ(contenu.count(phasesFixes), 1);
    contenu.replace(phasesFixes, "\r\nN\r\nO\r\n23\r\n");
    const QString symetrique = Dossier() + "symetrique.kvf";
    QFile copie(symetrique);
    ASSERT_TRUE(copie.open(QIODevice::WriteOnly));
    copie.write(contenu);
    copie.close();

    TEcranPrincipal ecran(Dossier());
    Lit(ecran, Donnees + "degre_dix.kvf");
    MontreBode(ecran);
    const Reel gainMaxAvant = ecran.EchellesBode->Parametres().GainMax;
    ASSERT_LT(gainMaxAvant, -100);
    EXPECT_FALSE(ecran.Document.PhaseSymetrique);

    Lit(ecran, symetrique);
    EXPECT_TRUE(ecran.Document.PhaseSymetrique);
    EXPECT_FALSE(ecran.Document.PhaseContinue);
    const TParamBode bode = ecran.EchellesBode->Parametres();
    const TParamBlack black = ecran.EchellesBlack->Parametres();
    for (const Reel f : {0.01L, 0.1L, 1.0L}) {
        const Reel g = GainPremierOrdre(f);
        EXPECT_TRUE(bode.GainMin <= g && g <= bode.GainMax) << double(f);
        EXPECT_TRUE(black.GainMin <= g && g <= black.GainMax) << double(f);
        EXPECT_TRUE(bode.FreqMin <= f && f <= bode.FreqMax) << double(f);
    }
    const TParamNyquist nyquist = ecran.EchellesNyquist->Parametres();
    EXPECT_TRUE(nyquist.ReMin < nyquist.ReMax && nyquist.ReMax >= 1) << "la courbe part de 1";

    const QString gainMinAuto = ecran.EchellesBode->GainMin->text();
    ecran.EchellesBode->GainMin->setText("-500");
    ecran.Nouveau->trigger();
    EXPECT_EQ(ecran.EchellesBode->GainMin->text(), gainMinAuto);

    Lit(ecran, Donnees + "degre_dix.kvf");
    EXPECT_FALSE(ecran.Document.PhaseSymetrique);
    EXPECT_LT(ecran.EchellesBode->Parametres().GainMax, -100);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
}

namespace {

// Gain en dB de 1 / (1 + 0,4 p + p²), la fonction de depassement.kvf.
Reel GainDepassement(Reel frequence)
{
    const Reel w = DeuxPi * frequence;
    return -10 * std::log10((1 - w * w) * (1 - w * w) + 0.16L * w * w);
}

}

// Un diagramme ouvert suit chaque lecture : retracé avec ses points et son tableau, ou fermé
// quand la nouvelle fonction ne se prête plus aux diagrammes.
TEST_F(EcranPrincipal, DiagrammeOuvertSuitLaFonctionLue)
{
    TEcranPrincipal ecran(Dossier());
    Lit(ecran, Donnees + "premier_ordre.kvf");
    TEcranDiagramme& diagramme = *ecran.EcranDiagramme;
    MontreBode(ecran);
    ASSERT_TRUE(diagramme.isVisible());
    const TEchellesFrequentielles& echelles = diagramme.Trace().Frequentiel.Echelles;
    ASSERT_GT(echelles.NbPoints, 1000);
    diagramme.Tableau1->trigger();
    ASSERT_TRUE(ecran.EcranTabVal->isVisible());
    const TPointsFrequentiels& points = diagramme.Trace().Frequentiel.Points;
    const Reel gainAvant = points[1].Valeur1;

    Lit(ecran, Donnees + "depassement.kvf");
    ASSERT_TRUE(diagramme.isVisible());
    ASSERT_GT(echelles.NbPoints, 1000);
    EXPECT_NE(points[1].Valeur1, gainAvant);
    QTableWidget* grille = ecran.EcranTabVal->TabVal;
    for (int r : {1, 1000, echelles.NbPoints}) {
        EXPECT_NEAR(double(points[r].Valeur1), double(GainDepassement(points[r].Frequence)), 1e-9) << r;
        EXPECT_EQ(grille->item(r - 1, 2)->text(), TexteFixe(points[r].Valeur1, 7, 3)) << r;
    }
    EXPECT_TRUE(ecran.EcranTabVal->isVisible());
    EXPECT_FALSE(ecran.DiagNyquist->isEnabled());

    Lit(ecran, Donnees + "instable.kvf");
    EXPECT_FALSE(diagramme.isVisible());
    EXPECT_FALSE(ecran.EcranTabVal->isVisible());
    EXPECT_EQ(ecran.Document.TypeDiagramme, TTypeDiagramme::Aucun);
    EXPECT_TRUE(ecran.DiagBode->isEnabled());
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();

    // Fermé, il le reste : une lecture stable ne le rouvre pas.
    Lit(ecran, Donnees + "depassement.kvf");
    EXPECT_FALSE(diagramme.isVisible());
    EXPECT_FALSE(ecran.EcranTabVal->isVisible());
}

// « Diag. Nyquist » et « Diag. Black » s'ouvrent comme « Diag. Bode » ; un Black ouvert suit
// lui aussi la fonction lue.
TEST_F(EcranPrincipal, NyquistEtBlackOuvertsDepuisLeMenuEtRetracesALaLecture)
{
    TEcranPrincipal ecran(Dossier());
    Lit(ecran, Donnees + "premier_ordre.kvf");
    ASSERT_TRUE(ecran.DiagNyquist->isEnabled());
    ASSERT_TRUE(ecran.DiagBlack->isEnabled());
    TEcranDiagramme& diagramme = *ecran.EcranDiagramme;
    const auto valide = [&ecran, &diagramme](TDialogueEchelles& echelles, QPushButton* automatique) {
        diagramme.ExecuteDialogue = [&echelles, automatique](QDialog& dialogue) {
            dialogue.show();
            automatique->click();
            echelles.OKBtn->click();
            return dialogue.result();
        };
    };
    valide(*ecran.EchellesNyquist, ecran.EchellesNyquist->BtnAutomatique);
    ecran.DiagNyquist->trigger();
    QCoreApplication::processEvents();
    ASSERT_TRUE(diagramme.isVisible());
    EXPECT_EQ(ecran.Document.TypeDiagramme, TTypeDiagramme::Nyquist);
    EXPECT_FALSE(ecran.DiagBode->isEnabled());
    EXPECT_FALSE(ecran.DiagBlack->isEnabled());
    diagramme.close();

    valide(*ecran.EchellesBlack, ecran.EchellesBlack->BtnAutomatique);
    ecran.DiagBlack->trigger();
    QCoreApplication::processEvents();
    ASSERT_TRUE(diagramme.isVisible());
    diagramme.ZoneClient->grab();
    const TEchellesFrequentielles& echelles = diagramme.Trace().Frequentiel.Echelles;
    ASSERT_GT(echelles.NbPoints, 1000);
    const Reel gainAvant = diagramme.Trace().Frequentiel.Points[1].Valeur2;

    Lit(ecran, Donnees + "depassement.kvf");
    ASSERT_TRUE(diagramme.isVisible());
    EXPECT_EQ(ecran.Document.TypeDiagramme, TTypeDiagramme::Black);
    EXPECT_NE(diagramme.Trace().Frequentiel.Points[1].Valeur2, gainAvant);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
}

namespace {

// « Echelon » ou « Rampe » validé avec les valeurs et échelles automatiques, puis peint.
QImage MontreReponse(TEcranPrincipal& ecran, QAction* commande)
{
    ecran.EcranRepTemp->ExecuteDialogue = [](QDialog& d) {
        auto& dialogue = static_cast<TDialogueReponse&>(d);
        dialogue.show();
        dialogue.BtnConsAuto->click();
        dialogue.BtnEchAuto->click();
        dialogue.BtnValider()->click();
        return dialogue.result();
    };
    commande->trigger();
    ecran.EcranRepTemp->setWindowState(Qt::WindowNoState);
    ecran.EcranRepTemp->ZoneClient->setFixedSize(800, 600);
    QCoreApplication::processEvents();
    return ecran.EcranRepTemp->ZoneClient->grab().toImage();
}

int PixelsCourbe(const TEcranPrincipal& ecran, const QImage& image)
{
    return PixelsDeCouleur(image, image.rect(), CouleurQt(CouleurDe(ecran.Document.SchemaCouleurs, "DCourbe")), 0);
}

}

// Les réponses temporelles naissent à leur place parmi les autres fenêtres.
TEST_F(EcranPrincipal, FenetresDesReponsesCreeesDansLOrdre)
{
    TEcranPrincipal ecran(Dossier());
    const QObjectList enfants = ecran.children();
    const QObject* const ordre[] = {ecran.EchellesBlack, ecran.EcranRepTemp,  ecran.EchellesRepIndic,
                                    ecran.ChoixDephasagesBlack, ecran.BoiteAPropos, ecran.BoiteSaisieTau,
                                    ecran.EchellesRepRampe, ecran.EcranDiagramme};
    for (std::size_t i = 1; i < std::size(ordre); ++i)
        EXPECT_LT(enfants.indexOf(ordre[i - 1]), enfants.indexOf(ordre[i])) << i;
}

// Un nouvel utilisateur : échelon et rampe de 1/(p+1), d'un second ordre peu amorti retardé
// et du cas de degré 10 ; la réponse ouverte suit chaque fonction, puis un système instable
// la ferme et grise « Réponses temporelles ».
TEST_F(EcranPrincipal, ReponsesTemporellesSuiventLesFonctionsEtUnSystemeInstableLesGrise)
{
    TEcranPrincipal ecran(Dossier());
    Lit(ecran, Donnees + "premier_ordre.kvf");
    ASSERT_TRUE(Actif(ecran, "ReponsesTemporelles"));
    EXPECT_TRUE(ecran.Echelon1->isEnabled());
    EXPECT_TRUE(ecran.Rampe1->isEnabled());
    TEcranRepTemp& fenetre = *ecran.EcranRepTemp;
    EXPECT_GT(PixelsCourbe(ecran, MontreReponse(ecran, ecran.Echelon1)), 300);
    ASSERT_TRUE(fenetre.isVisible());
    EXPECT_EQ(ecran.Document.TypeReponse, TTypeReponse::Indicielle);
    EXPECT_GT(PixelsCourbe(ecran, MontreReponse(ecran, ecran.Rampe1)), 300);
    EXPECT_EQ(ecran.Document.TypeReponse, TTypeReponse::Rampe);

    // Second ordre peu amorti, retard d'une seconde : la fenêtre ouverte redessine.
    Lit(ecran, Donnees + "depassement.kvf");
    ecran.Document.Systeme.TempsMort = 1;
    ASSERT_TRUE(ecran.AnalyseApresSaisie("Erreur décomposition en éléments simples"));
    ASSERT_TRUE(fenetre.isVisible());
    EXPECT_GT(fenetre.Valeurs().TMaxTrace, 0);
    EXPECT_GT(PixelsCourbe(ecran, MontreReponse(ecran, ecran.Echelon1)), 300);

    // Le retard ajouté est une modification : la lecture suivante propose de l'enregistrer.
    reponses_ = {TReponse::Non};
    Lit(ecran, Donnees + "degre_dix.kvf");
    EXPECT_EQ(questions_.size(), 1);
    ASSERT_TRUE(fenetre.isVisible());
    EXPECT_GT(PixelsCourbe(ecran, MontreReponse(ecran, ecran.Rampe1)), 300);
    const QSize grand(1920, 1080);
    fenetre.ZoneClient->setFixedSize(grand);
    EXPECT_GT(PixelsCourbe(ecran, fenetre.ZoneClient->grab().toImage()), 300);

    Lit(ecran, Donnees + "instable.kvf");
    EXPECT_FALSE(Actif(ecran, "ReponsesTemporelles"));
    EXPECT_FALSE(fenetre.isVisible());
    EXPECT_EQ(ecran.Document.TypeReponse, TTypeReponse::Aucune);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
}

// « Marges » de la fenêtre des diagrammes : éteinte au départ et à chaque nouvelle analyse ;
// « Marges dans l'étude » ajoute sa ligne sous le verdict d'un système stable.
TEST_F(EcranPrincipal, MargesSurLeDiagrammeEtDansLEtude)
{
    TEcranPrincipal ecran(Dossier());
    Lit(ecran, Donnees + "integrateur.kvf");
    TEcranDiagramme& diagramme = *ecran.EcranDiagramme;
    ASSERT_TRUE(diagramme.Marges1->isCheckable());
    EXPECT_FALSE(diagramme.Marges1->isChecked());
    MontreBode(ecran);
    ASSERT_TRUE(diagramme.isVisible());
    const QImage sans = diagramme.ZoneClient->grab().toImage();
    diagramme.Marges1->trigger();
    const QImage avec = diagramme.ZoneClient->grab().toImage();
    EXPECT_NE(sans, avec);
    ASSERT_TRUE(ecran.Document.Marges.has_value());

    Lit(ecran, Donnees + "integrateur.kvf");
    EXPECT_FALSE(diagramme.Marges1->isChecked());
    EXPECT_FALSE(ecran.Document.Marges.has_value());
    EXPECT_EQ(diagramme.ZoneClient->grab().toImage(), sans);

    QAction* etude = ecran.findChild<QAction*>("MargesEtude1");
    ASSERT_TRUE(etude && etude->isCheckable());
    EXPECT_FALSE(etude->isChecked());
    ASSERT_TRUE(ecran.Document.Systeme.SystemeStable);
    const QImage etudeSans = Zone(ecran);
    etude->trigger();
    EXPECT_TRUE(ecran.Document.MargesEtude);
    EXPECT_NE(Zone(ecran), etudeSans);
    etude->trigger();
    EXPECT_EQ(Zone(ecran), etudeSans);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
}

namespace {
const QString QuestionEtude = QStringLiteral("Enregistrer les modifications de l'étude ? [Oui/Non/Annuler]");
}

// Une étude changée ne se perd ni en quittant, ni par « Nouveau », ni par une lecture, sans la
// question ; une étude qui vient d'être lue ou enregistrée n'en pose aucune.
TEST_F(EcranPrincipal, EtudeModifieeProposeeALEnregistrementAvantDeSePerdre)
{
    TEcranPrincipal ecran(Dossier());
    ecran.show();
    Lit(ecran, Donnees + "depassement.kvf");
    ecran.Nouveau->trigger();
    EXPECT_TRUE(questions_.isEmpty());

    SaisitCoefs(ecran, {"2"}, {"1", "1"});
    ASSERT_EQ(ecran.Document.Systeme.Numerateur.Coef[0].Re, 2);
    // Annuler garde tout tel quel : la fenêtre, l'étude, aucun dialogue de fichier ouvert.
    reponses_ = {TReponse::Annuler, TReponse::Annuler, TReponse::Annuler, TReponse::Annuler};
    ecran.Quitter->trigger();
    EXPECT_TRUE(ecran.isVisible());
    EXPECT_FALSE(ecran.close());
    ecran.Nouveau->trigger();
    titresDialogues_.clear();
    Lit(ecran, Donnees + "depassement.kvf");
    EXPECT_TRUE(titresDialogues_.isEmpty());
    EXPECT_EQ(ecran.Document.Systeme.Numerateur.Coef[0].Re, 2);
    EXPECT_EQ(questions_, QStringList(4, QuestionEtude));

    // Oui mais enregistrement abandonné : la fenêtre reste. Oui et un nom : l'étude est écrite.
    questions_.clear();
    Repond(ecran, QString());
    reponses_ = {TReponse::Oui};
    EXPECT_FALSE(ecran.close());
    const QString etude = Dossier() + "etude.kvf";
    Repond(ecran, etude);
    reponses_ = {TReponse::Oui};
    ecran.Quitter->trigger();
    EXPECT_FALSE(ecran.isVisible());
    EXPECT_EQ(questions_, QStringList(2, QuestionEtude));
    TEcranPrincipal relu(Dossier());
    Lit(relu, etude);
    EXPECT_EQ(relu.Document.Systeme.Numerateur.Coef[0].Re, 2);

    // Enregistrée : plus de question.
    questions_.clear();
    ecran.show();
    ecran.Quitter->trigger();
    EXPECT_FALSE(ecran.isVisible());
    EXPECT_TRUE(questions_.isEmpty());

    // Non : la lecture se fait, sans rien enregistrer.
    ecran.show();
    SaisitCoefs(ecran, {"3"}, {"1", "1"});
    reponses_ = {TReponse::Non};
    Lit(ecran, Donnees + "depassement.kvf");
    EXPECT_EQ(questions_, QStringList{QuestionEtude});
    EXPECT_EQ(ecran.Document.Systeme.Numerateur.Coef[0].Re, 1);
    Lit(relu, etude);
    EXPECT_EQ(relu.Document.Systeme.Numerateur.Coef[0].Re, 2);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
}

// Les fenêtres de dessin appartiennent à la fenêtre principale comme des dialogues : le
// gestionnaire de fenêtres les garde devant elle quand elle reprend le focus, agrandie ; elles
// gardent leurs boutons d'agrandissement et de fermeture.
TEST_F(EcranPrincipal, FenetresDeDessinGardeesDevantLaFenetrePrincipale)
{
    TEcranPrincipal ecran(Dossier());
    ecran.show();
    Lit(ecran, Donnees + "depassement.kvf");
    MontreBode(ecran);
    ecran.EcranRepTemp->show();
    for (QWidget* fenetre : std::initializer_list<QWidget*>{ecran.EcranDiagramme, ecran.EcranRepTemp}) {
        ASSERT_TRUE(fenetre->isVisible());
        EXPECT_EQ(fenetre->windowType(), Qt::Dialog) << fenetre->windowTitle().toStdString();
        EXPECT_EQ(fenetre->windowHandle()->transientParent(), ecran.windowHandle());
        const Qt::WindowFlags drapeaux = fenetre->windowFlags();
        EXPECT_TRUE(drapeaux.testFlags(Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint));
    }
}

// La réponse aussi repart de la nouvelle fonction : après l'échelon d'un second ordre peu amorti, la
// lecture du premier ordre 1/(1 + p) (95 % à 3 s, valeur finale 1) met dans le dialogue des
// échelles où il se lit ; une fonction instable, sans réponse, laisse des champs vides plutôt
// que les échelles d'une autre.
TEST_F(EcranPrincipal, NouvelleEtudeRepartDesEchellesDeSaReponse)
{
    TEcranPrincipal ecran(Dossier());
    Lit(ecran, Donnees + "depassement.kvf");
    MontreReponse(ecran, ecran.Echelon1);
    const TParamReponse avant = ecran.EchellesRepIndic->Parametres();

    Lit(ecran, Donnees + "premier_ordre.kvf");
    const TParamReponse apres = ecran.EchellesRepIndic->Parametres();
    EXPECT_NE(apres.TMax, avant.TMax) << ecran.EchellesRepIndic->EditTmax->text().toStdString();
    EXPECT_GE(apres.TMax, 3);
    EXPECT_LE(apres.TMax, 30);
    EXPECT_LE(apres.YMin, 0);
    EXPECT_GE(apres.YMax, 1);

    Lit(ecran, Donnees + "instable.kvf");
    EXPECT_TRUE(ecran.EchellesRepIndic->EditTmax->text().isEmpty());
    EXPECT_FALSE(ecran.EchellesRepIndic->BtnValider()->isEnabled());
}
