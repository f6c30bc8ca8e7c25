#pragma once
// Part d'une grappe de pôles proches sur des instants croissants : autour d'un instant d'ancrage,
// la part est un développement de Taylor en temps, repris sur la forme close quand l'instant sort
// de sa portée.
#include <vector>

#include "PolesProches.h"

class TGrappeEchantillonnee {
public:
    // Pas : écart des instants ; une portée plus courte que le pas ne servirait à rien.
    TGrappeEchantillonnee(const TGrappePoles& grappe, Reel pas);
    // Partie réelle de PartDeLaGrappe(grappe, t), aux arrondis près ; t ne décroît jamais.
    Reel Part(Reel t);

private:
    void Ancre(Reel t);
    int OrdreSuffisant() const;

    const TGrappePoles* grappe_;
    TComplexe centre_;  // centre rapporté au rayon
    Reel portee_ = 0;   // en temps rapporté au rayon
    int ordre_ = 0;  // termes du développement
    bool ancree_ = false;
    Reel ancre_ = 0;  // en temps rapporté au rayon
    Reel valeur_ = 0;
    std::vector<Reel> coefficients_;  // de s, s^2, ... : Part(ancre + s) - Part(ancre)
};
