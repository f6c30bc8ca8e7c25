// Fenêtre des réponses temporelles : commandes du menu principal, dessin à chaque peinture
// avec les champs du dialogue du mode, « Echelles », fermeture et redimensionnement.
#include "fenetres/UEcranRepTemp.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cmath>

#include "AideDialogues.h"
#include "AideExport.h"
#include "coeur/ClasseurOOXML.h"
#include "fenetres/UEchRepIndic.h"
#include "fenetres/UEchRepRampe.h"
#include "trace/CouleurQt.h"
#include "trace/DocumentsDessin.h"

namespace {

class EcranRepTemp : public testing::Test {
protected:
    EcranRepTemp() : separateur_('.'), doc_(DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 1})))
    {
        ecran_.DefinitDialogues(&indic_, &rampe_);
        ecran_.setWindowState(Qt::WindowNoState);
        Repond(QDialog::Accepted);
    }

    // Les dialogues répondent sans exec() : valeurs et échelles automatiques, `modifie`
    // éventuel, puis Valider ou Annuler.
    void Repond(QDialog::DialogCode fin, std::function<void(TDialogueReponse&)> modifie = {})
    {
        ecran_.ExecuteDialogue = [this, fin, modifie](QDialog& d) {
            auto& dialogue = static_cast<TDialogueReponse&>(d);
            executes_ << dialogue.objectName();
            MontreActif(dialogue);
            if (dialogue.EditTmax->text().isEmpty()) {
                dialogue.BtnConsAuto->click();
                dialogue.BtnEchAuto->click();
            }
            if (modifie)
                modifie(dialogue);
            (fin == QDialog::Accepted ? dialogue.BtnValider() : dialogue.CancelBtn)->click();
            return dialogue.result();
        };
    }

    QImage Peint(QSize taille = {800, 600})
    {
        ecran_.ZoneClient->setFixedSize(taille);
        ecran_.adjustSize();
        return ecran_.ZoneClient->grab().toImage();
    }

    int PixelsCourbe(const QImage& image) const
    {
        return PixelsDeCouleur(image, image.rect(), CouleurQt(CouleurDe(doc_.SchemaCouleurs, "DCourbe")), 0);
    }

    SeparateurImpose separateur_;
    EnregistreurMessages messages_;
    TDocument doc_;
    TEchellesRepIndic indic_{doc_};
    TEchellesRepRampe rampe_{doc_};
    TEcranRepTemp ecran_{doc_};
    QStringList executes_;
};

TEST_F(EcranRepTemp, EchelonValideMontreLaFenetreQuiDessineEtQuitterLaFerme)
{
    EXPECT_EQ(ecran_.windowTitle(), "Ecran Réponses Temporelles");
    EXPECT_TRUE(ecran_.Imprimer1->isEnabled());
    EXPECT_TRUE(ecran_.ExportExcel1->isEnabled());
    EXPECT_TRUE(ecran_.Echelles1->isEnabled());
    ecran_.CommandeReponse(TTypeReponse::Indicielle);
    EXPECT_EQ(executes_, QStringList{"EchellesRepIndic"});
    ASSERT_TRUE(ecran_.isVisible());
    EXPECT_EQ(doc_.TypeReponse, TTypeReponse::Indicielle);
    const QImage image = Peint();
    EXPECT_EQ(ecran_.Valeurs().TMaxTrace, 10);
    EXPECT_NEAR(double(ecran_.Valeurs().YMaxTrace), 1, 1e-15);
    EXPECT_GT(PixelsCourbe(image), 500);
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
    ecran_.Quitter1->trigger();
    EXPECT_FALSE(ecran_.isVisible());
    EXPECT_EQ(doc_.TypeReponse, TTypeReponse::Aucune);
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join('|').toStdString();
}

TEST_F(EcranRepTemp, DialogueAnnuleRienNeSOuvre)
{
    Repond(QDialog::Rejected);
    ecran_.CommandeReponse(TTypeReponse::Rampe);
    EXPECT_EQ(executes_, QStringList{"EchellesRepRampe"});
    EXPECT_FALSE(ecran_.isVisible());
    EXPECT_EQ(doc_.TypeReponse, TTypeReponse::Aucune);
}

