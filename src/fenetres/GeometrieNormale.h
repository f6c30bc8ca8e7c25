#pragma once
// Taille et place d'une fenêtre hors maximisation.
class QWidget;

// Trois quarts de la zone utile de son écran, au centre. Posée avant la maximisation, c'est
// elle que le gestionnaire de fenêtres rend quand on démaximise : la barre de titre reste
// à l'écran, la souris peut encore déplacer la fenêtre.
void PoseGeometrieNormale(QWidget& fenetre);
