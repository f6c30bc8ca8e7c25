#pragma once
// Référence indépendante des réponses temporelles, en précision quadruple (113 bits) : la
// série de N(p)/(p^q.D(p)) en puissances de 1/p donne y(t) = somme des c_k.t^k/k!, sans racine
// ni élément simple. Sûre tant que |pôle|.t reste sous 30 (les termes n'y dépassent pas e^30).
#include <complex>
#include <vector>

#include "numerique/Polynomes.h"

using Quad = __float128;

struct TComplexeQuad {
    Quad Re = 0;
    Quad Im = 0;
};

// Coefficients réels (croissants) de constante.produit des (p - r), en quadruple.
inline std::vector<Quad> CoefsQuadDepuisRacines(Quad constante, const std::vector<TComplexe>& racines)
{
    std::vector<TComplexeQuad> c = {{constante, 0}};
    for (const TComplexe& r : racines) {
        std::vector<TComplexeQuad> d(c.size() + 1);
        for (std::size_t k = 0; k < c.size(); ++k) {
            d[k + 1].Re += c[k].Re;
            d[k + 1].Im += c[k].Im;
            d[k].Re -= c[k].Re * Quad(r.Re) - c[k].Im * Quad(r.Im);
            d[k].Im -= c[k].Re * Quad(r.Im) + c[k].Im * Quad(r.Re);
        }
        c = d;
    }
    std::vector<Quad> reels;
    for (const TComplexeQuad& z : c)
        reels.push_back(z.Re);
    return reels;
}

// Réponse de N/D à l'échelon (q = 1) ou à la rampe (q = 2) unitaires, N et D réels croissants.
inline long double ReponseQuad(const std::vector<Quad>& n, const std::vector<Quad>& d, int q, long double t)
{
    std::vector<Quad> a(q, 0);
    a.insert(a.end(), d.begin(), d.end());  // p^q.D
    const int haut = int(a.size()) - 1;
    std::vector<Quad> c;
    Quad somme = 0;
    Quad puissance = 1;  // t^k / k!
    for (int k = 0; k < 400; ++k) {
        const int j = haut - 1 - k;
        Quad ck = j >= 0 && j < int(n.size()) ? n[std::size_t(j)] : 0;
        for (int i = 1; i <= std::min(k, haut); ++i)
            ck -= a[std::size_t(haut - i)] * c[std::size_t(k - i)];
        ck /= a[std::size_t(haut)];
        c.push_back(ck);
        somme += ck * puissance;
        puissance = puissance * Quad(t) / Quad(k + 1);
    }
    return static_cast<long double>(somme);
}
