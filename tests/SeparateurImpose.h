#pragma once
// Séparateur décimal du noyau imposé le temps d'un test, puis rendu ; sans Qt.
#include "numerique/Complexes.h"

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
