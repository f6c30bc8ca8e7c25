// Fenêtre des réponses temporelles : commandes du menu principal, dessin à chaque peinture
// avec les champs du dialogue du mode, « Echelles », fermeture et redimensionnement.
#include "fenetres/UEcranRepTemp.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include "AideDialogues.h"
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
    EXPECT_FALSE(ecran_.ExportExcel1->isEnabled());
    EXPECT_TRUE(ecran_.Echelles1->isEnabled());
    ecran_.CommandeReponse(TTypeReponse::Indicielle);
    EXPECT_EQ(executes_, QStringList{"EchellesRepIndic"});
    ASSERT_TRUE(ecran_.isVisible());
    EXPECT_EQ(doc_.TypeReponse, TTypeReponse::Indicielle);
    const QImage image = Peint();
    EXPECT_EQ(doc_.ValeursTemporelles.TMaxTrace, 10);
    EXPECT_NEAR(double(doc_.ValeursTemporelles.YMaxTrace), 1, 1e-15);
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
    EXPECT_EQ(doc_.ValeursTemporelles.TMaxTrace, 20);
    Repond(QDialog::Rejected, tmax("abc"));
    ecran_.Echelles1->trigger();
    Peint();
    EXPECT_EQ(rampe_.EditTmax->text(), "20");
    EXPECT_EQ(doc_.ValeursTemporelles.TMaxTrace, 20);
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
    EXPECT_EQ(doc_.ValeursTemporelles.BornesEchelon.YMax, 1);
    EXPECT_EQ(doc_.ValeursTemporelles.BornesRampe.YMax, 3);
    EXPECT_NEAR(double(doc_.ValeursTemporelles.YMaxTrace), 3, 1e-15);
}

TEST_F(EcranRepTemp, RedimensionneeMemeMinusculeSansPlantage)
{
    ecran_.CommandeReponse(TTypeReponse::Indicielle);
    for (const QSize taille : {QSize(1, 1), QSize(0, 0), QSize(5, 400), QSize(1920, 1080)})
        Peint(taille);
    EXPECT_GT(PixelsCourbe(Peint({640, 480})), 300);
}

}
