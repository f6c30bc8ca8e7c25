// Les échelles automatiques de kovra-calcul --image sont celles que les boutons des dialogues
// écrivent, relues comme les dialogues les relisent.
#include "trace/ValeursAutomatiques.h"

#include <QCheckBox>
#include <QPushButton>

#include "AideDialogues.h"
#include "fenetres/UEchRepIndic.h"
#include "fenetres/UEchRepRampe.h"
#include "fenetres/USaisieParamBlack.h"
#include "fenetres/USaisieParamBode.h"
#include "fenetres/USaisieParamNyquist.h"
#include "trace/DocumentsDessin.h"

namespace {

// Un retard, un second ordre peu amorti, un gain pur presque constant (ouvert de 10 dB).
std::vector<TDocument> Documents()
{
    return {DocumentAnalyse(PolynomeDeCoefs({2}), PolynomeDeCoefs({1, 1}), 0.5L),
            DocumentAnalyse(PolynomeDeCoefs({1, 0.5L}), PolynomeDeCoefs({1, 0.2L, 1})),
            DocumentAnalyse(PolynomeDeCoefs({3, 3}), PolynomeDeCoefs({1, 1.0000001L}))};
}

void AttendEgaux(Reel calcul, Reel dialogue, const char* champ, int cas)
{
    EXPECT_EQ(calcul, dialogue) << champ << " cas " << cas;
}

TEST(ValeursAutomatiques, DiagrammesCommeLesDialogues)
{
    for (const char separateur : {'.', ','}) {
        SeparateurImpose impose(separateur);
        int n = 0;
        for (const TDocument& doc : Documents()) {
            TEchellesBode bode(doc);
            bode.Defaut->click();
            const TParamBode b = ParamAutoBode(doc), bd = bode.Parametres();
            AttendEgaux(b.FreqMin, bd.FreqMin, "Bode FreqMin", n);
            AttendEgaux(b.FreqMax, bd.FreqMax, "Bode FreqMax", n);
            AttendEgaux(b.GainMin, bd.GainMin, "Bode GainMin", n);
            AttendEgaux(b.GainMax, bd.GainMax, "Bode GainMax", n);
            EXPECT_LT(b.GainMin, b.GainMax);

            TEchellesNyquist nyquist(doc);
            nyquist.BtnAutomatique->click();
            const TParamNyquist y = ParamAutoNyquist(doc), yd = nyquist.Parametres();
            AttendEgaux(y.FreqMax, yd.FreqMax, "Nyquist FreqMax", n);
            AttendEgaux(y.ReMin, yd.ReMin, "Nyquist ReMin", n);
            AttendEgaux(y.ReMax, yd.ReMax, "Nyquist ReMax", n);
            AttendEgaux(y.ImMin, yd.ImMin, "Nyquist ImMin", n);
            AttendEgaux(y.ImMax, yd.ImMax, "Nyquist ImMax", n);

            TEchellesBlack black(doc);
            black.BtnAutomatique->click();
            const TParamBlack k = ParamAutoBlack(doc), kd = black.Parametres();
            AttendEgaux(k.FreqMin, kd.FreqMin, "Black FreqMin", n);
            AttendEgaux(k.GainMin, kd.GainMin, "Black GainMin", n);
            AttendEgaux(k.GainMax, kd.GainMax, "Black GainMax", n);
            ++n;
        }
    }
}

void AttendReponsesEgales(const TParamReponse& calcul, const TParamReponse& dialogue, int cas)
{
    AttendEgaux(calcul.ConsI, dialogue.ConsI, "ConsI", cas);
    AttendEgaux(calcul.ConsF, dialogue.ConsF, "ConsF", cas);
    AttendEgaux(calcul.Pente, dialogue.Pente, "Pente", cas);
    AttendEgaux(calcul.TMax, dialogue.TMax, "TMax", cas);
    AttendEgaux(calcul.YMin, dialogue.YMin, "YMin", cas);
    AttendEgaux(calcul.YMax, dialogue.YMax, "YMax", cas);
    EXPECT_EQ(calcul.Unite, dialogue.Unite);
    EXPECT_LT(calcul.YMin, calcul.YMax);
}

TEST(ValeursAutomatiques, ReponsesCommeLesDialogues)
{
    SeparateurImpose impose(',');
    EnregistreurMessages messages;
    int n = 0;
    for (const TDocument& doc : Documents()) {
        TEchellesRepIndic indic(doc);
        MontreActif(indic);
        indic.BtnConsAuto->click();
        indic.BtnEchAuto->click();
        AttendReponsesEgales(ParamAutoReponse(doc, TTypeReponse::Indicielle), indic.Parametres(), n);

        TEchellesRepRampe rampe(doc);
        MontreActif(rampe);
        rampe.BtnConsAuto->click();
        rampe.BtnEchAuto->click();
        AttendReponsesEgales(ParamAutoReponse(doc, TTypeReponse::Rampe), rampe.Parametres(), n);
        ++n;
    }
    EXPECT_TRUE(messages.Messages.isEmpty()) << messages.Messages.join('|').toStdString();
}

}
