// Dialogue des paramètres de Nyquist : lecture arrêtée au premier texte fautif, trois contrôles
// indépendants, plages que le tracé ne sait pas dessiner, valeurs automatiques, annulation.
#include "fenetres/USaisieParamNyquist.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <limits>

#include "SaisiesHostilesEchelles.h"
#include "coeur/EchantillonsFrequentiels.h"
#include "trace/Graphisme.h"
#include "trace/TraceNyquist.h"
#include "AideDialogues.h"
#include "coeur/Document.h"
#include "coeur/SaisieNombres.h"
#include "trace/AideImages.h"
#include "trace/DocumentsDessin.h"

namespace {

class EchellesNyquist : public DialogueEchelles<TEchellesNyquist> {
protected:
    EchellesNyquist()
    {
        champs_ = {dialogue_.Fmin, dialogue_.Fmax, dialogue_.ReMin, dialogue_.ReMax, dialogue_.ImMin, dialogue_.ImMax};
    }
};

TEST_P(EchellesNyquist, MessagesDansLOrdreEtFocusSurLeDernierChampFautif)
{
    const struct {
        QStringList Textes;
        QStringList Messages;
        QLineEdit* TEchellesNyquist::*Focus;
    } cas[] = {
        {{"1", "100", "-1", "1,2,3", "x", "1"}, {"X maximum mal saisi"}, &TEchellesNyquist::ReMax},
        {{"1", "100", "-1", "1", "-1", ""}, {"Y maximum mal saisi"}, &TEchellesNyquist::ImMax},
        {{"100", "1", "0.2", "1", "0.5", "1"},
         {"Fréquence minimum ou maximum incorrecte", "XMin>0 ou XMax<0 ou XMin>Xmax: c'est incorrect",
          "YMin>0 ou YMax<0 ou YMin>Ymax: c'est incorrect"},
         &TEchellesNyquist::ImMin},
        {{"1", "100", "0,2", "1", "-1", "1"}, {"XMin>0 ou XMax<0 ou XMin>Xmax: c'est incorrect"}, &TEchellesNyquist::ReMin},
        {{"0", "100", "-1", "1", "-1", "1"}, {"Fréquence minimum nulle: l'échelle des fréquences est logarithmique"},
         &TEchellesNyquist::Fmin},
        {{"10", "10", "-1", "1", "-1", "1"}, {"Fréquences minimum et maximum égales: aucune décade à tracer"},
         &TEchellesNyquist::Fmax},
        {{"1", "100", "0", "0", "-1", "1"}, {"XMin=XMax: c'est incorrect"}, &TEchellesNyquist::ReMin},
        {{"1", "100", "-1", "1", "0", "0"}, {"YMin=YMax: c'est incorrect"}, &TEchellesNyquist::ImMin},
        {{"1", "100", "-1e4932", "1e4932", "-1", "1"}, {"Ecart entre XMin et XMax trop grand"}, &TEchellesNyquist::ReMin},
        // Écart représentable, mais la borne arrondie au pas suivant sort de la précision étendue.
        {{"1", "100", "0", "1.18e4932", "-1", "1"}, {"Ecart entre XMin et XMax trop grand"}, &TEchellesNyquist::ReMin},
        {{"1", "100", "-1", "1", "-1.18e4932", "0"}, {"Ecart entre YMin et YMax trop grand"}, &TEchellesNyquist::ImMin},
        // Moins d'un pixel par unité à l'écran : la courbe et ses graduations tiendraient sur une ligne.
        {{"1", "100", "-1e300", "1e300", "-1", "1"}, {"Ecart entre XMin et XMax trop grand"}, &TEchellesNyquist::ReMin},
        {{"1", "100", "-1", "1", "-1e300", "1e300"}, {"Ecart entre YMin et YMax trop grand"}, &TEchellesNyquist::ImMin},
    };
    for (const auto& c : cas)
        AttendRefus(c.Textes, c.Messages, dialogue_.*c.Focus);
}

TEST_P(EchellesNyquist, ValeursAutomatiquesValideesPuisAnnulationRendTextesEtCase)
{
    document_.EchellesAuto.FreqBasseAuto = 0.001591L;
    document_.EchellesAuto.FreqHauteAuto = 1234.5L;
    document_.EchellesAuto.ReMinAuto = -0.001L;
    document_.EchellesAuto.ReMaxAuto = 0.99999L;
    document_.EchellesAuto.ImMinAuto = -0.4999L;
    document_.EchellesAuto.ImMaxAuto = 0.001L;
    dialogue_.BtnAutomatique->click();
    const QStringList attendus{"+0#001591", "+1#23E3", "-0#001", "+1", "-0#5", "+0#001"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(champs_[std::size_t(i)]->text(), AvecSeparateur(attendus[i])) << i;
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.OKBtn);
    dialogue_.OKBtn->click();
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join('|').toStdString();
    ASSERT_EQ(dialogue_.result(), QDialog::Accepted);

    MontreActif(dialogue_);
    dialogue_.ReMin->setText("5");
    dialogue_.AffichageFrequence->setChecked(true);
    dialogue_.reject();
    EXPECT_EQ(dialogue_.ReMin->text(), AvecSeparateur("-0#001"));
    EXPECT_FALSE(dialogue_.AffichageFrequence->isChecked());
}

TEST_P(EchellesNyquist, ParametresLusApresValidationAvecTitreEtCase)
{
    dialogue_.Titre->setText("Essai");
    dialogue_.AffichageFrequence->setChecked(true);
    Valide({"0,05", "2.5E3", "-1,5", "0.25", " -0.75 ", "3"});
    ASSERT_EQ(dialogue_.result(), QDialog::Accepted) << messages_.Messages.join('|').toStdString();
    const TParamNyquist param = dialogue_.Parametres();
    EXPECT_EQ(param.FreqMin, 0.05L);
    EXPECT_EQ(param.FreqMax, 2500.0L);
    EXPECT_EQ(param.ReMin, -1.5L);
    EXPECT_EQ(param.ReMax, 0.25L);
    EXPECT_EQ(param.ImMin, -0.75L);
    EXPECT_EQ(param.ImMax, 3.0L);
    EXPECT_EQ(param.Titre, "Essai");
    EXPECT_TRUE(param.AffichageFrequence);
    dialogue_.AffichageFrequence->setChecked(false);
    EXPECT_FALSE(dialogue_.Parametres().AffichageFrequence);
}

TEST_P(EchellesNyquist, TextesHostilesRefusesOuPlagesTracables)
{
    const std::vector<QLineEdit*>& champs = champs_;
    const TEssaiEchelles essai{
        dialogue_, champs, {"1", "100", "-1", "1", "-1", "1"},
        [&champs, this](const std::string& cas) {
            Reel v[6] = {};
            for (int i = 0; i < 6; ++i)
                ASSERT_TRUE(LitReel(champs[i]->text(), v[i])) << cas;
            const std::optional<TDecades> decades = ArrondiDecades(v[0], v[1]);
            ASSERT_TRUE(decades) << cas;
            EXPECT_LE(decades->Nombre, 2000) << cas;
            for (int axe : {2, 4}) {
                EXPECT_TRUE(v[axe] <= 0 && 0 <= v[axe + 1] && v[axe] < v[axe + 1]) << cas;
                EXPECT_TRUE(PasGraduation(v[axe + 1] - v[axe], false)) << cas;
            }
            EXPECT_EQ(AxeNyquistIntracable(QSize(1920, 1080), v[2], v[3], v[4], v[5]), TAxeIntracable::Aucun)
                << cas;
        }};
    EssaieTousLesChamps(essai, messages_,
                        {{"1e-300", "1e300", "-1", "1", "-1", "1"},
                         {"1e-4000", "1e4000", "-1", "1", "-1", "1"},
                         {"5", "5", "-1e-12", "0", "0", "1e-12"},
                         {"1", "100", "-1e4932", "1e4932", "-1", "1"},
                         {"1", "100", "-1", "1", "-1e300", "1e300"}});
}

INSTANTIATE_TEST_SUITE_P(Separateurs, EchellesNyquist, testing::Values(',', '.'));

// Rectangle des pixels de la courbe.
QRect EtendueCourbe(const QImage& image, QRgb courbe)
{
    QRect etendue;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == courbe)
                etendue |= QRect(x, y, 1, 1);
    return etendue;
}

