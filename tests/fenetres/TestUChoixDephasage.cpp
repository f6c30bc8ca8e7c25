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

}