// « Echelles » ouvre le dialogue du mode affiché ; validé, la fenêtre redessine avec ses
// nouveaux champs ; annulé, champs et dessin restent ceux d'avant.
TEST_F(EcranRepTemp, EchellesDuModeAfficheRedessineApresValider)
{
    ecran_.CommandeReponse(TTypeReponse::Rampe);
    Peint();
    const auto tmax = [](const QString& texte) {
        return [texte](TDialogueReponse& d) { d.EditTmax->setText(texte); };
    };
    Repond(QDialog::Accepted, tmax("20"));
    ecran_.Echelles1->trigger();
    Peint();
    EXPECT_EQ(executes_.last(), "EchellesRepRampe");
    EXPECT_EQ(ecran_.Valeurs().TMaxTrace, 20);
    Repond(QDialog::Rejected, tmax("abc"));
    ecran_.Echelles1->trigger();
    Peint();
    EXPECT_EQ(rampe_.EditTmax->text(), "20");
    EXPECT_EQ(ecran_.Valeurs().TMaxTrace, 20);
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join('|').toStdString();
}

// Passer de l'échelon à la rampe ne mêle pas leurs bornes de sortie.
TEST_F(EcranRepTemp, ChaqueReponseGardeSesBornes)
{
    ecran_.CommandeReponse(TTypeReponse::Indicielle);
    Peint();
    Repond(QDialog::Accepted, [](TDialogueReponse& d) { d.EditYmax->setText("3"); });
    ecran_.CommandeReponse(TTypeReponse::Rampe);
    Peint();
    EXPECT_EQ(doc_.TypeReponse, TTypeReponse::Rampe);
    EXPECT_EQ(indic_.EditYmax->text().toDouble(), 1);
    EXPECT_EQ(ecran_.Valeurs().BornesRampe.YMax, 3);
    EXPECT_NEAR(double(ecran_.Valeurs().YMaxTrace), 3, 1e-15);
}

// « Caractéristiques » coche la lecture de l'échelon : la peinture en garde le relevé, la bande
// suit la case 2 % du dialogue ; décochée ou sur la rampe, plus rien.
TEST_F(EcranRepTemp, CaracteristiquesCocheesSurLEchelonSeul)
{
    ecran_.CommandeReponse(TTypeReponse::Indicielle);
    Peint();
    EXPECT_FALSE(ecran_.Caracteristiques());
    ecran_.Caracteristiques1->trigger();
    const QImage image = Peint();
    ASSERT_TRUE(ecran_.Caracteristiques() && ecran_.Caracteristiques()->Reponse);
    const int cinq = ecran_.Caracteristiques()->BandeBasse;
    const QColor nom = CouleurQt(CouleurDe(doc_.SchemaCouleurs, "DNom"));
    EXPECT_GT(PixelsDeCouleur(image, QRect(0, cinq, image.width(), 1), nom, 0), 100);
    indic_.DeuxPourCent->setChecked(true);
    Peint();
    // 1 - e^-t : 0,95 et 0,98 sur une sortie graduée de 0 à 1.
    EXPECT_LT(ecran_.Caracteristiques()->BandeBasse, cinq);
    ecran_.Caracteristiques1->trigger();
    Peint();
    EXPECT_FALSE(ecran_.Caracteristiques());
    ecran_.Caracteristiques1->trigger();
    ecran_.CommandeReponse(TTypeReponse::Rampe);
    Peint();
    EXPECT_FALSE(ecran_.Caracteristiques1->isEnabled());
    EXPECT_FALSE(ecran_.Caracteristiques());
}

// La réponse impulsionnelle reprend le dialogue de l'échelon : 1/(p+1) donne e^-t, de 1 en 0.
TEST_F(EcranRepTemp, ImpulsionnelleAvecLeDialogueDeLEchelon)
{
    ecran_.CommandeReponse(TTypeReponse::Impulsionnelle);
    EXPECT_EQ(executes_, QStringList{"EchellesRepIndic"});
    ASSERT_TRUE(ecran_.isVisible());
    EXPECT_EQ(doc_.TypeReponse, TTypeReponse::Impulsionnelle);
    EXPECT_GT(PixelsCourbe(Peint()), 500);
    EXPECT_NEAR(double(ecran_.Valeurs().YMaxTrace), 1, 1e-15);
    EXPECT_FALSE(ecran_.ExportExcel1->isEnabled());
    EXPECT_FALSE(ecran_.Caracteristiques1->isEnabled());
    ecran_.CommandeReponse(TTypeReponse::Rampe);
    EXPECT_TRUE(ecran_.ExportExcel1->isEnabled());
}

