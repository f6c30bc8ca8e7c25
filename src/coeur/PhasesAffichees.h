#pragma once
// Phases montrées par les diagrammes de Bode et de Black : ramenées dans une plage fixe de
// 360°, ou continues le long des fréquences avec un axe gradué à leur mesure.
#include <vector>

#include "GainPhase.h"
#include "numerique/PhaseContinue.h"
#include "numerique/Systeme.h"

class TPhasesAffichees {
public:
    TPhasesAffichees(const TSysteme& s, bool symetrique, bool continue_);

    bool Continue() const { return Continue_; }
    bool Symetrique() const { return Symetrique_; }
    // Phase en boucle ouverte de l'échantillon, en degrés ; NaN quand elle n'a pas de sens.
    Reel Degres(const TEchantillonFrequentiel& e) const;

private:
    TPhaseContinue Deroulee;
    bool Symetrique_;
    bool Continue_;
};

struct TAxePhases {
    TBornes Bornes;
    Reel Pas = 45;
};

inline constexpr int PasPhasesMax = 10;

// Plage fixe : 45° entre les lignes. Continue : le premier pas de 45°, 90°, 180°, 360°, 720°,
// 1800°, 3600°, 7200°, 18000°… qui couvre les phases finies en `pasMax` pas au plus ; une
// courbe plate reçoit un pas de chaque côté.
TAxePhases AxePhases(const TPhasesAffichees& mode, const std::vector<Reel>& phases, int pasMax = PasPhasesMax);
