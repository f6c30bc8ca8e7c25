#pragma once
// Plages automatiques proposées par les dialogues d'échelles.
#include "Systeme.h"

// Écrit aussi DRampe, EntiereRampe et DecompositionRampe dans le système.
void CalculeEchellesAuto(TSysteme& s, TEchellesAuto& e);
