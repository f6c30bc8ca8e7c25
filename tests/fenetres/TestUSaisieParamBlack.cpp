// Dialogue des paramètres de Black : messages de lecture, deux contrôles indépendants, refus
// de ce que le tracé ne sait pas dessiner (grille fine comprise), valeurs automatiques.
#include "fenetres/USaisieParamBlack.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "SaisiesHostilesEchelles.h"
#include "coeur/EchantillonsFrequentiels.h"
#include "trace/Graphisme.h"
#include "AideDialogues.h"
#include "coeur/Document.h"
#include "coeur/SaisieNombres.h"

namespace {

class EchellesBlack : public DialogueEchelles<TEchellesBlack> {
protected:
    EchellesBlack() { champs_ = {dialogue_.FreqMin, dialogue_.FreqMax, dialogue_.GainMin, dialogue_.GainMax}; }
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
        {{"10", "10", "-10", "10"}, false, {"Fréquences minimum et maximum égales: aucune décade à tracer"},
         &TEchellesBlack::FreqMax},
        {{"1", "1.1e4932", "-10", "10"}, false, {"Fréquence maximum trop grande"}, &TEchellesBlack::FreqMax},
        {{"1", "10", "-1e300", "1e300"}, false, {"Ecart entre gain minimum et gain maximum trop grand"},
         &TEchellesBlack::GainMin},
        {{"1", "10", "3", "3.0000001"}, true, {"Ecart entre gain minimum et gain maximum trop faible"},
         &TEchellesBlack::GainMin},
    };
    for (const auto& c : cas) {
        dialogue_.QuadriFin->setChecked(c.GrilleFine);
        AttendRefus(c.Textes, c.Messages, dialogue_.*c.Focus);
    }
}

TEST_P(EchellesBlack, ValeursAutomatiquesPuisValidation)
{
    document_.EchellesAuto.FreqBasseAuto = 0.01L;
    document_.EchellesAuto.FreqHauteAuto = 15.849L;
    document_.EchellesAuto.GainMinAuto = -35.517L;
    document_.EchellesAuto.GainMaxAuto = -0.0004L;
    dialogue_.BtnAutomatique->click();
    EXPECT_EQ(dialogue_.FreqMax->text(), AvecSeparateur("+15#8"));
    EXPECT_EQ(dialogue_.GainMin->text(), AvecSeparateur("-35#5"));
    EXPECT_EQ(dialogue_.GainMax->text(), AvecSeparateur("-4#0000E-4"));
    dialogue_.OKBtn->click();
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join('|').toStdString();
    EXPECT_EQ(dialogue_.result(), QDialog::Accepted);
}

TEST_P(EchellesBlack, FrequencesEgalesEntreDeuxDecadesAcceptees)
{
    for (const QString f : {"5", "0,5"}) {
        MontreActif(dialogue_);
        Valide({f, f, "-10", "10"});
        EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join('|').toStdString();
        EXPECT_EQ(dialogue_.result(), QDialog::Accepted) << f.toStdString();
    }
}

TEST_P(EchellesBlack, ParametresLusApresValidationAvecTitreEtCases)
{
    dialogue_.Titre->setText("Boucle");
    dialogue_.QuadriFin->setChecked(true);
    Valide({"0.1", "1,5E2", "-60,5", "12.25"});
    ASSERT_EQ(dialogue_.result(), QDialog::Accepted) << messages_.Messages.join('|').toStdString();
    const TParamBlack param = dialogue_.Parametres();
    EXPECT_EQ(param.FreqMin, 0.1L);
    EXPECT_EQ(param.FreqMax, 150.0L);
    EXPECT_EQ(param.GainMin, -60.5L);
    EXPECT_EQ(param.GainMax, 12.25L);
    EXPECT_EQ(param.Titre, "Boucle");
    EXPECT_FALSE(param.AffichageFrequence);
    EXPECT_TRUE(param.QuadriFin);
    dialogue_.AffichageFrequence->setChecked(true);
    EXPECT_TRUE(dialogue_.Parametres().AffichageFrequence);
}

TEST_P(EchellesBlack, TextesHostilesRefusesOuPlagesTracables)
{
    const TEssaiEchelles essai{
        dialogue_,
        champs_,
        {"1", "100", "-40", "10"},
        [this](const std::string& cas) {
            Reel fmin = 0, fmax = 0, gmin = 0, gmax = 0;
            ASSERT_TRUE(LitReel(dialogue_.FreqMin->text(), fmin) && LitReel(dialogue_.FreqMax->text(), fmax) &&
                        LitReel(dialogue_.GainMin->text(), gmin) && LitReel(dialogue_.GainMax->text(), gmax))
                << cas;
            const std::optional<TDecades> decades = ArrondiDecades(fmin, fmax);
            ASSERT_TRUE(decades) << cas;
            EXPECT_LE(decades->Nombre, 2000) << cas;
            const std::optional<Reel> pas = PasGraduation(gmax - gmin, dialogue_.QuadriFin->isChecked());
            ASSERT_TRUE(pas) << cas;
            const TBornes bornes = BornesGraduees(gmin, gmax, *pas);
            EXPECT_GE(Graduations(bornes.Min, bornes.Max, *pas).size(), 2u) << cas;
        }};
    for (const bool fin : {false, true}) {
        dialogue_.QuadriFin->setChecked(fin);
        EssaieTousLesChamps(essai, messages_,
                            {{"1e-300", "1e300", "-40", "10"},
                             {"1e-4000", "1e4000", "-40", "10"},
                             {"1", "100", "0", "1e-12"},
                             {"1", "100", "1e30", "1.0000000000000000002e30"},
                             {"1", "100", "1e4931", "1.15e4932"}});
    }
}

INSTANTIATE_TEST_SUITE_P(Separateurs, EchellesBlack, testing::Values(',', '.'));

}
