#pragma once
// Normales d'une courbe échantillonnée, d'un échantillon au suivant : l'étiquette d'une
// fréquence se pose sur la normale, du côté opposé au centre de courbure (croisement de
// deux normales successives).
#include <optional>

#include "numerique/Complexes.h"

// Direction unitaire de l'étiquette depuis le point de la courbe.
struct TDirection {
    Reel X = 0;
    Reel Y = 0;
};

class TNormalesCourbe {
public:
    // Échantillon suivant, en unités où les deux axes ont la même échelle.
    void Avance(Reel u, Reel v);
    // Direction de l'étiquette au dernier échantillon ; rien quand sa normale est inconnue
    // (échantillon ou voisin non fini).
    std::optional<TDirection> DirectionEtiquette() const;

private:
    struct TNormale {
        Reel Pente = -1;
        Reel Ordonnee = 1;
    };
    // Le repère part d'un point (1, 1) de normale de pente -1.
    Reel U = 1;
    Reel V = 1;
    std::optional<TNormale> Normale = TNormale{};
    std::optional<TNormale> Precedente;
};
