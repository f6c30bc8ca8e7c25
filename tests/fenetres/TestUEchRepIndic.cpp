// Dialogue de l'échelon : première ouverture, valeurs et échelles automatiques, drapeaux
// tenus à la sortie des champs, messages dans l'ordre avec leur focus, textes hostiles.
#include "fenetres/UEchRepIndic.h"

#include <QCheckBox>
#include <QGroupBox>

#include "AideReponses.h"

namespace {

class EchRepIndic : public DialogueReponse<TEchellesRepIndic> {
protected:
    std::vector<QLineEdit*> Champs() const
    {
        return {dialogue_.EditConsI, dialogue_.EditConsf, dialogue_.EditTmax, dialogue_.EditYmin, dialogue_.EditYmax};
    }
};

TEST_P(EchRepIndic, PremiereOuvertureChampsVidesEtBoutonsGrises)
{
    EXPECT_EQ(dialogue_.windowTitle(), "Saisie de l'échelon d'entrée et des échelles");
    for (QLineEdit* champ : Champs())
        EXPECT_TRUE(champ->text().isEmpty()) << champ->objectName().toStdString();
    EXPECT_EQ(dialogue_.EditNomUnite->text(), "unités S.I.");
    EXPECT_EQ(dialogue_.EditConsI->toolTip(), "nombre réel, en unités");
    EXPECT_EQ(dialogue_.EditNomUnite->toolTip(), "unité utilisée, juste pour l'affichage");
    EXPECT_FALSE(dialogue_.BtnEchAuto->isEnabled());
    EXPECT_FALSE(dialogue_.BtnValider()->isEnabled());
    EXPECT_TRUE(dialogue_.BtnConsAuto->isEnabled());
    EXPECT_TRUE(dialogue_.BtnValider()->isDefault());
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.EditConsI);
    QStringList groupes;
    for (const QGroupBox* g : dialogue_.findChildren<QGroupBox*>())
        groupes << g->title();
    EXPECT_EQ(groupes, QStringList({"Echelon d'entrée:", "Echelles de la réponse indicielle"}));
    const std::vector<QWidget*> ordre{dialogue_.BtnValider(), dialogue_.EditConsI,    dialogue_.EditConsf,
                                      dialogue_.EditNomUnite, dialogue_.BtnValiderCons, dialogue_.EditTmax,
                                      dialogue_.EditYmin,     dialogue_.EditYmax,       dialogue_.BtnValiderEch,
                                      dialogue_.BtnEchAuto,   dialogue_.CancelBtn,      dialogue_.BtnConsAuto,
                                      dialogue_.DeuxPourCent};
    EXPECT_EQ(OrdreTabulation(dialogue_.BtnValider(), ordre.size()), ordre);
}

// 1/(p+1) : échelon 0 → 1, réponse entre 0 et 1 en une dizaine de secondes.
TEST_P(EchRepIndic, ValeursAutoPuisEchellesAutoPermettentDeValider)
{
    dialogue_.BtnConsAuto->click();
    EXPECT_EQ(dialogue_.EditConsI->text(), "0");
    EXPECT_EQ(dialogue_.EditConsf->text(), "1");
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.EditTmax);
    EXPECT_TRUE(dialogue_.ConsOK());
    ASSERT_TRUE(dialogue_.BtnEchAuto->isEnabled());
    EXPECT_FALSE(dialogue_.BtnValider()->isEnabled());
    dialogue_.BtnEchAuto->click();
    EXPECT_EQ(dialogue_.EditTmax->text(), "+10");
    EXPECT_EQ(dialogue_.EditYmin->text(), "+0");
    EXPECT_EQ(dialogue_.EditYmax->text(), "+1");
    EXPECT_TRUE(dialogue_.EchOK());
    EXPECT_TRUE(dialogue_.BtnValider()->isEnabled());
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.BtnValider());
    dialogue_.BtnValider()->click();
    EXPECT_EQ(dialogue_.result(), QDialog::Accepted);
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join('|').toStdString();
    const TParamReponse p = dialogue_.Parametres();
    EXPECT_EQ(p.TMax, 10);
    EXPECT_EQ(p.ConsF, 1);
    EXPECT_EQ(p.Unite, "unités S.I.");
}

