#pragma once
// Textes des nombres affichés dans les champs et des valeurs lues sur un diagramme (lecture à
// la souris, tableau de valeurs).
// Séparateur décimal : celui du noyau, réglé au démarrage d'après la locale.
#include <QString>

#include "numerique/Complexes.h"

// Entier décimal précédé de blancs jusqu'à 4 caractères.
QString TexteEntier(int n);
// Virgule fixe, `chiffres` significatifs et `decimales` décimales, précédé de blancs jusqu'à
// chiffres + decimales + 1 caractères ; forme scientifique si la partie entière déborde.
QString TexteFixe(Reel x, int chiffres, int decimales);
// Format général : le plus court, au plus `chiffres` significatifs ; scientifique sous 1E-4
// ou quand la partie entière dépasse `chiffres` chiffres.
QString TexteGeneral(Reel x, int chiffres);
// Chiffres d'un nombre réécrit dans un champ : assez pour que la valeur relue ne bouge pas
// à l'œil, sans la queue d'arrondi de la précision étendue.
inline constexpr int ChiffresRelisibles = 15;
