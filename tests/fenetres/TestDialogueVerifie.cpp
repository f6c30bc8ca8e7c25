// Boîte à outils des dialogues : boutons créés dans l'ordre de lecture, refus qui garde le
// dialogue ouvert avec son message et le focus, bouton des valeurs automatiques.
#include "fenetres/DialogueVerifie.h"

#include <QLineEdit>
#include <QPushButton>

#include "AideDialogues.h"

namespace {

// Un champ positif ; l'autre champ prend le focus à l'ouverture.
class TDialogueEssai : public TDialogueVerifie {
public:
    explicit TDialogueEssai(const TPlacesBoutons& places) : TDialogueVerifie(300, 200, "Essai", nullptr)
    {
        Champ = AjouteChamp(10, 10, 100, 21);
        Autre = AjouteChamp(10, 40, 100, 21);
        Boutons = AjouteBoutons(places);
    }

    bool PeutFermer() override
    {
        Reel valeur = 0;
        if (!LitChampOuRefuse(Champ, "Champ mal saisi", valeur))
            return false;
        return valeur >= 0 || Refuse(Champ, "Champ négatif");
    }

    QLineEdit* Champ = nullptr;
    QLineEdit* Autre = nullptr;
    TBoutonsDialogue Boutons;

protected:
    void Active() override { Autre->setFocus(); }
    void RemplitValeursAutomatiques() override { Champ->setText("42"); }
};

const TPlacesBoutons PlacesAvecAutomatique{.Valider = QRect(200, 60, 80, 25),
                                           .Annuler = QRect(200, 20, 80, 25),
                                           .TexteAutomatique = "Automatique",
                                           .Automatique = QRect(200, 100, 80, 25)};

class DialogueVerifie : public testing::TestWithParam<char> {
protected:
    DialogueVerifie() { MontreActif(dialogue_); }

    void ValideAvec(const QString& texte)
    {
        MontreActif(dialogue_);
        dialogue_.setResult(QDialog::Rejected);
        messages_.Messages.clear();
        dialogue_.Champ->setText(texte);
        dialogue_.Boutons.Valider->click();
    }

    SeparateurImpose separateur_{GetParam()};
    EnregistreurMessages messages_;
    TDialogueEssai dialogue_{PlacesAvecAutomatique};
};

TEST_P(DialogueVerifie, BoutonsALeurPlaceDansLOrdreDeLecture)
{
    const TBoutonsDialogue& b = dialogue_.Boutons;
    EXPECT_EQ(b.Valider, dialogue_.BtnValider());
    EXPECT_EQ(b.Annuler, dialogue_.BtnAnnuler());
    EXPECT_EQ(b.Valider->text(), "Valider");
    EXPECT_EQ(b.Annuler->text(), "Annuler");
    EXPECT_EQ(b.Automatique->text(), "Automatique");
    EXPECT_EQ(b.Valider->geometry(), QRect(200, 60, 80, 25));
    EXPECT_EQ(b.Automatique->geometry(), QRect(200, 100, 80, 25));
    EXPECT_TRUE(b.Valider->isDefault());
    EXPECT_FALSE(b.Annuler->isDefault());
    EXPECT_EQ(b.Valider->objectName(), "BtnValider");
    EXPECT_EQ(b.Annuler->objectName(), "BtnAnnuler");
    // La tabulation va d'Annuler, en haut, à Valider puis au bouton automatique.
    EXPECT_EQ(b.Annuler->nextInFocusChain(), b.Valider);
    EXPECT_EQ(b.Valider->nextInFocusChain(), b.Automatique);

    TDialogueEssai sansAutomatique({.Valider = QRect(0, 0, 9, 9), .Annuler = QRect(20, 0, 9, 9)});
    EXPECT_EQ(sansAutomatique.Boutons.Automatique, nullptr);
    EXPECT_EQ(sansAutomatique.Boutons.Valider->nextInFocusChain(), sansAutomatique.Boutons.Annuler);
}

TEST_P(DialogueVerifie, RefusGardeLeDialogueOuvertAvecSonMessageEtLeFocus)
{
    const struct {
        QString Texte;
        QString Message;
    } refus[] = {{"1,5x", "Champ mal saisi"}, {"", "Champ mal saisi"}, {"-2", "Champ négatif"}};
    for (const auto& r : refus) {
        ValideAvec(r.Texte);
        EXPECT_EQ(messages_.Messages, QStringList{r.Message}) << r.Texte.toStdString();
        EXPECT_EQ(dialogue_.focusWidget(), dialogue_.Champ) << r.Texte.toStdString();
        EXPECT_TRUE(dialogue_.isVisible()) << r.Texte.toStdString();
        EXPECT_EQ(dialogue_.result(), QDialog::Rejected) << r.Texte.toStdString();
    }
    ValideAvec("2.5");
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_EQ(dialogue_.result(), QDialog::Accepted);
    EXPECT_EQ(dialogue_.Champ->text(), AvecSeparateur("2#5"));
    EXPECT_EQ(ValeurChamp(dialogue_.Champ), 2.5L);
}

TEST_P(DialogueVerifie, AnnulerFermeSansRienVerifier)
{
    dialogue_.Champ->setText("abc");
    dialogue_.Boutons.Annuler->click();
    EXPECT_TRUE(messages_.Messages.isEmpty());
    EXPECT_FALSE(dialogue_.isVisible());
    EXPECT_EQ(dialogue_.result(), QDialog::Rejected);
    EXPECT_EQ(ValeurChamp(dialogue_.Champ), 0);
}

TEST_P(DialogueVerifie, AutomatiqueEcritLesValeursPuisRendLeFocusAValider)
{
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.Autre);
    dialogue_.Boutons.Automatique->click();
    EXPECT_EQ(dialogue_.Champ->text(), "42");
    EXPECT_EQ(dialogue_.focusWidget(), dialogue_.Boutons.Valider);
    EXPECT_TRUE(dialogue_.isVisible());
}

INSTANTIATE_TEST_SUITE_P(DeuxSeparateurs, DialogueVerifie, testing::Values(',', '.'));

} // namespace
