#include "TexteDeChamp.h"

#include <QLineEdit>

void EcritTexteDeChamp(QLineEdit& champ, const QString& texte)
{
    champ.setText(texte);
    champ.setCursorPosition(0);
}

void SelectionneDepuisLeDebut(QLineEdit& champ)
{
    const int longueur = int(champ.text().size());
    champ.setSelection(longueur, -longueur);
}
