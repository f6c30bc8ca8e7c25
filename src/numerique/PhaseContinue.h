#pragma once
// Phase continue de la réponse en fréquence : chaque facteur (jω − r) pris sur la branche qui
// ne saute pas quand ω croît, le retard en −ωT, et la courbe ramenée, à un multiple de 360°
// près, à sa valeur basse fréquence : −90° par pôle à l'origine, +90° par zéro à l'origine,
// −180° de plus pour un gain statique négatif.
#include "Systeme.h"

class TPhaseContinue {
public:
    explicit TPhaseContinue(const TSysteme& s);

    // En degrés, pour la réponse h calculée à la pulsation ω > 0 ; NaN quand la phase n'a pas
    // de sens (module nul ou réponse non finie). Sans racines connues, la phase de h ramenée
    // dans [−360, 0].
    Reel EnDegres(Reel omega, TComplexe h) const;

private:
    Reel Somme(Reel omega) const;

    const TSysteme& S;
    bool RacinesConnues = false;
    Reel Decalage = 0;
};
