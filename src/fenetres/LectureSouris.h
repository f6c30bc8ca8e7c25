#pragma once
// Lecture à la souris sur le diagramme affiché : le point touché et ses textes, tirés des
// seuls points du relevé que la fenêtre garde de son dernier tracé (rien n'est évalué).
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <optional>

struct TTraceDiagramme;

// Premier point d'indice 1 à NbPoints à 2 pixels au plus du clic sur la courbe (gain, ou
// phase pour Bode) ; rien quand aucun diagramme n'est affiché.
std::optional<int> PointTouche(const TTraceDiagramme& trace, QPoint clic);

// Quatre lignes, six pour Black avec l'abaque (la boucle fermée en plus).
QStringList LignesLecture(const TTraceDiagramme& trace, int indice);

// Coin haut gauche du bloc : à droite et en dessous du clic quand il tient dans la zone,
// sinon de l'autre côté.
QPoint CoinBloc(QPoint clic, QSize bloc, QSize zone);
