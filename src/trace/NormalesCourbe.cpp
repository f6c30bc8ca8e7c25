#include "NormalesCourbe.h"

#include <cmath>

#include "numerique/Arrondis.h"

namespace {
// Tient lieu de pente infinie : corde verticale, ou normale d'une corde horizontale.
constexpr Reel PenteVerticale = 10000;

Reel PenteOuVerticale(Reel pente)
{
    return std::isfinite(pente) ? pente : PenteVerticale;
}
}

void TNormalesCourbe::Avance(Reel u, Reel v)
{
    Precedente = Normale;
    Normale.reset();
    if (std::isfinite(u) && std::isfinite(v) && std::isfinite(U) && std::isfinite(V)) {
        // Deux échantillons confondus ou sur une même verticale : corde verticale.
        const Reel corde = U != u ? PenteOuVerticale((V - v) / (U - u)) : PenteVerticale;
        const Reel pente = corde != 0 ? PenteOuVerticale(-1 / corde) : PenteVerticale;
        const Reel ordonnee = v - pente * u;
        if (std::isfinite(ordonnee))
            Normale = TNormale{pente, ordonnee};
    }
    U = u;
    V = v;
}

std::optional<TDirection> TNormalesCourbe::DirectionEtiquette() const
{
    if (!Normale)
        return std::nullopt;
    const Reel theta = std::atan(Normale->Pente);
    // Sans centre de courbure (normales parallèles ou inconnues), le côté de la pente.
    int cote = 1;
    if (Precedente && Precedente->Pente != Normale->Pente) {
        const Reel centre = (Precedente->Ordonnee - Normale->Ordonnee) / (Normale->Pente - Precedente->Pente);
        if (std::isfinite(centre))
            cote = Signe(U - centre);
    }
    return TDirection{std::cos(theta) * cote, std::sin(theta) * cote};
}
