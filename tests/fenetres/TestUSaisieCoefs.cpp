#include "fenetres/USaisieCoefs.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>
#include <QPushButton>
#include <cmath>

#include "AideChamps.h"
#include "AideDialogues.h"
#include "coeur/Document.h"
#include "coeur/SaisieNombres.h"

namespace {

class BoiteCoefs : public testing::TestWithParam<char> {
protected:
    BoiteCoefs() : separateur_(GetParam()), boite_(document_) {}

    void Remplit(const QString& texte)
    {
        for (int i = 0; i < TBoiteSaisieCoef::NbChamps; ++i)
            boite_.EcritTabEdit(i, texte);
    }
    void Quitte(int degre)
    {
        boite_.Champ(degre)->setFocus();
        boite_.Champ(degre == 0 ? 1 : 0)->setFocus();
    }

    SeparateurImpose separateur_;
    EnregistreurMessages messages_;
    TDocument document_ = DocumentInitial();
    TBoiteSaisieCoef boite_;
};

TEST_P(BoiteCoefs, ActivationTitreSelonLePolynomeEtFocusAuDegreZero)
{
    document_.SaisieDenominateur = true;
    MontreActif(boite_);
    EXPECT_EQ(boite_.Label3()->text(), "Coefficients du dénominateur D(p)");
    EXPECT_EQ(boite_.focusWidget(), boite_.Champ(0));
    boite_.reject();
    document_.SaisieDenominateur = false;
    MontreActif(boite_);
    EXPECT_EQ(boite_.Label3()->text(), "Coefficients du numérateur N(p)");
}

TEST_P(BoiteCoefs, TabEditHorsPlageLitVideEtNEcritRien)
{
    boite_.EcritTabEdit(10, "7");
    boite_.EcritTabEdit(11, "8");
    boite_.EcritTabEdit(-1, "9");
    EXPECT_EQ(boite_.LitTabEdit(10), "7");
    EXPECT_EQ(boite_.LitTabEdit(11), "");
    EXPECT_EQ(boite_.LitTabEdit(-1), "");
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(boite_.LitTabEdit(i), "0") << i;
}

TEST_P(BoiteCoefs, NombresLongsMontresDepuisLeurDebut)
{
    Remplit(AvecSeparateur("-1#23456789012345678901234567"));
    MontreActif(boite_);
    for (int i = 0; i < TBoiteSaisieCoef::NbChamps; ++i)
        AttendDebutVisible(*boite_.Champ(i));
    // Le champ qui a le focus reste entièrement sélectionné, pour être remplacé à la frappe.
    EXPECT_EQ(boite_.Champ(0)->selectedText(), boite_.Champ(0)->text());
}

TEST_P(BoiteCoefs, RAZMetToutAZeroEtLeFocusAuDegreZero)
{
    MontreActif(boite_);
    boite_.Champ(5)->setFocus();
    Remplit("abc");
    boite_.BtnRAZ()->click();
    for (int i = 0; i < TBoiteSaisieCoef::NbChamps; ++i)
        EXPECT_EQ(boite_.LitTabEdit(i), "0");
    EXPECT_EQ(boite_.focusWidget(), boite_.Champ(0));
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

TEST_P(BoiteCoefs, SortieDUnChampNormaliseLesDeuxSeparateurs)
{
    Remplit("0");
    MontreActif(boite_);
    boite_.EcritTabEdit(2, "0.5");
    boite_.EcritTabEdit(3, "0,25");
    Quitte(2);
    Quitte(3);
    EXPECT_EQ(boite_.LitTabEdit(2), AvecSeparateur("0#5"));
    EXPECT_EQ(boite_.LitTabEdit(3), AvecSeparateur("0#25"));
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

TEST_P(BoiteCoefs, SortieDUnChampMalSaisiRendLeFocusAvecSonDegre)
{
    Remplit("1");
    MontreActif(boite_);
    boite_.EcritTabEdit(3, "1.2.3");
    boite_.EcritTabEdit(7, "zz");
    boite_.Champ(3)->setFocus();
    boite_.Champ(7)->setFocus();
    EXPECT_EQ(messages_.Messages, QStringList{"le coefficient de degré 3 est mal saisi"});
    EXPECT_EQ(boite_.focusWidget(), boite_.Champ(3));
    EXPECT_EQ(boite_.LitTabEdit(3), AvecSeparateur("1#2#3"));
}

// Passer à une autre fenêtre (boîte de message, autre programme) ne quitte pas le champ.
TEST_P(BoiteCoefs, AutreFenetreActiveNeVerifiePasLeChamp)
{
    MontreActif(boite_);
    boite_.Champ(4)->setFocus();
    boite_.EcritTabEdit(4, "y");
    QWidget autre;
    autre.show();
    QApplication::setActiveWindow(&autre);
    QApplication::setActiveWindow(&boite_);
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_EQ(boite_.focusWidget(), boite_.Champ(4));
}

// Un clic de souris sur Annuler ne fait pas quitter le champ : rien n'est vérifié, tout se ferme.
TEST_P(BoiteCoefs, ClicSurAnnulerFermeSansVerifierLeChamp)
{
    MontreActif(boite_);
    boite_.Champ(2)->setFocus();
    boite_.EcritTabEdit(2, "abc");
    // Par la fenêtre, comme un vrai clic : c'est ce chemin qui donne le focus au bouton cliqué.
    const QPointF centre = boite_.BtnAnnuler()->geometry().center();
    const QPointF global = boite_.mapToGlobal(centre);
    QMouseEvent appui(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent relache(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(boite_.windowHandle(), &appui);
    QApplication::sendEvent(boite_.windowHandle(), &relache);
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_FALSE(boite_.isVisible());
    EXPECT_EQ(boite_.result(), QDialog::Rejected);
}

TEST_P(BoiteCoefs, PolynomeNulRefuseAnnulerEtCaseDeFermetureFermentToujours)
{
    Remplit("0");
    MontreActif(boite_);
    boite_.BtnValider()->click();
    EXPECT_EQ(messages_.Messages, QStringList{"Le polynôme ne doit pas être nul"});
    EXPECT_TRUE(boite_.isVisible());

    boite_.BtnAnnuler()->click();
    EXPECT_FALSE(boite_.isVisible());
    EXPECT_EQ(boite_.result(), QDialog::Rejected);

    boite_.EcritTabEdit(4, "abc");
    MontreActif(boite_);
    boite_.close();
    EXPECT_FALSE(boite_.isVisible());
    EXPECT_EQ(boite_.result(), QDialog::Rejected);
    EXPECT_EQ(messages_.Messages.size(), 1);
}

TEST_P(BoiteCoefs, EntreeDansUnChampMalSaisiDonneSonMessageEtYGardeLeFocus)
{
    Remplit("1");
    MontreActif(boite_);
    boite_.EcritTabEdit(6, "1e99999");
    boite_.Champ(6)->setFocus();
    AppuieEntree(boite_.Champ(6));
    EXPECT_EQ(messages_.Messages, QStringList{"le coefficient de degré 6 est mal saisi"});
    EXPECT_TRUE(boite_.isVisible());
    EXPECT_EQ(boite_.focusWidget(), boite_.Champ(6));
}

TEST_P(BoiteCoefs, ValiderAccepteEtNormaliseSansMessage)
{
    Remplit("0");
    boite_.EcritTabEdit(1, "2.5");
    boite_.EcritTabEdit(0, " -1,5e-3 ");
    MontreActif(boite_);
    AppuieEntree(boite_.Champ(0));
    EXPECT_FALSE(boite_.isVisible());
    EXPECT_EQ(boite_.result(), QDialog::Accepted);
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_EQ(boite_.LitTabEdit(1), AvecSeparateur("2#5"));
    Reel v = 0;
    EXPECT_TRUE(LitReel(boite_.LitTabEdit(0), v));
    EXPECT_EQ(v, -1.5e-3L);
}

TEST_P(BoiteCoefs, TextesHostilesRefusesAvecLeMessageDuDegreOuLusFinis)
{
    for (int degre : {0, 10}) {
        for (const QString& texte : TextesHostiles()) {
            Remplit("1");
            boite_.EcritTabEdit(degre, texte);
            messages_.Messages.clear();
            MontreActif(boite_);
            boite_.BtnValider()->click();
            if (boite_.isVisible()) {
                EXPECT_EQ(messages_.Messages,
                          QStringList{QString("le coefficient de degré %1 est mal saisi").arg(degre)})
                    << texte.left(20).toStdString();
                EXPECT_EQ(boite_.focusWidget(), boite_.Champ(degre));
                boite_.reject();
            } else {
                Reel v = 0;
                EXPECT_TRUE(LitReel(boite_.LitTabEdit(degre), v)) << texte.left(20).toStdString();
                EXPECT_TRUE(std::isfinite(v));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DeuxSeparateurs, BoiteCoefs, testing::Values(',', '.'));

} // namespace
