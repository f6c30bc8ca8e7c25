#pragma once
// Lecture et écriture des nombres tapés dans les dialogues.
#include <QString>

#include "numerique/Complexes.h"

// Remplace "," et "." par le séparateur décimal de la locale.
QString NormaliseSeparateur(const QString& texte);
// Seul lecteur des nombres tapés : blancs autour, signe, exposant. Refuse ce qui n'est pas
// un nombre fini.
bool LitReel(const QString& texte, Reel& valeur);
// Entier tapé : blancs autour, signe, chiffres. Au-delà de neuf chiffres la valeur est
// bornée à ±999999999, pour que le contrôle de plage de l'appelant la refuse.
bool LitEntier(const QString& texte, int& valeur);
