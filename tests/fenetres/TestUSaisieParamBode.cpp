// Dialogue des échelles de Bode : messages dans l'ordre avec leur focus, refus de ce que le
// tracé ne sait pas dessiner, les deux séparateurs, valeurs automatiques, annulation.
#include "fenetres/USaisieParamBode.h"

#include <QLineEdit>
#include <QPushButton>

#include <QImage>
#include <QPainter>

#include "SaisiesHostilesEchelles.h"
#include "AideDialogues.h"
#include "trace/DocumentsDessin.h"

namespace {

class EchellesBode : public DialogueEchelles<TEchellesBode> {
protected:
    EchellesBode() : DialogueEchelles(DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 1})))
    {
        champs_ = {dialogue_.FreqMin, dialogue_.FreqMax, dialogue_.GainMin, dialogue_.GainMax};
    }
};

TEST_P(EchellesBode, UnSeulMessageParRefusEtLeFocusSurLeChampFautif)
{
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.FreqMin);
    const struct {
        QStringList Textes;
        const char* Message;
        QLineEdit* TEchellesBode::*Focus;
    } cas[] = {
        {{"abc", "x", "y", "z"}, "Fréquence minimum mal saisie", &TEchellesBode::FreqMin},
        {{"1", "", "-10", "10"}, "Fréquence maximum mal saisie", &TEchellesBode::FreqMax},
        {{"1", "10", "1e", "10"}, "Gain minimum mal saisi", &TEchellesBode::GainMin},
        {{"1", "10", "-10", "dix"}, "Gain maximum mal saisi", &TEchellesBode::GainMax},
        {{"10", "10", "5", "1"}, "Fréquence minimum ou maximum incorrecte", &TEchellesBode::FreqMin},
        {{"-1", "10", "-10", "10"}, "Fréquence minimum ou maximum incorrecte", &TEchellesBode::FreqMin},
        {{"1", "10", "5", "5"}, "Gain minimum supérieur au gain maximum!", &TEchellesBode::GainMin},
        {{"0", "10", "5", "1"}, "Gain minimum supérieur au gain maximum!", &TEchellesBode::GainMin},
        {{"0", "10", "-10", "10"}, "Fréquence minimum nulle: l'échelle des fréquences est logarithmique",
         &TEchellesBode::FreqMin},
        {{"1e-3000", "1e3000", "-10", "10"}, "Plus de 2000 décades entre fréquence minimum et maximum: c'est trop",
         &TEchellesBode::FreqMin},
        {{"1", "10", "0", "1e-7"}, "Ecart entre gain minimum et gain maximum trop faible", &TEchellesBode::GainMin},
        {{"1", "10", "-1e4932", "1e4932"}, "Ecart entre gain minimum et gain maximum trop grand",
         &TEchellesBode::GainMin},
        {{"1", "10", "1e4931", "1.15e4932"}, "Ecart entre gain minimum et gain maximum trop grand",
         &TEchellesBode::GainMin},
        // Des étiquettes « +1.00E+299 » déborderaient de la marge et se chevaucheraient.
        {{"1", "10", "-1e300", "1e300"}, "Ecart entre gain minimum et gain maximum trop grand",
         &TEchellesBode::GainMin},
        // Trois unités du dernier chiffre : une seule graduation se distingue.
        {{"1", "10", "1e30", "1.0000000000000000002e30"}, "Ecart entre gain minimum et gain maximum trop faible",
         &TEchellesBode::GainMin},
        {{"1", "1.1e4932", "-10", "10"}, "Fréquence maximum trop grande", &TEchellesBode::FreqMax},
    };
    for (const auto& c : cas)
        AttendRefus(c.Textes, {c.Message}, dialogue_.*c.Focus);
    EXPECT_NE(dialogue_.result(), QDialog::Accepted);
}

TEST_P(EchellesBode, LesDeuxSeparateursSontAcceptesEtReecritsAvecCeluiDeLaLocale)
{
    Valide({"0.05", "3,5E2", " -47.5 ", "12"});
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join('|').toStdString();
    EXPECT_EQ(dialogue_.result(), QDialog::Accepted);
    EXPECT_EQ(dialogue_.FreqMin->text(), AvecSeparateur("0#05"));
    EXPECT_EQ(dialogue_.FreqMax->text(), AvecSeparateur("3#5E2"));
    const TParamBode param = dialogue_.Parametres();
    EXPECT_EQ(param.FreqMin, 0.05L);
    EXPECT_EQ(param.FreqMax, 350.0L);
    EXPECT_EQ(param.GainMin, -47.5L);
}

