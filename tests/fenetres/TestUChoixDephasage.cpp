// Plage des déphasages : l'ouverture montre le choix du document, seul « Valider » le change.
#include "fenetres/UChoixDephasage.h"

#include <QPushButton>
#include <QRadioButton>

#include "AideDialogues.h"
#include "coeur/Document.h"

namespace {

TEST(ChoixDephasages, ValiderRangeLeChoixAnnulerNeChangeRien)
{
    TDocument doc = DocumentInitial();
    TChoixDephasagesBlack dialogue(doc);
    MontreActif(dialogue);
    EXPECT_TRUE(dialogue.Radio2->isChecked());
    dialogue.Radio1->click();
    dialogue.BtnAnnuler()->click();
    EXPECT_FALSE(doc.PhaseSymetrique);

    MontreActif(dialogue);
    EXPECT_TRUE(dialogue.Radio2->isChecked());
    dialogue.Radio1->click();
    dialogue.BtnValider()->click();
    EXPECT_TRUE(doc.PhaseSymetrique);

    MontreActif(dialogue);
    EXPECT_TRUE(dialogue.Radio1->isChecked());
    dialogue.Radio2->click();
    dialogue.BtnValider()->click();
    EXPECT_FALSE(doc.PhaseSymetrique);
}

// Le troisième choix déroule la phase ; il se relit à l'ouverture suivante et cède sa place
// à une plage fixe choisie ensuite.
TEST(ChoixDephasages, PhaseContinueChoisieRelueEtQuittee)
{
    TDocument doc = DocumentInitial();
    TChoixDephasagesBlack dialogue(doc);
    MontreActif(dialogue);
    EXPECT_EQ(dialogue.Radio3->text(), "continue");
    EXPECT_FALSE(dialogue.Radio3->isChecked());
    dialogue.Radio3->click();
    dialogue.BtnAnnuler()->click();
    EXPECT_FALSE(doc.PhaseContinue);

    MontreActif(dialogue);
    dialogue.Radio3->click();
    dialogue.BtnValider()->click();
    EXPECT_TRUE(doc.PhaseContinue);

    MontreActif(dialogue);
    EXPECT_TRUE(dialogue.Radio3->isChecked());
    EXPECT_FALSE(dialogue.Radio1->isChecked() || dialogue.Radio2->isChecked());
    dialogue.Radio1->click();
    dialogue.BtnValider()->click();
    EXPECT_FALSE(doc.PhaseContinue);
    EXPECT_TRUE(doc.PhaseSymetrique);
}

}
