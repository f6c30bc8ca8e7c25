// Le dialogue « Correcteur » : refus en français qui gardent les champs, curseurs sur quatre
// décades, réglage automatique qui remplit les champs et montre ses étapes.
#include "fenetres/UCorrecteur.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

#include "AideDialogues.h"
#include "PolynomesSaisis.h"
#include "fenetres/CurseurLogarithmique.h"

namespace {

enum { K, Ti, Td, N, A, B, Tau };

class BoiteCorrecteur : public testing::Test {
protected:
    // G = 1/(p+1)^3 : Kc = 8, ω = √3.
    BoiteCorrecteur() : n_(PolynomeDeCoefs({1})), d_(PolynomeDeCoefs({1, 3, 3, 1})), boite_(n_, d_, 0) {}

    void Ouvre(TTypeCorrecteur type)
    {
        TCorrecteur c;
        c.Type = type;
        boite_.Propose(c);
        MontreActif(boite_);
    }

    SeparateurImpose separateur_{'.'};
    EnregistreurMessages messages_;
    TPolynome n_;
    TPolynome d_;
    TBoiteCorrecteur boite_;
};

TEST_F(BoiteCorrecteur, ChaqueTypeMontreSaFormuleEtSesSeulsChamps)
{
    Ouvre(TTypeCorrecteur::P);
    const std::vector<std::pair<QString, std::vector<int>>> attendus = {
        {"C(p) = K", {K}},
        {"C(p) = K (1 + 1/(Ti p))", {K, Ti}},
        {"C(p) = K (1 + Td p/(1 + Td p/N))", {K, Td, N}},
        {"C(p) = K (1 + 1/(Ti p) + Td p/(1 + Td p/N))", {K, Ti, Td, N}},
        {"C(p) = K (1 + aτp)/(1 + τp), a > 1", {K, A, Tau}},
        {"C(p) = K (1 + τp)/(1 + bτp), b > 1", {K, B, Tau}},
    };
    for (int t = 0; t < 6; ++t) {
        boite_.ChoixType()->setCurrentIndex(t);
        EXPECT_EQ(boite_.Formule()->text(), attendus[std::size_t(t)].first);
        for (int i = 0; i < NbParametresCorrecteur; ++i) {
            const auto& emploi = attendus[std::size_t(t)].second;
            EXPECT_EQ(boite_.Champ(i)->isEnabled(), std::find(emploi.begin(), emploi.end(), i) != emploi.end())
                << "type " << t << ", champ " << i;
        }
    }
}

TEST_F(BoiteCorrecteur, ParametresFautifsRefusesEnFrancaisEtGardes)
{
    struct TCas {
        TTypeCorrecteur Type;
        int Champ;
        const char* Texte;
        const char* Message;
    };
    for (const TCas& c : {TCas{TTypeCorrecteur::Avance, A, "1", "a doit être strictement supérieur à 1"},
                          TCas{TTypeCorrecteur::Retard, B, "0.5", "b doit être strictement supérieur à 1"},
                          TCas{TTypeCorrecteur::PI, Ti, "0", "Ti doit être strictement positif"},
                          TCas{TTypeCorrecteur::PI, Ti, "abc", "Ti est mal saisi"},
                          TCas{TTypeCorrecteur::PID, N, "-2", "N doit être strictement positif"},
                          TCas{TTypeCorrecteur::P, K, "0", "K doit être un nombre fini non nul"},
                          TCas{TTypeCorrecteur::Avance, Tau, "-1", "τ doit être strictement positif"}}) {
        Ouvre(c.Type);
        messages_.Messages.clear();
        boite_.Champ(c.Champ)->setText(c.Texte);
        boite_.BtnValider()->click();
        EXPECT_EQ(messages_.Messages, QStringList{QString::fromUtf8(c.Message)}) << c.Texte;
        EXPECT_TRUE(boite_.isVisible()) << c.Texte;
        EXPECT_EQ(boite_.Champ(c.Champ)->text(), c.Texte);
        EXPECT_EQ(boite_.focusWidget(), boite_.Champ(c.Champ));
        boite_.reject();
    }
}

TEST_F(BoiteCorrecteur, ValeursAdmisesRenduesOuSansCorrecteur)
{
    Ouvre(TTypeCorrecteur::PI);
    boite_.Champ(K)->setText("2,5");
    boite_.Champ(Ti)->setText("0.4");
    boite_.Champ(A)->setText("0.1");  // sans objet pour un PI
    boite_.BtnValider()->click();
    EXPECT_TRUE(messages_.Messages.isEmpty()) << messages_.Messages.join("|").toStdString();
    EXPECT_EQ(boite_.result(), QDialog::Accepted);
    const std::optional<TCorrecteur> c = boite_.Correcteur();
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->Type, TTypeCorrecteur::PI);
    EXPECT_EQ(c->K, 2.5L);
    EXPECT_EQ(c->Ti, 0.4L);
    Ouvre(TTypeCorrecteur::P);
    boite_.BtnSans()->click();
    EXPECT_EQ(boite_.result(), QDialog::Accepted);
    EXPECT_FALSE(boite_.Correcteur().has_value());
}

