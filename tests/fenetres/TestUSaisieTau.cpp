#include "fenetres/USaisieTau.h"

#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "AideDialogues.h"

namespace {

class BoiteTau : public testing::TestWithParam<char> {
protected:
    BoiteTau() : separateur_(GetParam()) {}

    // Montre la boîte, tape le texte et valide par Entrée depuis le champ.
    void ValideAvec(const QString& texte)
    {
        MontreActif(boite_);
        boite_.EditTau()->setText(texte);
        AppuieEntree(boite_.EditTau());
    }

    SeparateurImpose separateur_;
    EnregistreurMessages messages_;
    TBoiteSaisieTau boite_;
};

TEST_P(BoiteTau, PresentationRemetZeroEtLeFocus)
{
    boite_.EditTau()->setText("3");
    MontreActif(boite_);
    EXPECT_EQ(boite_.EditTau()->text(), "0");
    EXPECT_EQ(boite_.focusWidget(), boite_.EditTau());
}

TEST_P(BoiteTau, ZeroEtLesDeuxSeparateursAcceptes)
{
    ValideAvec("0");
    EXPECT_EQ(boite_.result(), QDialog::Accepted);
    EXPECT_EQ(boite_.Tau(), 0);
    for (const char* texte : {"0.5", "0,5"}) {
        ValideAvec(texte);
        EXPECT_FALSE(boite_.isVisible()) << texte;
        EXPECT_EQ(boite_.Tau(), 0.5L) << texte;
        EXPECT_EQ(boite_.EditTau()->text(), AvecSeparateur("0#5"));
    }
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

TEST_P(BoiteTau, NegatifRefuseTexteRefuseChacunAvecSonSeulMessage)
{
    ValideAvec("-0.1");
    EXPECT_EQ(messages_.Messages, QStringList{"Tau doit être positif"});
    EXPECT_TRUE(boite_.isVisible());
    EXPECT_EQ(boite_.focusWidget(), boite_.EditTau());
    messages_.Messages.clear();
    boite_.EditTau()->setText("abc");
    boite_.BtnValider()->click();
    EXPECT_EQ(messages_.Messages, QStringList{"Tau est mal saisi"});
    EXPECT_EQ(boite_.focusWidget(), boite_.EditTau());
    boite_.CancelBtn()->click();
    EXPECT_FALSE(boite_.isVisible());
    EXPECT_EQ(boite_.result(), QDialog::Rejected);
}

TEST_P(BoiteTau, TextesHostilesRefusesOuLusFinis)
{
    for (const QString& texte : TextesHostiles()) {
        messages_.Messages.clear();
        ValideAvec(texte);
        if (boite_.isVisible()) {
            ASSERT_EQ(messages_.Messages.size(), 1) << texte.left(20).toStdString();
            EXPECT_TRUE(messages_.Messages[0] == "Tau est mal saisi" || messages_.Messages[0] == "Tau doit être positif");
            boite_.reject();
        } else {
            EXPECT_TRUE(std::isfinite(boite_.Tau())) << texte.left(20).toStdString();
            EXPECT_GE(boite_.Tau(), 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DeuxSeparateurs, BoiteTau, testing::Values(',', '.'));

} // namespace
