#include "fenetres/USaisieRacines.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "AideChamps.h"
#include "AideDialogues.h"
#include "coeur/Document.h"
#include "coeur/SaisieNombres.h"

namespace {

class BoiteRacines : public testing::TestWithParam<char> {
protected:
    BoiteRacines() : separateur_(GetParam()), boite_(document_) {}

    // Remise à zéro puis degré et racines « re:im » ; la boîte est montrée et active.
    void Saisit(const QString& degre, const QStringList& racines, const QString& constante = "1")
    {
        MontreActif(boite_);
        boite_.RAZClick();
        boite_.Degr()->setText(degre);
        boite_.P0()->setText(constante);
        for (int k = 1; k <= racines.size(); ++k) {
            const QStringList parties = racines[k - 1].split(':');
            boite_.PartieReelle(k)->setText(parties[0]);
            boite_.PartieImaginaire(k)->setText(parties.value(1, "0"));
        }
    }
    void Valide()
    {
        messages_.Messages.clear();
        AppuieEntree(boite_.Degr());
    }
    // Saisit puis valide par Entrée.
    void Valide(const QString& degre, const QStringList& racines, const QString& constante = "1")
    {
        Saisit(degre, racines, constante);
        Valide();
    }

    SeparateurImpose separateur_;
    EnregistreurMessages messages_;
    TDocument document_ = DocumentInitial();
    TBoiteSaisieRacines boite_;
};

TEST_P(BoiteRacines, ActivationSelonLePolynome)
{
    MontreActif(boite_);
    EXPECT_EQ(boite_.Label1()->text(), "Racines du numérateur N(p)");
    EXPECT_EQ(boite_.Label2()->text(), "Coefficient N0");
    EXPECT_EQ(boite_.Label15()->text(), "de 0 à 10");
    EXPECT_EQ(boite_.focusWidget(), boite_.Degr());
    boite_.reject();
    document_.SaisieDenominateur = true;
    boite_.DefinitDegreNumerateur(2);
    MontreActif(boite_);
    EXPECT_EQ(boite_.Label1()->text(), "Racines du dénominateur D(p)");
    EXPECT_EQ(boite_.Label2()->text(), "Coefficient D0");
    EXPECT_EQ(boite_.Label15()->text(), "de 2 à 10");
}

TEST_P(BoiteRacines, RAZEtChampsRacines)
{
    QStringList champs;
    for (int i = 0; i < TBoiteSaisieRacines::NbChamps; ++i)
        champs << QString("t%1").arg(i);
    boite_.EcritChamps(champs);
    EXPECT_EQ(boite_.LitChamps(), champs);
    EXPECT_EQ(boite_.P0()->text(), "t0");
    EXPECT_EQ(boite_.Degr()->text(), "t1");
    EXPECT_EQ(boite_.PartieReelle(3)->text(), "t6");
    EXPECT_EQ(boite_.PartieImaginaire(10)->text(), "t21");
    MontreActif(boite_);
    boite_.P0()->setFocus();
    boite_.BtnRAZ()->click();
    const QStringList attendus = boite_.LitChamps();
    EXPECT_EQ(attendus.mid(0, 4), (QStringList{"1", "0", "", "0"}));
    EXPECT_EQ(attendus.count(""), 10);
    EXPECT_EQ(boite_.focusWidget(), boite_.Degr());
}

// Préremplis ou normalisés par la validation, les nombres plus longs que leur champ gardent
// leur signe visible.
TEST_P(BoiteRacines, NombresLongsMontresDepuisLeurDebut)
{
    const QString reelle = AvecSeparateur("-0#20000000000000000000001");
    const QStringList imaginaires{AvecSeparateur("+0#97979589711327123456789"),
                                  AvecSeparateur("-0#97979589711327123456789")};
    boite_.EcritChamps({AvecSeparateur("-1#2345678901234567890123"), "2", reelle, imaginaires[0], reelle,
                        imaginaires[1]});
    MontreActif(boite_);
    for (QLineEdit* champ : {boite_.P0(), boite_.PartieReelle(1), boite_.PartieImaginaire(1),
                             boite_.PartieReelle(2), boite_.PartieImaginaire(2)})
        AttendDebutVisible(*champ);

    // Deux racines non conjuguées : refus, après normalisation de chaque racine lue.
    boite_.PartieImaginaire(2)->setText(imaginaires[0]);
    Valide();
    EXPECT_EQ(messages_.Messages, QStringList{"Les racines ne sont pas conjuguées par paire"});
    for (QLineEdit* champ : {boite_.PartieReelle(1), boite_.PartieImaginaire(1), boite_.PartieImaginaire(2)})
        AttendDebutVisible(*champ);
}

TEST_P(BoiteRacines, ValeursParDefautAccepteesAussitot)
{
    Valide("0", {});
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_EQ(boite_.result(), QDialog::Accepted);
    EXPECT_FALSE(boite_.isVisible());
}

TEST_P(BoiteRacines, SortieDuDegre)
{
    const std::pair<const char*, const char*> cas[] = {
        {"abc", "Degré: Réponse incorrecte"}, {"2.5", "Degré: Réponse incorrecte"},
        {"11", "Degré trop grand ou trop petit"}, {"-1", "Degré trop grand ou trop petit"},
    };
    for (const auto& [texte, message] : cas) {
        Saisit("0", {});
        boite_.Degr()->setFocus();
        boite_.Degr()->setText(texte);
        messages_.Messages.clear();
        boite_.P0()->setFocus();
        EXPECT_EQ(messages_.Messages, QStringList{message}) << texte;
        EXPECT_EQ(boite_.focusWidget(), boite_.Degr()) << texte;
    }
    boite_.Degr()->setText("10");
    messages_.Messages.clear();
    boite_.P0()->setFocus();
    EXPECT_TRUE(messages_.Messages.isEmpty());
}

TEST_P(BoiteRacines, DegreHorsPlageValideParEntreeRefuse)
{
    for (const char* texte : {"11", "-1", "-5", "99999999999999999999"}) {
        Valide(texte, {});
        EXPECT_EQ(messages_.Messages, QStringList{"Degré trop grand ou trop petit"}) << texte;
        EXPECT_TRUE(boite_.isVisible());
        EXPECT_EQ(boite_.focusWidget(), boite_.Degr());
    }
    Valide("x", {});
    EXPECT_EQ(messages_.Messages, QStringList{"le degré est mal saisi"});
    EXPECT_EQ(boite_.focusWidget(), boite_.Degr());
}

TEST_P(BoiteRacines, DegreDuDenominateurInferieurACeluiDuNumerateur)
{
    document_.SaisieDenominateur = true;
    boite_.DefinitDegreNumerateur(2);
    Valide("1", {"-1"});
    EXPECT_EQ(messages_.Messages,
              QStringList{"le degré du dénominateur doit être supérieur ou égal à celui du numérateur"});
    EXPECT_TRUE(boite_.isVisible());
    Valide("2", {"-1", "-2"});
    EXPECT_FALSE(boite_.isVisible());
}

TEST_P(BoiteRacines, Constante)
{
    Valide("1", {"-1"}, "0");
    EXPECT_EQ(messages_.Messages, QStringList{"N0 ou D0 ne doit pas être nul"});
    EXPECT_EQ(boite_.focusWidget(), boite_.P0());
    Valide("1", {"-1"}, "abc");
    EXPECT_EQ(messages_.Messages, QStringList{"N0 ou D0 est mal saisi"});
    EXPECT_EQ(boite_.focusWidget(), boite_.P0());
    const QString autre = SeparateurDecimal() == ',' ? "2.5" : "2,5";
    Valide("1", {"-1"}, autre);
    EXPECT_FALSE(boite_.isVisible());
    EXPECT_EQ(boite_.P0()->text(), AvecSeparateur("2#5"));
}

TEST_P(BoiteRacines, RacineMalSaisieEtNormalisation)
{
    Valide("2", {"-1", ""});
    EXPECT_EQ(messages_.Messages, QStringList{"Erreur dans la racine n°2"});
    EXPECT_EQ(boite_.focusWidget(), boite_.PartieReelle(2));
    Valide("3", {"-1.5:0,5", "-1,5:-0.5", "-2:zz"});
    EXPECT_EQ(messages_.Messages, QStringList{"Erreur dans la racine n°3"});
    EXPECT_EQ(boite_.focusWidget(), boite_.PartieImaginaire(3));
    EXPECT_EQ(boite_.PartieReelle(1)->text(), AvecSeparateur("-1#5"));
    EXPECT_EQ(boite_.PartieImaginaire(2)->text(), AvecSeparateur("-0#5"));
}

TEST_P(BoiteRacines, PairesConjuguees)
{
    Valide("2", {"1:2", "3:-2"});
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_FALSE(boite_.isVisible());

    Valide("1", {"1:2"});
    EXPECT_EQ(messages_.Messages, QStringList{"Les racines ne sont pas conjuguées par paire"});
    EXPECT_EQ(boite_.focusWidget(), boite_.Degr());
    EXPECT_TRUE(boite_.isVisible());

    Valide("1", {"-1:5e-5"});
    EXPECT_FALSE(boite_.isVisible());

    // Les racines au-delà du degré ne sont pas lues.
    Valide("1", {"-1", "2:7"});
    EXPECT_FALSE(boite_.isVisible());
}

TEST_P(BoiteRacines, ErreurDeRacineSuivieDuControleDesPaires)
{
    Valide("3", {"1:2", "1:-2", "x"});
    EXPECT_EQ(messages_.Messages, QStringList{"Erreur dans la racine n°3"});
    Valide("3", {"1:2", "x", "1:-2"});
    EXPECT_EQ(messages_.Messages,
              (QStringList{"Erreur dans la racine n°2", "Les racines ne sont pas conjuguées par paire"}));
    EXPECT_EQ(boite_.focusWidget(), boite_.Degr());
}

TEST_P(BoiteRacines, RacinesDontLesCoefficientsDebordentRefusees)
{
    const QString grande = QString(1000, u'9');
    Valide("10", QStringList(10, grande));
    ASSERT_EQ(messages_.Messages.size(), 1);
    EXPECT_TRUE(messages_.Messages[0].startsWith("Racines trop grandes"));
    EXPECT_TRUE(boite_.isVisible());
    Valide("4", QStringList(4, grande));
    EXPECT_FALSE(boite_.isVisible());
}

TEST_P(BoiteRacines, TextesHostilesDansChaqueChamp)
{
    for (int rang = 0; rang < 4; ++rang) {
        for (const QString& texte : TextesHostiles()) {
            Saisit("1", {"-1:0"});
            QLineEdit* champ = rang == 0   ? boite_.P0()
                               : rang == 1 ? boite_.Degr()
                               : rang == 2 ? boite_.PartieReelle(1)
                                           : boite_.PartieImaginaire(1);
            champ->setText(texte);
            Valide();
            const std::string nom = std::to_string(rang) + " " + texte.left(20).toStdString();
            if (boite_.isVisible()) {
                EXPECT_FALSE(messages_.Messages.isEmpty()) << nom;
                boite_.reject();
                continue;
            }
            int degre = -1;
            ASSERT_TRUE(LitEntier(boite_.Degr()->text(), degre)) << nom;
            EXPECT_TRUE(degre >= 0 && degre <= 10) << nom;
            for (int i = 0; i < 2 * degre + 2; ++i) {
                if (i == 1)
                    continue;
                Reel v = 0;
                EXPECT_TRUE(LitReel(boite_.LitChamps()[i], v)) << nom;
                EXPECT_TRUE(std::isfinite(v)) << nom;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DeuxSeparateurs, BoiteRacines, testing::Values(',', '.'));

// Les champs se retrouvent par les noms du programme : R1R à R10R, R1I à R10I, Degr, P0.
TEST(BoiteRacinesNoms, ChampsNommesSelonLeurRangee)
{
    const TDocument document = DocumentInitial();
    const TBoiteSaisieRacines boite(document);
    EXPECT_EQ(boite.objectName(), "BoiteSaisieRacines");
    EXPECT_EQ(boite.findChild<QLineEdit*>("Degr"), boite.Degr());
    EXPECT_EQ(boite.findChild<QLineEdit*>("P0"), boite.P0());
    for (int k = 1; k <= TBoiteSaisieRacines::NbRacines; ++k) {
        EXPECT_EQ(boite.findChild<QLineEdit*>(QString("R%1R").arg(k)), boite.PartieReelle(k)) << k;
        EXPECT_EQ(boite.findChild<QLineEdit*>(QString("R%1I").arg(k)), boite.PartieImaginaire(k)) << k;
    }
}

} // namespace
