#include "PhaseContinue.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr Reel Degres = 180 / Pi;
// Racine confondue avec l'origine, relativement à la plus grande.
constexpr Reel ToleranceOrigine = 1e-12L;

// Dans (−90, 90) pour une racine à gauche de l'axe imaginaire, dans (90, 270) à sa droite :
// aucune des deux branches ne saute quand ω croît.
Reel ArgumentFacteur(TComplexe r, Reel omega)
{
    const Reel x = -r.Re;
    const Reel y = omega - r.Im;
    const Reel a = std::atan2(y, x) * Degres;
    return x < 0 && a < 0 ? a + 360 : a;
}

Reel PlusGrandeRacine(const TPolynome& p)
{
    Reel m = 0;
    for (int k = 1; k <= p.Degre; ++k)
        m = std::max(m, Module(p.Racines[std::size_t(k)]));
    return m;
}

// Somme des arguments des facteurs d'un polynôme, facteur constant compris ; `origines`
// compte les racines à l'origine, chacune prise à +90° (sa limite quand ω tend vers 0+).
Reel SommeFacteurs(const TPolynome& p, Reel omega, Reel tolerance, int* origines)
{
    Reel s = Argument(p.Racines[0]) * Degres;
    for (int k = 1; k <= p.Degre; ++k) {
        const TComplexe r = p.Racines[std::size_t(k)];
        if (origines && Module(r) <= tolerance) {
            ++*origines;
            s += 90;
        } else {
            s += ArgumentFacteur(r, omega);
        }
    }
    return s;
}
}

TPhaseContinue::TPhaseContinue(const TSysteme& s) : S(s)
{
    RacinesConnues = s.Numerateur.RacinesValides && s.Denominateur.RacinesValides;
    if (!RacinesConnues)
        return;
    const Reel tolerance =
        ToleranceOrigine * std::max({Reel(1), PlusGrandeRacine(s.Numerateur), PlusGrandeRacine(s.Denominateur)});
    int zeros = 0, poles = 0;
    const Reel basse =
        SommeFacteurs(s.Numerateur, 0, tolerance, &zeros) - SommeFacteurs(s.Denominateur, 0, tolerance, &poles);
    const int integrations = poles - zeros;
    // Le signe du gain statique, lu sur ce qui reste une fois les origines ôtées.
    const bool gainNegatif = std::cos((basse + 90 * integrations) / Degres) < 0;
    const Reel cible = -90 * integrations - (gainNegatif ? 180 : 0);
    Decalage = 360 * std::nearbyint((cible - basse) / 360);
}

Reel TPhaseContinue::Somme(Reel omega) const
{
    return SommeFacteurs(S.Numerateur, omega, 0, nullptr) - SommeFacteurs(S.Denominateur, omega, 0, nullptr)
           - omega * S.TempsMort * Degres;
}

Reel TPhaseContinue::EnDegres(Reel omega, TComplexe h) const
{
    const Reel m = Module(h);
    if (!(m > 0) || !std::isfinite(m))
        return std::numeric_limits<Reel>::quiet_NaN();
    if (!RacinesConnues) {
        const Reel phase = Argument(h) * Degres;
        return phase > 0 ? phase - 360 : phase;
    }
    return Somme(omega) + Decalage;
}
