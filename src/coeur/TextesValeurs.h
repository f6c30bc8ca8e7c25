#pragma once
// Textes des nombres : ceux des formules, des graduations et des annonces, ceux des champs et
// des valeurs lues sur un diagramme (lecture à la souris, tableau de valeurs).
#include <QString>
#include <string>

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

// Séparateur décimal des textes affichés et tapés : réglé une fois au démarrage d'après la locale,
// puis seulement lu. Un texte qui doit en garder un autre (la sortie de kovra-calcul) le donne.
void DefinitSeparateurDecimal(char separateur);
char SeparateurDecimal();

// Signe toujours écrit ; n chiffres significatifs de 0,001 à 10000, n + 2 en forme exposant
// au-delà ; décimales arrondies moitiés loin de zéro.
std::string NombreEnTexte(Reel x, int n, char separateur = SeparateurDecimal());
// Les parties sous la résolution de l'affichage (voir PartiesAffichees) s'écrivent 0.
std::string ComplexeEnTexte(TComplexe z, int n, char separateur = SeparateurDecimal());
// z dont chaque partie plus petite qu'une demi-unité du dernier des `chiffres` significatifs de la
// plus grande vaut 0 : à cette échelle, ce n'est que du bruit de calcul (2.6 + j3.8E-37).
TComplexe PartiesAffichees(TComplexe z, int chiffres);
