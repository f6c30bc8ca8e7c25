#pragma once
// Objets « correcteur » et « reglage » de la sortie de kovra-calcul.
#include "JsonCalcul.h"
#include "OptionsCorrecteur.h"

// Type, chaque paramètre du type sous son nom d'option, coefficients de Nc et Dc par puissances
// croissantes.
TJson CorrecteurJson(const TOptionCorrecteur& o);
TJson ReglageJson(const TReglage& r);
