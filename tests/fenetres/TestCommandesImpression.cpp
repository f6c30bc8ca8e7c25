// « Imprimer » des deux fenêtres de dessin et « Impression Kovra » du menu principal, comme
// un nouvel utilisateur sans imprimante : le dialogue de taille, puis un PDF relu.
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "AideDialogues.h"
#include "AidePdf.h"
#include "fenetres/CommandeImprimer.h"
#include "fenetres/Impression.h"
#include "fenetres/UEchRepIndic.h"
#include "fenetres/UEcranDiagramme.h"
#include "fenetres/UEcranRepTemp.h"
#include "fenetres/UEcranTabVal.h"
#include "fenetres/UPrinc.h"
#include "fenetres/USaisieParamBode.h"
#include "fenetres/USaisieTailleImpr.h"

namespace {

const QString Donnees = QStringLiteral(KOVRA_DONNEES_TESTS "/");

class CommandesImpression : public testing::Test {
protected:
    void SetUp() override
    {
        ecran_.ChoixFichier = [](QFileDialog&) { return Donnees + "depassement.kvf"; };
        ecran_.AfficheAvertissement = [](const QString&) {};
        ecran_.Lireunfichierdonnees->trigger();
        ecran_.Impression->ImprimanteEnService = [] { return QString(); };
        ecran_.Impression->ChoixFichierPdf = [this](const QString& propose) {
            return dossier_.filePath(QFileInfo(propose).fileName());
        };
        messages_.Messages.clear();
    }

    // Le dialogue de taille rempli puis validé, ou les échelles automatiques validées.
    int Repond(QDialog& dialogue)
    {
        dialogue.show();
        if (&dialogue == ecran_.TailleImpression) {
            TTailleImpression& t = *ecran_.TailleImpression;
            t.Defaut->click();
            t.Largeur->setText(largeur_);
            t.Titre->setText("Page de l'utilisateur");
            t.ImprCoul->setChecked(true);
            t.BtnValider()->click();
        } else if (auto* echelles = dynamic_cast<TEchellesBode*>(&dialogue)) {
            echelles->Defaut->click();
            echelles->OKBtn->click();
        } else if (auto* reponse = dynamic_cast<TDialogueReponse*>(&dialogue)) {
            reponse->BtnConsAuto->click();
            reponse->BtnEchAuto->click();
            reponse->BtnValider()->click();
        }
        return dialogue.result();
    }

    QString Pdf(const QString& titre) const { return dossier_.filePath(titre + ".pdf"); }

    QTemporaryDir dossier_;
    EnregistreurMessages messages_;
    TEcranPrincipal ecran_{dossier_.path() + "/"};
    QString largeur_ = "180,5";
};

}  // namespace

TEST_F(CommandesImpression, ImprimerLeDiagrammeDeBodeEnPdf)
{
    ecran_.EcranDiagramme->ExecuteDialogue = [this](QDialog& d) { return Repond(d); };
    ecran_.DiagBode->trigger();
    ASSERT_TRUE(ecran_.EcranDiagramme->isVisible());
    ASSERT_TRUE(ecran_.EcranDiagramme->Imprimer1->isEnabled());
    ecran_.EcranDiagramme->ZoneClient->grab();
    const int points = ecran_.EcranDiagramme->Trace().Frequentiel.Echelles.NbPoints;
    ASSERT_GT(points, 0);
    ecran_.EcranDiagramme->Tableau1->trigger();
    const QTableWidget& grille = *ecran_.EcranTabVal->TabVal;
    ASSERT_EQ(grille.rowCount(), points);
    const QString gainAvant = grille.item(points / 2, 2)->text();
    ecran_.EcranDiagramme->Imprimer1->trigger();
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join("\n").toStdString();
    EXPECT_TRUE(ecran_.Document.ImpressionCouleur);
    const QString texte = TexteDuPdf(Pdf("DiagBode"));
    EXPECT_TRUE(texte.contains("Diagramme de Bode"));
    EXPECT_TRUE(texte.contains("Page de l'utilisateur"));
    EXPECT_EQ(InfoDuPdf(Pdf("DiagBode"), "Title"), "DiagBode");
    // La page de 8000 points n'a rien changé de ce que le tableau montre.
    EXPECT_EQ(ecran_.EcranDiagramme->Trace().Frequentiel.Echelles.NbPoints, points);
    ecran_.EcranDiagramme->Tableau1->trigger();
    EXPECT_EQ(grille.rowCount(), points);
    EXPECT_EQ(grille.item(points / 2, 2)->text(), gainAvant);
}

