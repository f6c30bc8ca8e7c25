#pragma once
// Plages automatiques proposées par les dialogues d'échelles.
#include <array>

#include "Systeme.h"

// Écrit aussi DRampe, EntiereRampe et DecompositionRampe dans le système.
void CalculeEchellesAuto(TSysteme& s, TEchellesAuto& e);

// Chaque plage automatique avec son nom, pour qui les écrit ou les compare.
struct TChampEchelle {
    const char* Nom;
    Reel TEchellesAuto::*Champ;
};
extern const std::array<TChampEchelle, 14> ChampsEchellesAuto;

// Les plages automatiques ne préparent la rampe que d'un système stable ; cette copie la
// prépare toujours, pour qui veut la réponse d'un système instable.
TSysteme SystemeAvecRampe(const TSysteme& systeme);
