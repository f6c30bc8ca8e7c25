// Dialogue des paramètres de Black : messages de lecture, deux contrôles indépendants,
// refus de ce que le tracé ne sait pas dessiner, valeurs automatiques.
#include "diagrammes/USaisieParamBlack.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "document/AideDialogues.h"
#include "document/Document.h"

namespace {

class EchellesBlack : public testing::TestWithParam<char> {
protected:
    EchellesBlack() : separateur_(GetParam()), dialogue_(document_) { MontreActif(dialogue_); }

    void Valide(const QString& fmin, const QString& fmax, const QString& gmin, const QString& gmax)
    {
        dialogue_.FreqMin->setText(fmin);
        dialogue_.FreqMax->setText(fmax);
        dialogue_.GainMin->setText(gmin);
        dialogue_.GainMax->setText(gmax);
        messages_.Messages.clear();
        dialogue_.OKBtn->click();
    }

    SeparateurImpose separateur_;
    EnregistreurMessages messages_;
    TDocument document_ = DocumentInitial();
    TEchellesBlack dialogue_;
};

TEST_P(EchellesBlack, TextesEtCases)
{
    EXPECT_EQ(dialogue_.windowTitle(), "Diagramme de Black");
    EXPECT_EQ(dialogue_.AffichageFrequence->text(), "Affichage\nfréquence");
    EXPECT_EQ(dialogue_.QuadriFin->text(), "Quadrillage\nFin");
    EXPECT_FALSE(dialogue_.QuadriFin->isChecked());
    EXPECT_EQ(dialogue_.BtnAutomatique->toolTip(), "fournit les valeurs calculées par le logiciel");
}

TEST_P(EchellesBlack, MessagesDeLectureDansLOrdreDesChamps)
{
    Valide("a", "b", "c", "d");
    EXPECT_EQ(messages_.Messages, QStringList{"Erreur dans la saisie de la fréquence minimum"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.FreqMin);
    Valide("1", "", "c", "d");
    EXPECT_EQ(messages_.Messages, QStringList{"Erreur dans la saisie de la fréquence maximum"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.FreqMax);
    Valide("1", "10", "--1", "d");
    EXPECT_EQ(messages_.Messages, QStringList{"Erreur dans la saisie du gain minimum"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.GainMin);
    Valide("1", "10", "-1", "1e99999");
    EXPECT_EQ(messages_.Messages, QStringList{"Erreur dans la saisie du gain maximum"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.GainMax);
}

TEST_P(EchellesBlack, FrequencesEtGainsFautifsDonnentLesDeuxMessages)
{
    Valide("100", "1", "10", "-10");
    EXPECT_EQ(messages_.Messages,
              (QStringList{"Fréquence minimum ou maximum incorrecte", "GMin doit être inférieur à Gmax"}));
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.GainMin);
    Valide("-1", "1", "-10", "10");
    EXPECT_EQ(messages_.Messages, QStringList{"Fréquence minimum ou maximum incorrecte"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.FreqMin);
    EXPECT_TRUE(dialogue_.isVisible());
}

TEST_P(EchellesBlack, CeQueLeTraceNeSaitPasDessinerEstRefuse)
{
    Valide("0", "10", "-10", "10");
    EXPECT_EQ(messages_.Messages, QStringList{"Fréquence minimum nulle: l'échelle des fréquences est logarithmique"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.FreqMin);
    Valide("5", "5", "-10", "10");
    EXPECT_EQ(messages_.Messages, QStringList{"Fréquences minimum et maximum égales: aucune décade à tracer"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.FreqMax);
    dialogue_.QuadriFin->setChecked(true);
    Valide("1", "10", "3", "3.0000001");
    EXPECT_EQ(messages_.Messages, QStringList{"Ecart entre gain minimum et gain maximum trop faible"});
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.GainMin);
    EXPECT_NE(dialogue_.result(), QDialog::Accepted);
}

TEST_P(EchellesBlack, ValeursAutomatiquesPuisValidation)
{
    document_.FreqBasseAuto = 0.01L;
    document_.FreqHauteAuto = 15.849L;
    document_.GainMinAuto = -35.517L;
    document_.GainMaxAuto = -0.0004L;
    dialogue_.BtnAutomatique->click();
    EXPECT_EQ(dialogue_.FreqMin->text(), AvecSeparateur("+0#01"));
    EXPECT_EQ(dialogue_.FreqMax->text(), AvecSeparateur("+15#8"));
    EXPECT_EQ(dialogue_.GainMin->text(), AvecSeparateur("-35#5"));
    EXPECT_EQ(dialogue_.GainMax->text(), AvecSeparateur("-4#0000E-4"));
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.OKBtn);
    dialogue_.OKBtn->click();
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join('|').toStdString();
    EXPECT_EQ(dialogue_.result(), QDialog::Accepted);
}

TEST_P(EchellesBlack, AnnulerFermeQuelsQueSoientLesChamps)
{
    dialogue_.FreqMin->setText("n'importe quoi");
    dialogue_.CancelBtn->click();
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_EQ(dialogue_.result(), QDialog::Rejected);
    EXPECT_FALSE(dialogue_.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Separateurs, EchellesBlack, testing::Values(',', '.'));

}
