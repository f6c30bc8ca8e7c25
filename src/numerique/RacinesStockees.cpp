#include "RacinesStockees.h"

#include <cmath>
#include <vector>

#include "Tolerances.h"

namespace {

// Une racine multiple peut garder des valeurs un peu différentes, dans la tolérance qui les a
// réunies : le chercheur de racines en laisse ainsi, et les fichiers les conservent.
bool GroupesHomogenes(const TPolynome& p, Reel tolerance)
{
    for (int k = 1; k <= p.Multiplicites[0]; ++k) {
        const int premier = RangRacine(p, k);
        for (int i = premier + 1; i < premier + p.Multiplicites[k]; ++i)
            if (!ProchesRelatifs(p.Racines[i], p.Racines[premier], tolerance))
                return false;
    }
    return true;
}

} // namespace

bool RacinesConformes(const TPolynome& p, Reel tolerance)
{
    if (!GroupesHomogenes(p, ToleranceGroupes))
        return false;
    // produit : coefficients rebâtis ; ampleur : ceux de |Racines[0]|.produit(p + |r_i|), qui
    // bornent ce qu'un écart relatif sur chaque racine déplace dans chaque coefficient.
    std::vector<TComplexe> produit(std::size_t(p.Degre) + 1);
    std::vector<Reel> ampleur(std::size_t(p.Degre) + 1, 0);
    produit[0] = p.Racines[0];
    ampleur[0] = Module(p.Racines[0]);
    for (int i = 1; i <= p.Degre; ++i) {
        const TComplexe r = p.Racines[i];
        const Reel m = Module(r);
        for (int k = i; k >= 1; --k) {
            produit[std::size_t(k)] = Difference(produit[std::size_t(k - 1)], Produit(r, produit[std::size_t(k)]));
            ampleur[std::size_t(k)] = ampleur[std::size_t(k - 1)] + m * ampleur[std::size_t(k)];
        }
        produit[0] = Oppose(Produit(r, produit[0]));
        ampleur[0] = m * ampleur[0];
    }
    for (int k = 0; k <= p.Degre; ++k) {
        const Reel ecart = Module(Difference(produit[std::size_t(k)], p.Coef[std::size_t(k)]));
        // Un NaN ne passe pas : la comparaison est écrite pour échouer.
        if (!(ecart <= tolerance * ampleur[std::size_t(k)]))
            return false;
    }
    return true;
}
