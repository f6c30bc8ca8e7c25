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

bool ExecuteDevant(QDialog& dialogue, QWidget& fenetre, const TExecutionDialogue& execute)
{
    const bool valide = ExecuteRattache(dialogue, fenetre, execute) == QDialog::Accepted;
    fenetre.raise();
    fenetre.activateWindow();
    return valide;
}

void MontreDevant(QWidget& fenetre)
{
    if (fenetre.isVisible()) {
        fenetre.raise();
        fenetre.activateWindow();
    } else {
        fenetre.show();
    }
}
