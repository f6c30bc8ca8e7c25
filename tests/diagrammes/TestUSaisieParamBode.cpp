// Dialogue des échelles de Bode : messages dans l'ordre avec leur focus, valeurs automatiques,
// les deux séparateurs, refus de ce que le tracé ne sait pas dessiner, annulation.
#include "diagrammes/USaisieParamBode.h"

#include <QLineEdit>
#include <QPushButton>

#include "document/AideDialogues.h"
#include "document/Document.h"
#include "document/DocumentsDessin.h"

namespace {

struct CasRefus {
    const char* FreqMin;
    const char* FreqMax;
    const char* GainMin;
    const char* GainMax;
    const char* Message;
    QLineEdit* TEchellesBode::*Focus;
};

class EchellesBode : public testing::TestWithParam<char> {
protected:
    EchellesBode() : separateur_(GetParam()), dialogue_(document_) {}

    void Remplit(const QString& fmin, const QString& fmax, const QString& gmin, const QString& gmax)
    {
        dialogue_.FreqMin->setText(fmin);
        dialogue_.FreqMax->setText(fmax);
        dialogue_.GainMin->setText(gmin);
        dialogue_.GainMax->setText(gmax);
    }

    SeparateurImpose separateur_;
    EnregistreurMessages messages_;
    TDocument document_ = DocumentInitial();
    TEchellesBode dialogue_;
};

TEST_P(EchellesBode, TextesEtBoutons)
{
    EXPECT_EQ(dialogue_.windowTitle(), "Echelles du Diagramme de Bode");
    EXPECT_EQ(dialogue_.OKBtn->text(), "Valider");
    EXPECT_TRUE(dialogue_.OKBtn->isDefault());
    EXPECT_EQ(dialogue_.CancelBtn->text(), "Annuler");
    EXPECT_EQ(dialogue_.Defaut->text(), "Echelle autom.");
    EXPECT_EQ(dialogue_.Titre->toolTip(), "facultatif");
    for (QLineEdit* champ : {dialogue_.FreqMin, dialogue_.FreqMax, dialogue_.GainMin, dialogue_.GainMax, dialogue_.Titre})
        EXPECT_TRUE(champ->text().isEmpty());
}

TEST_P(EchellesBode, ChaqueRefusAfficheSonSeulMessageEtPlaceLeFocus)
{
    const CasRefus cas[] = {
        {"abc", "x", "y", "z", "Fréquence minimum mal saisie", &TEchellesBode::FreqMin},
        {"1", "", "-10", "10", "Fréquence maximum mal saisie", &TEchellesBode::FreqMax},
        {"1", "10", "1e", "10", "Gain minimum mal saisi", &TEchellesBode::GainMin},
        {"1", "10", "-10", "dix", "Gain maximum mal saisi", &TEchellesBode::GainMax},
        {"10", "10", "5", "1", "Fréquence minimum ou maximum incorrecte", &TEchellesBode::FreqMin},
        {"-1", "10", "-10", "10", "Fréquence minimum ou maximum incorrecte", &TEchellesBode::FreqMin},
        {"1", "10", "5", "5", "Gain minimum supérieur au gain maximum!", &TEchellesBode::GainMin},
        {"0", "10", "5", "1", "Gain minimum supérieur au gain maximum!", &TEchellesBode::GainMin},
        {"0", "10", "-10", "10", "Fréquence minimum nulle: l'échelle des fréquences est logarithmique",
         &TEchellesBode::FreqMin},
        {"1e-3000", "1e3000", "-10", "10", "Plus de 2000 décades entre fréquence minimum et maximum: c'est trop",
         &TEchellesBode::FreqMin},
        {"1", "10", "0", "1e-7", "Ecart entre gain minimum et gain maximum trop faible", &TEchellesBode::GainMin},
        {"1", "10", "-1e4932", "1e4932", "Ecart entre gain minimum et gain maximum trop grand",
         &TEchellesBode::GainMin},
    };
    MontreActif(dialogue_);
    for (const CasRefus& c : cas) {
        messages_.Messages.clear();
        Remplit(c.FreqMin, c.FreqMax, c.GainMin, c.GainMax);
        dialogue_.Titre->setFocus();
        dialogue_.OKBtn->click();
        EXPECT_EQ(messages_.Messages, QStringList{c.Message}) << c.FreqMin << " " << c.GainMin;
        EXPECT_EQ(dialogue_.focusWidget(), dialogue_.*c.Focus) << c.Message;
        EXPECT_TRUE(dialogue_.isVisible());
    }
    EXPECT_NE(dialogue_.result(), QDialog::Accepted);
}

TEST_P(EchellesBode, LesDeuxSeparateursSontAcceptesEtReecritsAvecCeluiDeLaLocale)
{
    MontreActif(dialogue_);
    Remplit("0.05", "3,5E2", " -47.5 ", "12");
    AppuieEntree(dialogue_.FreqMin);
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join('|').toStdString();
    EXPECT_EQ(dialogue_.result(), QDialog::Accepted);
    EXPECT_FALSE(dialogue_.isVisible());
    EXPECT_EQ(dialogue_.FreqMin->text(), AvecSeparateur("0#05"));
    EXPECT_EQ(dialogue_.FreqMax->text(), AvecSeparateur("3#5E2"));
    const TParamBode param = dialogue_.Parametres();
    EXPECT_EQ(param.FreqMin, 0.05L);
    EXPECT_EQ(param.FreqMax, 350.0L);
    EXPECT_EQ(param.GainMin, -47.5L);
    EXPECT_EQ(param.GainMax, 12.0L);
}

TEST_P(EchellesBode, FocusSurLaFrequenceMinimumAChaqueOuverture)
{
    MontreActif(dialogue_);
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.FreqMin);
    dialogue_.GainMax->setFocus();
    dialogue_.reject();
    MontreActif(dialogue_);
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.FreqMin);
}

