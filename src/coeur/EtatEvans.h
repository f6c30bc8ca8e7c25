#pragma once
// Ce que le document garde du lieu d'Evans et des boucles fermées : le dernier gain lu, et la
// suite des gains qui a mené de la saisie à la fonction étudiée. Les branches tracées sont à la
// fenêtre qui les a dessinées.
#include <optional>
#include <vector>

#include "numerique/Complexes.h"

struct TEtatEvans {
    std::optional<Reel> GainLu;
    // Boucles fermées successives, valables tant que N et D sont ceux qu'elles ont donnés.
    std::vector<Reel> GainsFermes;
    std::vector<Reel> CoefsFermes;
};
