#include "DialogueRattache.h"

int ExecuteRattache(QDialog& dialogue, QWidget& fenetre, const TExecutionDialogue& execute)
{
    QWidget* const parent = dialogue.parentWidget();
    const Qt::WindowFlags drapeaux = dialogue.windowFlags();
    dialogue.setParent(&fenetre, drapeaux);
    const int resultat = execute(dialogue);
    dialogue.setParent(parent, drapeaux);
    return resultat;
}