TEST_P(EchellesBode, ValeursAutomatiquesSigneesAvecLeursChiffresPuisValidees)
{
    document_.EchellesAuto.FreqBasseAuto = 0.0123456L;
    document_.EchellesAuto.FreqHauteAuto = 158.5L;
    document_.EchellesAuto.GainMinAuto = -43.21L;
    document_.EchellesAuto.GainMaxAuto = 0.0001L;
    dialogue_.Defaut->click();
    EXPECT_EQ(dialogue_.FreqMin->text(), AvecSeparateur("+0#01235"));
    EXPECT_EQ(dialogue_.FreqMax->text(), "+2E2");
    EXPECT_EQ(dialogue_.GainMin->text(), AvecSeparateur("-43#2"));
    EXPECT_EQ(dialogue_.GainMax->text(), AvecSeparateur("+1#0000E-4"));
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.OKBtn);

    // Celles que l'analyse calcule passent le contrôle : 1/(p+1), un gain pur (constant à
    // 6 dB, ouvert de 10 dB de part et d'autre) et une fonction partout sous -60 dB.
    const TPolynome dixPoles = PolynomeDeRacines(Reel(1), {{-1, 0}, {-2, 0}, {-3, 0}, {-4, 0}, {-5, 0}, {-6, 0}, {-7, 0}, {-8, 0}, {-9, 0}, {-10, 0}});
    for (const TDocument& doc : {DocumentAnalyse(PolynomeDeCoefs({1}), PolynomeDeCoefs({1, 1})),
                                 DocumentAnalyse(PolynomeDeCoefs({2}), PolynomeDeCoefs({1})),
                                 DocumentAnalyse(PolynomeDeCoefs({1}), dixPoles)}) {
        document_ = doc;
        MontreActif(dialogue_);
        dialogue_.Defaut->click();
        dialogue_.OKBtn->click();
        EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join('|').toStdString();
        EXPECT_EQ(dialogue_.result(), QDialog::Accepted) << dialogue_.GainMin->text().toStdString();
    }
    document_ = DocumentAnalyse(PolynomeDeCoefs({2}), PolynomeDeCoefs({1}));
    dialogue_.Defaut->click();
    EXPECT_EQ(dialogue_.GainMin->text(), AvecSeparateur("-3#98"));
    EXPECT_EQ(dialogue_.GainMax->text(), "+16");
}

TEST_P(EchellesBode, AnnulerFermeToujoursEtRendLesTextesDeLOuverture)
{
    Valide({"1", "100", "-40", "20"});
    ASSERT_EQ(dialogue_.result(), QDialog::Accepted);
    MontreActif(dialogue_);
    dialogue_.FreqMin->setText("abc");
    dialogue_.Titre->setText("autre");
    dialogue_.CancelBtn->click();
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_EQ(dialogue_.result(), QDialog::Rejected);
    EXPECT_EQ(dialogue_.FreqMin->text(), "1");
    EXPECT_EQ(dialogue_.Titre->text(), "");
}

TEST_P(EchellesBode, TextesHostilesRefusesOuPlagesTracees)
{
    const TEssaiEchelles essai{
        dialogue_,
        champs_,
        {"1", "100", "-40", "10"},
        [this](const std::string& cas) {
            QImage image(320, 240, QImage::Format_RGB32);
            QPainter p(&image);
            EXPECT_TRUE(TracerBode(p, image.rect(), document_, dialogue_.Parametres(), TMiseEnPageBode{})) << cas;
        }};
    EssaieTousLesChamps(essai, messages_,
                        {{"1e-300", "1e300", "-40", "10"},
                         {"1e-1000", "1e1000", "-40", "10"},
                         {"1e-4000", "1e-3999", "-40", "10"},
                         {"1e-4000", "1e4000", "-40", "10"},
                         {"3.4e-4932", "1e-4931", "-40", "10"},
                         {"1", "100", "0", "1e-12"},
                         {"1", "100", "5", "5.000000000001"},
                         {"1", "100", "-1e300", "1e300"},
                         {"1", "100", "1e30", "1.0000000000000000002e30"},
                         {"1", "100", "1e4931", "1.15e4932"},
                         {"1", "100", "-1e4932", "1e4932"}});
}

INSTANTIATE_TEST_SUITE_P(Separateurs, EchellesBode, testing::Values(',', '.'));

}