// Du centième au centuple de la valeur tapée ; a ne descend pas jusqu'à 1.
TEST_F(BoiteCorrecteur, CurseursSurQuatreDecades)
{
    TCorrecteur avance;
    avance.Type = TTypeCorrecteur::Avance;
    avance.Tau = 0.5L;
    avance.A = 3;
    boite_.Propose(avance);
    MontreActif(boite_);
    boite_.Curseur(Tau)->setValue(TCurseurLogarithmique::Pas);
    EXPECT_NEAR(ValeurChamp(boite_.Champ(Tau)), 50, 1e-4);
    boite_.Curseur(Tau)->setValue(0);
    EXPECT_NEAR(ValeurChamp(boite_.Champ(Tau)), 0.005, 1e-8);
    boite_.Curseur(A)->setValue(0);
    EXPECT_GT(ValeurChamp(boite_.Champ(A)), 1);
    boite_.Curseur(A)->setValue(TCurseurLogarithmique::Pas);
    EXPECT_NEAR(ValeurChamp(boite_.Champ(A)), 300, 1e-3);
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

TEST_F(BoiteCorrecteur, ReglageParOscillationRemplitLesChampsEtMontreLesEtapes)
{
    Ouvre(TTypeCorrecteur::PID);
    boite_.ChoixAssistant()->setCurrentIndex(4);
    boite_.BtnRegler()->click();
    const double tc = 2 * M_PI / std::sqrt(3.0);
    EXPECT_NEAR(double(ValeurChamp(boite_.Champ(K))), 4.8, 1e-9);
    EXPECT_NEAR(double(ValeurChamp(boite_.Champ(Ti))), tc / 2, 1e-9);
    EXPECT_NEAR(double(ValeurChamp(boite_.Champ(Td))), tc / 8, 1e-9);
    const QString etapes = boite_.Etapes()->toPlainText();
    EXPECT_TRUE(etapes.contains("Kc = 8")) << etapes.toStdString();
    EXPECT_TRUE(etapes.endsWith("Objectif atteint.")) << etapes.toStdString();
    boite_.ChoixType()->setCurrentIndex(int(TTypeCorrecteur::Avance));
    boite_.BtnRegler()->click();
    EXPECT_EQ(messages_.Messages, QStringList{"La méthode d'oscillation règle un correcteur P, PI ou PID"});
}

TEST_F(BoiteCorrecteur, ReglageDuGainEtObjectifIllisible)
{
    Ouvre(TTypeCorrecteur::P);
    boite_.ChoixAssistant()->setCurrentIndex(1);
    boite_.Objectif()->setText("dix");
    boite_.BtnRegler()->click();
    EXPECT_EQ(messages_.Messages, QStringList{"L'objectif est mal saisi"});
    EXPECT_EQ(boite_.Objectif()->text(), "dix");
    // 1/(p+1)^3 : phase à −180° en √3 où |G| = 1/8 ; pour 6 dB, K = 8/10^(6/20).
    boite_.Objectif()->setText("6");
    boite_.BtnRegler()->click();
    EXPECT_NEAR(double(ValeurChamp(boite_.Champ(K))), 8 / std::pow(10.0, 0.3), 1e-9);
    EXPECT_TRUE(boite_.Etapes()->toPlainText().endsWith("Objectif atteint."));
}

}  // namespace
