#pragma once
// Ce qui suit toute saisie ou lecture, sans fenêtre : racines communes, stabilité,
// décomposition, plages automatiques. Rend le statut de la décomposition.
#include "../numerique/RacinesCommunes.h"
#include "Document.h"

int AnalyseApresSaisieCoeur(TDocument& doc, const AvertissementRacine& avertir);

// Les plages automatiques ne préparent la rampe que d'un système stable ; cette copie la
// prépare toujours, pour qui veut la réponse d'un système instable.
TSysteme SystemeAvecRampe(const TDocument& doc);
