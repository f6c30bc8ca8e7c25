#pragma once
// Ce qui suit toute saisie ou lecture, sans fenêtre : racines communes, stabilité,
// décomposition, plages automatiques. Rend le statut de la décomposition.
#include <functional>
#include <string>

#include "numerique/EchellesAuto.h"
#include "numerique/RacinesCommunes.h"
#include "Document.h"

// Chaque racine commune est annoncée par son texte, aux chiffres du document, avant d'être simplifiée.
using AvertissementRacine = std::function<void(const std::string& texteRacine)>;

int AnalyseApresSaisieCoeur(TDocument& doc, const AvertissementRacine& avertir);
