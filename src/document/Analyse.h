#pragma once
// Ce qui suit toute saisie ou lecture, sans fenêtre : racines communes, stabilité,
// décomposition, plages automatiques. Rend le statut de la décomposition.
#include <array>

#include "../numerique/RacinesCommunes.h"
#include "Document.h"

int AnalyseApresSaisieCoeur(TDocument& doc, const AvertissementRacine& avertir);

// Chaque plage automatique avec son nom dans le document, pour qui les écrit ou les compare.
struct TChampEchelle {
    const char* Nom;
    Reel TEchellesAuto::*Champ;
};
extern const std::array<TChampEchelle, 14> ChampsEchellesAuto;

// Les plages automatiques ne préparent la rampe que d'un système stable ; cette copie la
// prépare toujours, pour qui veut la réponse d'un système instable.
TSysteme SystemeAvecRampe(const TDocument& doc);
