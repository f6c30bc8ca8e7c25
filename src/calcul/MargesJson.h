#pragma once
// L'objet « marges » de kovra-calcul : fréquences en hertz, une marge qui n'existe pas vaut null.
#include <vector>

#include "JsonCalcul.h"
#include "numerique/Marges.h"

// Les pulsations données, en hertz.
TJson FrequencesJson(const std::vector<Reel>& pulsations);
TJson MargesJson(const TMarges& m);
