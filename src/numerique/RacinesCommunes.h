#pragma once
// Racines communes à N et D, et verdict de stabilité.
#include <functional>
#include <string>

#include "Systeme.h"

// Chaque racine commune est annoncée par son texte avant d'être simplifiée.
using AvertissementRacine = std::function<void(const std::string& texteRacine)>;

void SimplifieRacinesCommunes(TSysteme& s, int chiffresSignificatifs, const AvertissementRacine& avertir);
