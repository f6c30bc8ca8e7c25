#pragma once
// Ce qui suit toute saisie ou lecture, sans fenêtre : racines communes, stabilité,
// décomposition, plages automatiques. Rend le statut de la décomposition.
#include "numerique/EchellesAuto.h"
#include "numerique/RacinesCommunes.h"
#include "Document.h"

int AnalyseApresSaisieCoeur(TDocument& doc, const AvertissementRacine& avertir);