TEST_F(EcranRepTemp, RedimensionneeMemeMinusculeSansPlantage)
{
    ecran_.CommandeReponse(TTypeReponse::Indicielle);
    for (const QSize taille : {QSize(1, 1), QSize(0, 0), QSize(5, 400), QSize(1920, 1080)})
        Peint(taille);
    EXPECT_GT(PixelsCourbe(Peint({640, 480})), 300);
}

}

namespace {

class ExportReponse : public EcranRepTemp {
protected:
    ExportReponse()
    {
        doc_.DossierFichiers = dossiers_.Fichiers();
        ecran_.ChoixFichier = choix_.Fonction();
    }
    QString Chemin(const char* nom) const { return dossiers_.Document(QString::fromUtf8(nom)); }

    DossiersExport dossiers_;
    TChoixExport choix_;
};

// 1/(p+1) à l'échelon unité : le classeur rendu porte la réponse 1 - e^-t, sur la feuille de
// l'échelon, et les axes de l'écran.
TEST_F(ExportReponse, EchelonExporteSurLaPremiereFeuille)
{
    ecran_.CommandeReponse(TTypeReponse::Indicielle);
    Peint();
    choix_.Reponses = {ModeleReponses, Chemin("réponse temporelle.xlsx")};
    ecran_.ExportExcel1->trigger();
    EXPECT_EQ(messages_.Messages, QStringList{"exportation terminée"});
    EXPECT_EQ(choix_.Titres, (QStringList{"Fichier modèle à utiliser", "Fichier de sauvegarde"}));
    EXPECT_TRUE(choix_.Noms.value(1).endsWith("/réponse temporelle.xlsx"));
    EXPECT_TRUE(AttenteTerminee(ecran_));

    TClasseurOOXML c;
    c.Ouvre(Chemin("réponse temporelle.xlsx"));
    EXPECT_EQ(c.TexteCellule(1, 2, 1), QStringLiteral("t (s)"));
    const double t = c.TexteCellule(1, 1003, 1).toDouble();
    EXPECT_GT(t, 9.9);
    EXPECT_NEAR(c.TexteCellule(1, 1003, 3).toDouble(), 1 - std::exp(-t), 1e-9);
    EXPECT_EQ(c.TexteCellule(2, 3, 1), QString()) << "la feuille de la rampe reste vide";
    EXPECT_EQ(c.ReglageAxe(1, 1, 1, TReglageAxe::Maximum), ecran_.Valeurs().TMaxTrace);
    EXPECT_EQ(c.TitreDAxe(1, 1, 2), QStringLiteral("entrée et réponse (unités S.I.)"));
    EXPECT_TRUE(dossiers_.Temporaires().isEmpty()) << dossiers_.Temporaires().join('|').toStdString();
}

// Renoncer au résultat ne laisse de copie de travail ni chez les modèles ni ailleurs.
TEST_F(ExportReponse, RenoncerAuResultatNeLaisseAucuneCopie)
{
    ecran_.CommandeReponse(TTypeReponse::Rampe);
    Peint();
    const QStringList modeles = QDir(dossiers_.Fichiers()).entryList(QDir::Files);
    choix_.Reponses = {ModeleReponses};
    ecran_.ExportExcel1->trigger();
    EXPECT_EQ(messages_.Messages, QStringList{"pas d'exportation"});
    EXPECT_EQ(choix_.Titres.size(), 2);
    EXPECT_TRUE(AttenteTerminee(ecran_));
    EXPECT_EQ(QDir(dossiers_.Fichiers()).entryList(QDir::Files), modeles);
    EXPECT_TRUE(dossiers_.Temporaires().isEmpty()) << dossiers_.Temporaires().join('|').toStdString();
}

}
