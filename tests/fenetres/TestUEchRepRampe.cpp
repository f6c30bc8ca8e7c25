// Dialogue de la rampe : paramètres et échelles automatiques, contrôle de fermeture champ
// par champ dans l'ordre, avec son message et son focus, textes hostiles.
#include "fenetres/UEchRepRampe.h"

#include "AideReponses.h"

namespace {

class EchRepRampe : public DialogueReponse<TEchellesRepRampe> {
protected:
    std::vector<QLineEdit*> Champs() const
    {
        return {dialogue_.EditConsI, dialogue_.EditPente, dialogue_.EditTmax, dialogue_.EditYmin, dialogue_.EditYmax};
    }
};

TEST_P(EchRepRampe, PremiereOuvertureChampsVidesEtBoutonsGrises)
{
    EXPECT_EQ(dialogue_.windowTitle(), "Saisie de la rampe d'entrée et des échelles");
    for (QLineEdit* champ : Champs())
        EXPECT_TRUE(champ->text().isEmpty()) << champ->objectName().toStdString();
    EXPECT_EQ(dialogue_.EditPente->toolTip(), "nombre réel, en unités par seconde");
    EXPECT_EQ(dialogue_.EditNomUnite->toolTip(), "unité de la consigne, juste pour l'affichage");
    EXPECT_EQ(dialogue_.BtnConsAuto->text(), "Paramètres auto.");
    EXPECT_FALSE(dialogue_.BtnEchAuto->isEnabled());
    EXPECT_FALSE(dialogue_.BtnValider()->isEnabled());
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.EditConsI);
}