// Niveaux 2 → 1 et gain 1 : l'entrée et la réponse tiennent entre 1 et 2.
TEST_P(EchRepIndic, EchellesAutoContiennentEntreeEtReponse)
{
    dialogue_.EditConsI->setText(AvecSeparateur("2#0"));
    dialogue_.EditConsf->setText("1");
    dialogue_.BtnValiderCons->click();
    ASSERT_TRUE(dialogue_.BtnEchAuto->isEnabled());
    dialogue_.BtnEchAuto->click();
    EXPECT_EQ(dialogue_.EditConsI->text(), AvecSeparateur("2#0"));
    EXPECT_EQ(dialogue_.EditYmin->text(), "+1");
    EXPECT_EQ(dialogue_.EditYmax->text(), "+2");
    dialogue_.EditConsI->setText("a");
    dialogue_.BtnEchAuto->click();
    EXPECT_EQ(messages_.Messages, QStringList{"il y a un problème"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.EditTmax);
}

// Gain statique 2 : l'échelon 1 → 2 fait partir la réponse de 2 et finir à 4. Des échelles
// qui oublieraient le niveau initial couperaient le haut de la réponse.
TEST_P(EchRepIndic, EchellesAutoPartentDuNiveauInitialFoisLeGain)
{
    TDocument document = DocumentAnalyse(PolynomeDeCoefs({2}), PolynomeDeCoefs({1, 1}));
    TEchellesRepIndic dialogue(document);
    MontreActif(dialogue);
    dialogue.EditConsI->setText("1");
    dialogue.EditConsf->setText("2");
    dialogue.BtnValiderCons->click();
    ASSERT_TRUE(dialogue.BtnEchAuto->isEnabled());
    dialogue.BtnEchAuto->click();
    EXPECT_EQ(dialogue.EditYmin->text(), "+1");
    EXPECT_EQ(dialogue.EditYmax->text(), "+4");
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

TEST_P(EchRepIndic, ValiderValeursRefuseDesConsignesEgalesOuIllisibles)
{
    const struct {
        QString ConsI, ConsF, Message;
    } cas[] = {{"1", AvecSeparateur("1#0"), "les deux consignes doivent être différentes"},
               {"", "1", "consignes mal saisies"},
               {"1", "x", "consignes mal saisies"}};
    for (const auto& c : cas) {
        dialogue_.BtnConsAuto->click();
        Remplit({dialogue_.EditConsI, dialogue_.EditConsf}, {c.ConsI, c.ConsF});
        messages_.Messages.clear();
        dialogue_.BtnValiderCons->click();
        EXPECT_EQ(messages_.Messages, QStringList{c.Message});
        EXPECT_FALSE(dialogue_.ConsOK());
        EXPECT_FALSE(dialogue_.BtnEchAuto->isEnabled());
        EXPECT_EQ(dialogue_.focusWidget(), dialogue_.EditConsI);
    }
}

TEST_P(EchRepIndic, ValiderEchellesUnMessageParRefusAvecSonFocus)
{
    const struct {
        QStringList Textes;
        const char* Message;
        QLineEdit* TEchellesRepIndic::*Focus;
    } cas[] = {
        {{"dix", "0", "1"}, "erreur dans tMax", &TEchellesRepIndic::EditTmax},
        {{"0", "0", "1"}, "tmax doit être positif", &TEchellesRepIndic::EditTmax},
        {{"10", "", "1"}, "erreur dans YMin", &TEchellesRepIndic::EditYmin},
        {{"10", "0", "1e"}, "erreur dans YMax", &TEchellesRepIndic::EditYmax},
        {{"10", "1", "1"}, "Ymin doit être inférieur à YMax", &TEchellesRepIndic::EditYmin},
        {{"1e-4931", "0", "1"}, "tmax trop petit", &TEchellesRepIndic::EditTmax},
        {{"1e4932", "0", "1"}, "tmax trop grand", &TEchellesRepIndic::EditTmax},
        {{"1e300", "0", "1"}, "tmax trop grand", &TEchellesRepIndic::EditTmax},
        {{"10", "-1e300", "1e300"}, "Ecart entre Ymin et Ymax trop grand", &TEchellesRepIndic::EditYmin},
        {{"10", "1e30", "1.0000000000000000002e30"}, "Ecart entre Ymin et Ymax trop faible", &TEchellesRepIndic::EditYmin},
        {{"10", "-1e4932", "1e4932"}, "Ecart entre Ymin et Ymax trop grand", &TEchellesRepIndic::EditYmin},
    };
    dialogue_.BtnConsAuto->click();
    for (const auto& c : cas) {
        Remplit({dialogue_.EditTmax, dialogue_.EditYmin, dialogue_.EditYmax}, c.Textes);
        messages_.Messages.clear();
        dialogue_.BtnValiderEch->click();
        EXPECT_EQ(messages_.Messages, QStringList{c.Message}) << c.Message;
        EXPECT_EQ(dialogue_.focusWidget(), dialogue_.*c.Focus) << c.Message;
        EXPECT_FALSE(dialogue_.EchOK()) << c.Message;
    }
    Remplit({dialogue_.EditTmax, dialogue_.EditYmin, dialogue_.EditYmax}, {AvecSeparateur("2,5"), "-1", "1.5"});
    messages_.Messages.clear();
    dialogue_.BtnValiderEch->click();
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_TRUE(dialogue_.EchOK());
    EXPECT_TRUE(dialogue_.BtnValider()->isEnabled());
    EXPECT_EQ(dialogue_.EditTmax->text(), AvecSeparateur("2#5"));
}

// Tout tapé à la main, validé bouton par bouton : après une consigne refusée puis corrigée,
// « Valider » doit s'allumer et rendre ce qui a été tapé.
TEST_P(EchRepIndic, ValeursEtEchellesTapeesPuisValideesPermettentDeFermer)
{
    Remplit({dialogue_.EditConsI, dialogue_.EditConsf}, {"2", "2"});
    dialogue_.BtnValiderCons->click();
    ASSERT_FALSE(dialogue_.ConsOK());
    dialogue_.EditConsf->setText("3");
    dialogue_.BtnValiderCons->click();
    EXPECT_TRUE(dialogue_.ConsOK());
    Remplit({dialogue_.EditTmax, dialogue_.EditYmin, dialogue_.EditYmax}, {"4", "1", "5"});
    dialogue_.BtnValiderEch->click();
    ASSERT_TRUE(dialogue_.BtnValider()->isEnabled());
    dialogue_.BtnValider()->click();
    EXPECT_EQ(dialogue_.result(), QDialog::Accepted);
    EXPECT_EQ(messages_.Messages, QStringList{"les deux consignes doivent être différentes"});
    const TParamReponse p = dialogue_.Parametres();
    EXPECT_EQ(p.ConsF, 3);
    EXPECT_EQ(p.TMax, 4);
}

// En quittant un champ : séparateur normalisé et réécrit, drapeaux et boutons à jour.
TEST_P(EchRepIndic, SortieDesChampsTientLesDrapeauxAJour)
{
    Quitte(dialogue_.EditConsI, "0,5");
    EXPECT_EQ(dialogue_.EditConsI->text(), AvecSeparateur("0#5"));
    EXPECT_FALSE(dialogue_.ConsOK());
    Quitte(dialogue_.EditConsf, "1.5");
    EXPECT_TRUE(dialogue_.ConsOK());
    EXPECT_TRUE(dialogue_.BtnEchAuto->isEnabled());
    Quitte(dialogue_.EditTmax, "5");
    Quitte(dialogue_.EditYmin, "0");
    EXPECT_FALSE(dialogue_.BtnValider()->isEnabled());
    Quitte(dialogue_.EditYmax, "2");
    EXPECT_TRUE(dialogue_.EchOK());
    EXPECT_TRUE(dialogue_.BtnValider()->isEnabled());
    Quitte(dialogue_.EditConsf, AvecSeparateur("0#5"));
    EXPECT_FALSE(dialogue_.ConsOK());
    EXPECT_FALSE(dialogue_.BtnEchAuto->isEnabled());
    EXPECT_FALSE(dialogue_.BtnValider()->isEnabled());
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

// Un champ changé puis validé par Entrée sans l'avoir quitté est revu avant de fermer.
TEST_P(EchRepIndic, ValiderRevoitLesChampsAvantDeFermer)
{
    dialogue_.BtnConsAuto->click();
    dialogue_.BtnEchAuto->click();
    ASSERT_TRUE(dialogue_.BtnValider()->isEnabled());
    dialogue_.EditYmax->setText("abc");
    dialogue_.BtnValider()->click();
    EXPECT_EQ(messages_.Messages, QStringList{"des erreurs interdisent la fermeture de la fenêtre"});
    EXPECT_TRUE(dialogue_.isVisible());
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.EditTmax);
    EXPECT_FALSE(dialogue_.BtnValider()->isEnabled());
}

TEST_P(EchRepIndic, AnnulerRendLesTextesEtLesDrapeauxDeLOuverture)
{
    dialogue_.BtnConsAuto->click();
    dialogue_.BtnEchAuto->click();
    dialogue_.BtnValider()->click();
    ASSERT_EQ(dialogue_.result(), QDialog::Accepted);
    MontreActif(dialogue_);
    Quitte(dialogue_.EditConsf, "0");
    dialogue_.EditNomUnite->setText("V");
    EXPECT_FALSE(dialogue_.ConsOK());
    dialogue_.CancelBtn->click();
    EXPECT_EQ(dialogue_.result(), QDialog::Rejected);
    EXPECT_EQ(dialogue_.EditConsf->text(), "1");
    EXPECT_EQ(dialogue_.EditNomUnite->text(), "unités S.I.");
    EXPECT_TRUE(dialogue_.ConsOK());
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

TEST_P(EchRepIndic, TextesHostilesRefusesOuEchellesTracables)
{
    EssaieHostiles(Champs(), {"0", "1", "10", "0", "1"});
}

INSTANTIATE_TEST_SUITE_P(Separateurs, EchRepIndic, testing::Values(',', '.'));

}
