#pragma once
// Ce que l'analyse tire de la fonction, dans le JSON de kovra-calcul : décomposition en éléments
// simples, gain statique, plages automatiques.
#include "JsonCalcul.h"
#include "numerique/Systeme.h"

// Coefficients de la partie entière par puissances croissantes.
TJson PartieEntiereJson(const TSysteme& s);
// Par pôle distinct : pole, multiplicite, coefficients de 1/(p - pole)^l pour l = 1 .. multiplicité.
TJson ElementsSimplesJson(const TSysteme& s);
TJson GainStatiqueJson(const TSysteme& s);
// Les champs restés NaN, que le calcul des plages n'a pas écrits, sont omis.
TJson EchellesJson(const TEchellesAuto& e);