// Systèmes à intégrateurs, « Automatique » puis « Valider » : le dialogue accepte ses propres
// valeurs, le cadre contient l'asymptote de la branche infinie (Re H(jω) quand ω → 0) et le
// point où la courbe coupe l'axe réel, calculés à la main, et la courbe y tient sur bien plus
// qu'une ligne.
TEST(EchellesNyquistIntegrateurs, AutomatiqueAccepteEtMontreLaCourbe)
{
    EnregistreurMessages messages;
    // (p+3)/(p(p+1)(p²+4p+8)) coupe l'axe réel où ω⁴ + 3ω² - 24 = 0.
    const Reel w2 = (-3 + std::sqrt(Reel(105))) / 2;
    const Reel w = std::sqrt(w2);
    const Reel a = w2 * w2 - 12 * w2;
    const Reel b = w * (8 - 5 * w2);
    const Reel sansCroisement = std::numeric_limits<Reel>::quiet_NaN();
    const struct {
        std::initializer_list<Reel> N;
        std::initializer_list<Reel> D;
        Reel Asymptote;
        Reel Croisement;
    } cas[] = {
        {{1}, {0, 1, 1}, -1, sansCroisement},
        {{1}, {0, 2, 3, 1}, -0.75L, -Reel(1) / 6},
        {{3, 1}, {0, 8, 12, 5, 1}, -Reel(28) / 64, (3 * a + w * b) / (a * a + b * b)},
        // 1/p : la courbe est une demi-droite ; le dialogue doit au moins l'accepter.
        {{1}, {0, 1}, 0, sansCroisement},
    };
    for (const auto& c : cas) {
        TDocument doc = DocumentAnalyse(PolynomeDeCoefs(c.N), PolynomeDeCoefs(c.D));
        const std::string nom = std::to_string(c.D.size() - 1) + " pôles, asymptote " + std::to_string(double(c.Asymptote));
        TEchellesNyquist dialogue(doc);
        MontreActif(dialogue);
        dialogue.BtnAutomatique->click();
        dialogue.OKBtn->click();
        EXPECT_TRUE(messages.Messages.isEmpty()) << nom << " " << messages.Messages.join('|').toStdString();
        messages.Messages.clear();
        ASSERT_EQ(dialogue.result(), QDialog::Accepted) << nom;
        QImage image(1920, 1080, QImage::Format_RGB32);
        QPainter peintre(&image);
        const std::optional<TTraceFrequentiel> trace =
            TracerNyquist(peintre, image.rect(), doc, dialogue.Parametres(), TMiseEnPageNyquist::Ecran());
        ASSERT_TRUE(trace) << nom;
        // Les axes tracés, arrondis au pas.
        const TEchellesFrequentielles& axes = trace->Echelles;
        EXPECT_LE(axes.ReelMin, c.Asymptote) << nom;
        if (std::isfinite(c.Croisement))
            EXPECT_LT(axes.ReelMin, c.Croisement) << nom;
        if (c.Asymptote == 0)
            continue;
        const QRect courbe = EtendueCourbe(image, Couleur(doc, "DCourbe"));
        EXPECT_GT(courbe.width(), 150) << nom;
        EXPECT_GT(courbe.height(), 150) << nom;
    }
}

}