TEST_F(CommandesImpression, ImprimerLEchelonEnPdfEtAnnulerNImprimeRien)
{
    ecran_.EcranRepTemp->ExecuteDialogue = [this](QDialog& d) { return Repond(d); };
    ecran_.Echelon1->trigger();
    ASSERT_TRUE(ecran_.EcranRepTemp->isVisible());
    ecran_.EcranRepTemp->Imprimer1->trigger();
    const QString chemin = Pdf("Impression Réponse Indicielle");
    EXPECT_TRUE(TexteDuPdf(chemin).contains("Réponse à un échelon en entrée"));
    QFile::remove(chemin);
    ecran_.EcranRepTemp->ExecuteDialogue = [](QDialog& d) {
        d.show();
        d.reject();
        return d.result();
    };
    ecran_.EcranRepTemp->Imprimer1->trigger();
    EXPECT_FALSE(QFile::exists(chemin));
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

TEST_F(CommandesImpression, LaPageSuitLaLargeurTapeeAvecVirguleOuPoint)
{
    for (const char* largeur : {"100,5", "100.5"}) {
        largeur_ = QString::fromLatin1(largeur);
        TValeursImpression lues;
        TValeursImpression gardees;
        ecran_.Impression->ChoixFichierPdf = [this](const QString&) { return dossier_.filePath("largeur.pdf"); };
        const TOutilsImpression outils{ecran_.TailleImpression, ecran_.Impression};
        EXPECT_TRUE(CommandeImprimer(*ecran_.EcranDiagramme, outils, [this](QDialog& d) { return Repond(d); },
                                     gardees, "DiagBode",
                                     [&](QPainter&, const QRect&, int, const TValeursImpression& v) { lues = v; }));
        EXPECT_EQ(lues.Largeur, 100.5L) << largeur;
        EXPECT_EQ(gardees.Largeur, 100.5L) << largeur;
        // Sans dessin montré, la hauteur par défaut est la basse.
        EXPECT_EQ(lues.Hauteur, 195 - 35) << largeur;
        EXPECT_EQ(lues.Titre, "Page de l'utilisateur");
    }
}

TEST_F(CommandesImpression, ImpressionKovraImprimeMemeApresAnnulationDuDialogueDeLImprimante)
{
    ASSERT_TRUE(ecran_.ImpressionKovra1->isEnabled());
    int configurations = 0;
    ecran_.Impression->ExecuteConfiguration = [&](QPrintDialog&) {
        ++configurations;
        return int(QDialog::Rejected);
    };
    ecran_.ImpressionKovra1->trigger();
    EXPECT_EQ(configurations, 1);
    const QString chemin = Pdf("Impression Kovra");
    const QString texte = TexteDuPdf(chemin);
    EXPECT_TRUE(texte.contains("Système Stable"));
    EXPECT_TRUE(texte.contains("Zéros"));
    EXPECT_EQ(InfoDuPdf(chemin, "Title"), "Impression Kovra");
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

// L'étude imprimée montre ce que montre l'écran : la ligne des marges quand elle y est, et les
// couleurs quand « Impression en couleur » a été coché pour la page d'un diagramme.
TEST_F(CommandesImpression, ImpressionKovraAvecLesMargesEtEnCouleur)
{
    ecran_.MargesEtude1->setChecked(true);
    ecran_.EcranDiagramme->ExecuteDialogue = [this](QDialog& d) { return Repond(d); };
    ecran_.DiagBode->trigger();
    ecran_.EcranDiagramme->Imprimer1->trigger();
    ASSERT_TRUE(ecran_.Document.ImpressionCouleur);
    ecran_.Impression->ExecuteConfiguration = [](QPrintDialog&) { return int(QDialog::Accepted); };
    // Chaque impression redemande son fichier : l'étude va dans le sien, pas sur le Bode.
    ecran_.Impression->ChoixFichierPdf = [this](const QString&) { return Pdf("Impression Kovra"); };
    ecran_.ImpressionKovra1->trigger();
    const QString chemin = Pdf("Impression Kovra");
    const QString texte = TexteDuPdf(chemin);
    EXPECT_TRUE(texte.contains("Marge de gain")) << texte.toStdString();
    EXPECT_TRUE(texte.contains("Marge de phase"));
    // La page lue en image : les formules dans le bleu du schéma, pas en noir.
    const QString image = dossier_.filePath("etude");
    SortieDe(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-singlefile"),
                                          chemin, image});
    QImage page(image + ".ppm");
    ASSERT_FALSE(page.isNull());
    int bleus = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            bleus += c.blue() > 150 && c.red() < 100 && c.green() < 100;
        }
    EXPECT_GT(bleus, 50);
}

