// Dialogue des paramètres de Black : messages de lecture, deux contrôles indépendants, refus
// de ce que le tracé ne sait pas dessiner (grille fine comprise), valeurs automatiques.
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

    SeparateurImpose separateur_;
    EnregistreurMessages messages_;
    TDocument document_ = DocumentInitial();
    TEchellesBlack dialogue_;
};

TEST_P(EchellesBlack, ChaqueRefusDansLOrdreAvecSonFocus)
{
    const struct {
        QStringList Textes;
        bool GrilleFine;
        QStringList Messages;
        QLineEdit* TEchellesBlack::*Focus;
    } cas[] = {
        {{"1", "", "c", "d"}, false, {"Erreur dans la saisie de la fréquence maximum"}, &TEchellesBlack::FreqMax},
        {{"1", "10", "--1", "d"}, false, {"Erreur dans la saisie du gain minimum"}, &TEchellesBlack::GainMin},
        {{"100", "1", "10", "-10"}, false,
         {"Fréquence minimum ou maximum incorrecte", "GMin doit être inférieur à Gmax"}, &TEchellesBlack::GainMin},
        {{"-1", "1", "-10", "10"}, false, {"Fréquence minimum ou maximum incorrecte"}, &TEchellesBlack::FreqMin},
        {{"5", "5", "-10", "10"}, false, {"Fréquences minimum et maximum égales: aucune décade à tracer"},
         &TEchellesBlack::FreqMax},
        {{"1", "10", "3", "3.0000001"}, true, {"Ecart entre gain minimum et gain maximum trop faible"},
         &TEchellesBlack::GainMin},
    };
    for (const auto& c : cas) {
        dialogue_.QuadriFin->setChecked(c.GrilleFine);
        QLineEdit* const champs[] = {dialogue_.FreqMin, dialogue_.FreqMax, dialogue_.GainMin, dialogue_.GainMax};
        for (int i = 0; i < 4; ++i)
            champs[i]->setText(c.Textes[i]);
        messages_.Messages.clear();
        dialogue_.OKBtn->click();
        EXPECT_EQ(messages_.Messages, c.Messages) << c.Textes.join(' ').toStdString();
        EXPECT_EQ(dialogue_.focusWidget(), dialogue_.*c.Focus) << c.Textes.join(' ').toStdString();
    }
    EXPECT_TRUE(dialogue_.isVisible());
}

TEST_P(EchellesBlack, ValeursAutomatiquesPuisValidation)
{
    document_.FreqBasseAuto = 0.01L;
    document_.FreqHauteAuto = 15.849L;
    document_.GainMinAuto = -35.517L;
    document_.GainMaxAuto = -0.0004L;
    dialogue_.BtnAutomatique->click();
    EXPECT_EQ(dialogue_.FreqMax->text(), AvecSeparateur("+15#8"));
    EXPECT_EQ(dialogue_.GainMin->text(), AvecSeparateur("-35#5"));
    EXPECT_EQ(dialogue_.GainMax->text(), AvecSeparateur("-4#0000E-4"));
    dialogue_.OKBtn->click();
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join('|').toStdString();
    EXPECT_EQ(dialogue_.result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(Separateurs, EchellesBlack, testing::Values(',', '.'));

}