// TMaxAuto = 10 : la pente 0,1 fait monter l'entrée de 1 en 10 s ; la réponse de 1/(p+1)
// (t - 1 + e^-t)/10 reste entre 0 et 1.
TEST_P(EchRepRampe, ParametresPuisEchellesAutomatiques)
{
    ASSERT_EQ(document_.EchellesAuto.TMaxAuto, 10);
    dialogue_.BtnConsAuto->click();
    EXPECT_EQ(dialogue_.EditConsI->text(), "0");
    EXPECT_EQ(dialogue_.EditPente->text(), AvecSeparateur("0#100000"));
    EXPECT_TRUE(dialogue_.ParamOK());
    ASSERT_TRUE(dialogue_.BtnEchAuto->isEnabled());
    dialogue_.BtnEchAuto->click();
    EXPECT_EQ(dialogue_.EditTmax->text(), "+10");
    EXPECT_EQ(dialogue_.EditYmin->text(), "+0");
    EXPECT_EQ(dialogue_.EditYmax->text(), "+1");
    EXPECT_TRUE(dialogue_.BtnValider()->isEnabled());
    dialogue_.BtnValider()->click();
    EXPECT_EQ(dialogue_.result(), QDialog::Accepted);
    EXPECT_EQ(dialogue_.Parametres().Pente, 0.1L);

    MontreActif(dialogue_);
    dialogue_.EditPente->setText("x");
    dialogue_.BtnEchAuto->click();
    EXPECT_EQ(messages_.Messages, QStringList{"il y a eu un problème"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.EditConsI);
}

TEST_P(EchRepRampe, ValiderLitLesChampsDansLOrdreEtS_arreteAuPremierFautif)
{
    const struct {
        QStringList Textes;
        const char* Message;
        QLineEdit* TEchellesRepRampe::*Focus;
    } cas[] = {
        {{"", "", "", "", ""}, "Consigne initiale mal saisie", &TEchellesRepRampe::EditConsI},
        {{"0", "", "10", "0", "1"}, "Pente mal saisie", &TEchellesRepRampe::EditPente},
        {{"0", "1", "t", "y", "z"}, "Tmax mal saisi", &TEchellesRepRampe::EditTmax},
        {{"0", "1", "10", "y", "z"}, "Ymin mal saisi", &TEchellesRepRampe::EditYmin},
        {{"0", "1", "10", "0", "z"}, "Ymax mal saisi", &TEchellesRepRampe::EditYmax},
        {{"0", "1", "-1", "1", "0"}, "T max doit être positif", &TEchellesRepRampe::EditTmax},
        {{"0", "1", "10", "1", "0"}, "Ymax doit être supérieur à Ymin", &TEchellesRepRampe::EditYmax},
        {{"0", "1", "1e-4931", "0", "1"}, "tmax trop petit", &TEchellesRepRampe::EditTmax},
        {{"0", "1", "1e300", "0", "1"}, "tmax trop grand", &TEchellesRepRampe::EditTmax},
        {{"0", "1", "10", "1e30", "1.0000000000000000002e30"}, "Ecart entre Ymin et Ymax trop faible",
         &TEchellesRepRampe::EditYmin},
    };
    for (const auto& c : cas) {
        Remplit(Champs(), c.Textes);
        messages_.Messages.clear();
        dialogue_.accept();
        EXPECT_EQ(messages_.Messages, QStringList{c.Message}) << c.Message;
        EXPECT_EQ(dialogue_.focusWidget(), dialogue_.*c.Focus) << c.Message;
        EXPECT_TRUE(dialogue_.isVisible()) << c.Message;
    }
    Remplit(Champs(), {"1", "0", AvecSeparateur("5#5"), "-1", "2"});
    messages_.Messages.clear();
    dialogue_.accept();
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_EQ(dialogue_.result(), QDialog::Accepted);
    EXPECT_EQ(dialogue_.Parametres().TMax, 5.5L);
}

// « Valider » actif, puis la pente effacée sans quitter le champ : le contrôle la trouve.
TEST_P(EchRepRampe, PenteEffaceeRefuseeAuMomentDeValider)
{
    dialogue_.BtnConsAuto->click();
    dialogue_.BtnEchAuto->click();
    ASSERT_TRUE(dialogue_.BtnValider()->isEnabled());
    dialogue_.EditPente->clear();
    dialogue_.BtnValider()->click();
    EXPECT_EQ(messages_.Messages, QStringList{"Pente mal saisie"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.EditPente);
    EXPECT_TRUE(dialogue_.isVisible());
}

// Chaque bouton du dialogue agit : Ymin au-dessus de Ymax est refusé dès « Valider
// échelles », une pente illisible dès « Valider paramètres », et « Valider » n'est offert
// qu'aux deux groupes acceptés.
TEST_P(EchRepRampe, ValiderParametresEtValiderEchellesRefusentOuAcceptent)
{
    const struct {
        QStringList Textes;  // consigne, pente
        const char* Message;
        QLineEdit* TEchellesRepRampe::*Focus;
    } parametres[] = {
        {{"", "1"}, "Consigne initiale mal saisie", &TEchellesRepRampe::EditConsI},
        {{"0", "pente"}, "Pente mal saisie", &TEchellesRepRampe::EditPente},
    };
    for (const auto& c : parametres) {
        Remplit({dialogue_.EditConsI, dialogue_.EditPente}, c.Textes);
        messages_.Messages.clear();
        dialogue_.BtnValiderParam->click();
        EXPECT_EQ(messages_.Messages, QStringList{c.Message});
        EXPECT_EQ(dialogue_.focusWidget(), dialogue_.*c.Focus) << c.Message;
        EXPECT_FALSE(dialogue_.ParamOK()) << c.Message;
        EXPECT_FALSE(dialogue_.BtnEchAuto->isEnabled()) << c.Message;
    }
    Remplit({dialogue_.EditConsI, dialogue_.EditPente}, {"1", AvecSeparateur("0,5")});
    messages_.Messages.clear();
    dialogue_.BtnValiderParam->click();
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_TRUE(dialogue_.ParamOK());
    EXPECT_TRUE(dialogue_.BtnEchAuto->isEnabled());
    EXPECT_EQ(dialogue_.EditPente->text(), AvecSeparateur("0#5"));
    EXPECT_FALSE(dialogue_.BtnValider()->isEnabled());

    const struct {
        QStringList Textes;  // t max, Y min, Y max
        const char* Message;
        QLineEdit* TEchellesRepRampe::*Focus;
    } echelles[] = {
        {{"t", "0", "1"}, "Tmax mal saisi", &TEchellesRepRampe::EditTmax},
        {{"-2", "0", "1"}, "T max doit être positif", &TEchellesRepRampe::EditTmax},
        {{"10", "2", "1"}, "Ymax doit être supérieur à Ymin", &TEchellesRepRampe::EditYmax},
        {{"10", "-1e4932", "1e4932"}, "Ecart entre Ymin et Ymax trop grand", &TEchellesRepRampe::EditYmin},
        {{"1e300", "0", "1"}, "tmax trop grand", &TEchellesRepRampe::EditTmax},
        {{"10", "-1e300", "1e300"}, "Ecart entre Ymin et Ymax trop grand", &TEchellesRepRampe::EditYmin},
    };
    for (const auto& c : echelles) {
        Remplit({dialogue_.EditTmax, dialogue_.EditYmin, dialogue_.EditYmax}, c.Textes);
        messages_.Messages.clear();
        dialogue_.BtnValiderEch->click();
        EXPECT_EQ(messages_.Messages, QStringList{c.Message});
        EXPECT_EQ(dialogue_.focusWidget(), dialogue_.*c.Focus) << c.Message;
        EXPECT_FALSE(dialogue_.EchOK()) << c.Message;
        EXPECT_FALSE(dialogue_.BtnValider()->isEnabled()) << c.Message;
    }
    Remplit({dialogue_.EditTmax, dialogue_.EditYmin, dialogue_.EditYmax}, {"10", "0", "6"});
    messages_.Messages.clear();
    dialogue_.BtnValiderEch->click();
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_TRUE(dialogue_.EchOK());
    ASSERT_TRUE(dialogue_.BtnValider()->isEnabled());
    dialogue_.BtnValider()->click();
    EXPECT_EQ(dialogue_.result(), QDialog::Accepted);
    EXPECT_EQ(dialogue_.Parametres().Pente, 0.5L);

    MontreActif(dialogue_);
    dialogue_.CancelBtn->click();
    EXPECT_EQ(dialogue_.result(), QDialog::Rejected);
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

TEST_P(EchRepRampe, TextesHostilesRefusesOuEchellesTracables)
{
    EssaieHostiles(Champs(), {"0", "0.1", "10", "0", "1"});
}

INSTANTIATE_TEST_SUITE_P(Separateurs, EchRepRampe, testing::Values(',', '.'));

}
