// Dialogue des paramètres de Nyquist : textes non numériques, trois contrôles indépendants,
// plages que le tracé ne sait pas dessiner, valeurs automatiques, annulation.
#include "diagrammes/USaisieParamNyquist.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "document/AideDialogues.h"
#include "document/Document.h"

namespace {

class EchellesNyquist : public testing::TestWithParam<char> {
protected:
    EchellesNyquist() : separateur_(GetParam()), dialogue_(document_) { MontreActif(dialogue_); }

    void Valide(const QStringList& textes)
    {
        QLineEdit* const champs[] = {dialogue_.Fmin, dialogue_.Fmax, dialogue_.ReMin,
                                     dialogue_.ReMax, dialogue_.ImMin, dialogue_.ImMax};
        for (int i = 0; i < 6; ++i)
            champs[i]->setText(textes[i]);
        messages_.Messages.clear();
        dialogue_.OKBtn->click();
    }

    SeparateurImpose separateur_;
    EnregistreurMessages messages_;
    TDocument document_ = DocumentInitial();
    TEchellesNyquist dialogue_;
};

TEST_P(EchellesNyquist, TextesEtBoutons)
{
    EXPECT_EQ(dialogue_.windowTitle(), "Diagramme de Nyquist");
    EXPECT_EQ(dialogue_.AffichageFrequence->text(), "Affichage de la fréquence");
    EXPECT_FALSE(dialogue_.AffichageFrequence->isChecked());
    EXPECT_EQ(dialogue_.BtnAutomatique->text(), "Automatique");
    EXPECT_EQ(dialogue_.BtnAutomatique->toolTip(), "fournit les valeurs calculées par le logiciel");
    EXPECT_TRUE(dialogue_.OKBtn->isDefault());
}

TEST_P(EchellesNyquist, UnTexteQuiNEstPasUnNombreArreteLaLectureSurSonChamp)
{
    const QString bon[] = {"0.1", "100", "-1", "1", "-1", "1"};
    const char* messages[] = {"Fréquence minimum mal saisie", "Fréquence maximum mal saisie", "X minimum mal saisi",
                              "X maximum mal saisi", "Y minimum mal saisi", "Y maximum mal saisi"};
    QLineEdit* const champs[] = {dialogue_.Fmin, dialogue_.Fmax, dialogue_.ReMin,
                                 dialogue_.ReMax, dialogue_.ImMin, dialogue_.ImMax};
    for (int faux = 0; faux < 6; ++faux) {
        QStringList textes(std::begin(bon), std::end(bon));
        textes[faux] = "1,2,3";
        Valide(textes);
        EXPECT_EQ(messages_.Messages, QStringList{messages[faux]});
        EXPECT_EQ(dialogue_.focusWidget(), champs[faux]);
    }
    EXPECT_TRUE(dialogue_.isVisible());
}

TEST_P(EchellesNyquist, LesTroisControlesSontIndependantsEtLeFocusFinitSurLeDernier)
{
    Valide({"100", "1", "0.2", "1", "0.5", "1"});
    EXPECT_EQ(messages_.Messages, (QStringList{"Fréquence minimum ou maximum incorrecte",
                                               "XMin>0 ou XMax<0 ou XMin>Xmax: c'est incorrect",
                                               "YMin>0 ou YMax<0 ou YMin>Ymax: c'est incorrect"}));
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.ImMin);

    Valide({"1", "100", "0,2", "1", "-1", "1"});
    EXPECT_EQ(messages_.Messages, QStringList{"XMin>0 ou XMax<0 ou XMin>Xmax: c'est incorrect"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.ReMin);

    Valide({"1", "100", "-1", "1", "-1", "-0.5"});
    EXPECT_EQ(messages_.Messages, QStringList{"YMin>0 ou YMax<0 ou YMin>Ymax: c'est incorrect"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.ImMin);
    EXPECT_TRUE(dialogue_.isVisible());
}

TEST_P(EchellesNyquist, CeQueLeTraceNeSaitPasDessinerEstRefuse)
{
    Valide({"0", "100", "-1", "1", "-1", "1"});
    EXPECT_EQ(messages_.Messages, QStringList{"Fréquence minimum nulle: l'échelle des fréquences est logarithmique"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.Fmin);

    Valide({"10", "10", "-1", "1", "-1", "1"});
    EXPECT_EQ(messages_.Messages, QStringList{"Fréquences minimum et maximum égales: aucune décade à tracer"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.Fmax);

    Valide({"1", "100", "0", "0", "-1", "1"});
    EXPECT_EQ(messages_.Messages, QStringList{"XMin=XMax: c'est incorrect"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.ReMin);

    Valide({"1", "100", "-1", "1", "0", "0"});
    EXPECT_EQ(messages_.Messages, QStringList{"YMin=YMax: c'est incorrect"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.ImMin);

    Valide({"1", "100", "-1e4932", "1e4932", "-1", "1"});
    EXPECT_EQ(messages_.Messages, QStringList{"Ecart entre XMin et XMax trop grand"});
    EXPECT_NE(dialogue_.result(), QDialog::Accepted);
}

TEST_P(EchellesNyquist, ValeursAutomatiquesPuisValidation)
{
    document_.FreqBasseAuto = 0.001591L;
    document_.FreqHauteAuto = 1234.5L;
    document_.ReMinAuto = -0.001L;
    document_.ReMaxAuto = 0.99999L;
    document_.ImMinAuto = -0.4999L;
    document_.ImMaxAuto = 0.001L;
    dialogue_.BtnAutomatique->click();
    EXPECT_EQ(dialogue_.Fmin->text(), AvecSeparateur("+0#001591"));
    EXPECT_EQ(dialogue_.Fmax->text(), AvecSeparateur("+1#23E3"));
    EXPECT_EQ(dialogue_.ReMin->text(), AvecSeparateur("-0#001"));
    EXPECT_EQ(dialogue_.ReMax->text(), "+1");
    EXPECT_EQ(dialogue_.ImMin->text(), AvecSeparateur("-0#5"));
    EXPECT_EQ(dialogue_.ImMax->text(), AvecSeparateur("+0#001"));
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.OKBtn);
    dialogue_.OKBtn->click();
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join('|').toStdString();
    EXPECT_EQ(dialogue_.result(), QDialog::Accepted);
}

TEST_P(EchellesNyquist, AnnulerRendTextesEtCase)
{
    Valide({"1", "100", "-1", "1", "-1", "1"});
    ASSERT_EQ(dialogue_.result(), QDialog::Accepted);
    MontreActif(dialogue_);
    dialogue_.ReMin->setText("5");
    dialogue_.AffichageFrequence->setChecked(true);
    dialogue_.reject();
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_EQ(dialogue_.ReMin->text(), "-1");
    EXPECT_FALSE(dialogue_.AffichageFrequence->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Separateurs, EchellesNyquist, testing::Values(',', '.'));

}
