#pragma once
// Les marges de la fonction étudiée, calculées une fois par analyse, et leurs textes.
#include <QString>

#include "Document.h"

const TMarges& MargesDuDocument(TDocument& doc);

// « MG = +15.56 dB à +0.2251 Hz », ou « MG infinie » sans croisement de phase ; une marge dans la
// résolution de l'affichage se lit « MG = +0 dB (limite) à … Hz ».
QString TexteMargeGain(const TMarges& m, int chiffres);
// « MP = +53.41 ° à +0.07094 Hz », ou « MP infinie » sans croisement de gain.
QString TexteMargePhase(const TMarges& m, int chiffres);
// La ligne de l'étude : « Marge de gain : … dB   Marge de phase : … ° ».
QString LigneMargesEtude(const TMarges& m, int chiffres);
