#pragma once
// Séparateur décimal des textes affichés imposé le temps d'un test, puis rendu.
#include "coeur/TextesValeurs.h"

class SeparateurImpose {
public:
    explicit SeparateurImpose(char separateur) : ancien_(SeparateurDecimal())
    {
        DefinitSeparateurDecimal(separateur);
    }
    ~SeparateurImpose() { DefinitSeparateurDecimal(ancien_); }
    SeparateurImpose(const SeparateurImpose&) = delete;
    SeparateurImpose& operator=(const SeparateurImpose&) = delete;

private:
    char ancien_;
};