// Un fichier choisi par « Config. impr. » puis deux « Imprimer » de deux fenêtres : la seconde
// impression redemande le fichier et ne remplace le Bode qu'après un Oui.
TEST_F(CommandesImpression, ImprimerDeuxFoisNeRemplacePasLePremierPdfSansDemander)
{
    const QString choisi = dossier_.filePath("cours.pdf");
    ecran_.Impression->ExecuteConfiguration = [&](QPrintDialog& dialogue) {
        dialogue.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialogue.printer()->setOutputFileName(choisi);
        return int(QDialog::Accepted);
    };
    ecran_.TailleImpression->BtnConfigImpr->click();
    QStringList proposes;
    ecran_.Impression->ChoixFichierPdf = [&](const QString& propose) {
        proposes << propose;
        return propose;
    };
    ecran_.EcranDiagramme->ExecuteDialogue = [this](QDialog& d) { return Repond(d); };
    ecran_.EcranRepTemp->ExecuteDialogue = [this](QDialog& d) { return Repond(d); };
    ecran_.DiagBode->trigger();
    ecran_.EcranDiagramme->Imprimer1->trigger();
    const QByteArray bode = EmpreinteFichier(choisi);
    ASSERT_TRUE(TexteDuPdf(choisi).contains("Diagramme de Bode"));

    messages_.Reponses = {TReponse::Non};
    ecran_.Echelon1->trigger();
    ecran_.EcranRepTemp->Imprimer1->trigger();
    EXPECT_EQ(proposes, (QStringList{choisi, choisi}));
    EXPECT_EQ(messages_.Questions, QStringList{QuestionRemplacement(choisi)});
    EXPECT_EQ(EmpreinteFichier(choisi), bode);

    ecran_.EcranRepTemp->Imprimer1->trigger();
    EXPECT_EQ(messages_.Questions.size(), 2);
    EXPECT_TRUE(TexteDuPdf(choisi).contains("Réponse à un échelon en entrée"));
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join("\n").toStdString();
}

// Au premier « Imprimer » d'une session, « Valider » tout de suite imprime aux valeurs par défaut ;
// ensuite le dialogue rouvre sur les dernières valeurs validées, même après une annulation.
TEST_F(CommandesImpression, LeDialogueDeTailleSOuvreSurDesValeursValables)
{
    TTailleImpression& taille = *ecran_.TailleImpression;
    QStringList largeurs;
    const auto valideTel = [&](QDialog& d) {
        largeurs << taille.Largeur->text();
        d.show();
        taille.BtnValider()->click();
        return d.result();
    };
    ecran_.EcranDiagramme->ExecuteDialogue = [this](QDialog& d) { return Repond(d); };
    ecran_.DiagBode->trigger();
    ecran_.EcranDiagramme->ExecuteDialogue = valideTel;
    ecran_.EcranDiagramme->Imprimer1->trigger();
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join("\n").toStdString();
    EXPECT_TRUE(TexteDuPdf(Pdf("DiagBode")).contains("Diagramme de Bode"));

    ecran_.EcranDiagramme->ExecuteDialogue = [&](QDialog& d) {
        largeurs << taille.Largeur->text();
        taille.Largeur->setText("150");
        d.show();
        taille.BtnValider()->click();
        return d.result();
    };
    ecran_.EcranDiagramme->Imprimer1->trigger();
    ecran_.EcranDiagramme->ExecuteDialogue = [&](QDialog& d) {
        largeurs << taille.Largeur->text();
        taille.Largeur->setText("");
        d.show();
        d.reject();
        return d.result();
    };
    ecran_.EcranDiagramme->Imprimer1->trigger();
    ecran_.EcranDiagramme->ExecuteDialogue = valideTel;
    ecran_.EcranDiagramme->Imprimer1->trigger();
    EXPECT_EQ(largeurs, (QStringList{"180", "180", "150", "150"})) << largeurs.join('|').toStdString();
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join("\n").toStdString();
}
