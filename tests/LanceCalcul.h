#pragma once
// kovra-calcul lancé comme en ligne de commande : code de sortie, sortie et erreurs.
#include "LanceProgramme.h"

inline TExecution Lance(const std::vector<std::string>& arguments)
{
    return LanceProgramme(KOVRA_CALCUL, arguments);
}
