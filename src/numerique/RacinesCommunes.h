#pragma once
// Racines communes à N et D, et verdict de stabilité.
#include <functional>

#include "Systeme.h"

// Chaque racine commune est annoncée avant d'être simplifiée.
using AnnonceRacine = std::function<void(TComplexe racine)>;

void SimplifieRacinesCommunes(TSysteme& s, const AnnonceRacine& annoncer);