TEST_P(EchellesBode, ValeursAutomatiquesSigneesAvecLeursChiffres)
{
    document_.FreqBasseAuto = 0.0123456L;
    document_.FreqHauteAuto = 158.5L;
    document_.GainMinAuto = -43.21L;
    document_.GainMaxAuto = 0.0001L;
    MontreActif(dialogue_);
    dialogue_.Defaut->click();
    EXPECT_EQ(dialogue_.FreqMin->text(), AvecSeparateur("+0#01235"));
    EXPECT_EQ(dialogue_.FreqMax->text(), "+2E2");
    EXPECT_EQ(dialogue_.GainMin->text(), AvecSeparateur("-43#2"));
    EXPECT_EQ(dialogue_.GainMax->text(), AvecSeparateur("+1#0000E-4"));
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.OKBtn);
}

TEST_P(EchellesBode, LesValeursAutomatiquesDuPremierOrdreSontValidees)
{
    const TDocument analyse = DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 1}));
    TEchellesBode dialogue(analyse);
    MontreActif(dialogue);
    dialogue.Defaut->click();
    dialogue.OKBtn->click();
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join('|').toStdString();
    EXPECT_EQ(dialogue.result(), QDialog::Accepted);
    const TParamBode param = dialogue.Parametres();
    EXPECT_GT(param.FreqMin, 0);
    EXPECT_LT(param.FreqMin, param.FreqMax);
    EXPECT_LT(param.GainMin, param.GainMax);
}

TEST_P(EchellesBode, AnnulerFermeToujoursEtRendLesTextesDeLOuverture)
{
    MontreActif(dialogue_);
    Remplit("1", "100", "-40", "20");
    dialogue_.Titre->setText("essai");
    dialogue_.OKBtn->click();
    ASSERT_EQ(dialogue_.result(), QDialog::Accepted);

    MontreActif(dialogue_);
    Remplit("abc", "", "9", "1");
    dialogue_.Titre->setText("autre");
    dialogue_.CancelBtn->click();
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_EQ(dialogue_.result(), QDialog::Rejected);
    EXPECT_FALSE(dialogue_.isVisible());
    EXPECT_EQ(dialogue_.FreqMin->text(), "1");
    EXPECT_EQ(dialogue_.FreqMax->text(), "100");
    EXPECT_EQ(dialogue_.GainMin->text(), "-40");
    EXPECT_EQ(dialogue_.GainMax->text(), "20");
    EXPECT_EQ(dialogue_.Titre->text(), "essai");
}

INSTANTIATE_TEST_SUITE_P(Separateurs, EchellesBode, testing::Values(',', '.'));

}
