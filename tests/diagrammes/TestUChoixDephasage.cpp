// Plage des déphasages : l'ouverture montre le choix du document, seul « Valider » le change.
#include "diagrammes/UChoixDephasage.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "document/AideDialogues.h"
#include "document/Document.h"

namespace {

TEST(ChoixDephasages, TextesDuDialogue)
{
    TDocument doc = DocumentInitial();
    TChoixDephasagesBlack dialogue(doc);
    EXPECT_EQ(dialogue.windowTitle(), "Plage des déphasages");
    EXPECT_EQ(dialogue.Radio1->text(), "-180° et +180°");
    EXPECT_EQ(dialogue.Radio2->text(), "-360° et 0");
    QStringList textes;
    for (const QLabel* l : dialogue.findChildren<QLabel*>())
        textes << l->text();
    EXPECT_TRUE(textes.contains("Les diagrammes de Bode et Black peuvent être affichés"));
    EXPECT_TRUE(textes.contains("avec des déphasages compris entre:"));
    EXPECT_TRUE(dialogue.BtnValider->isDefault());
}

TEST(ChoixDephasages, ValiderRangeLeChoixAnnulerNeChangeRien)
{
    TDocument doc = DocumentInitial();
    ASSERT_FALSE(doc.PhaseSymetrique);
    TChoixDephasagesBlack dialogue(doc);
    MontreActif(dialogue);
    EXPECT_TRUE(dialogue.Radio2->isChecked());
    dialogue.Radio1->click();
    dialogue.BtnAnnuler->click();
    EXPECT_FALSE(doc.PhaseSymetrique);

    MontreActif(dialogue);
    EXPECT_TRUE(dialogue.Radio2->isChecked());
    dialogue.Radio1->click();
    dialogue.BtnValider->click();
    EXPECT_TRUE(doc.PhaseSymetrique);
    EXPECT_EQ(dialogue.result(), QDialog::Accepted);

    MontreActif(dialogue);
    EXPECT_TRUE(dialogue.Radio1->isChecked());
    dialogue.Radio2->click();
    dialogue.BtnValider->click();
    EXPECT_FALSE(doc.PhaseSymetrique);
}

}
