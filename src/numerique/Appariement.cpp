#include "Appariement.h"

#include <algorithm>
#include <cmath>
#include <limits>

// Méthode hongroise à potentiels, en O(n³) : n ne dépasse pas 10.
std::array<int, AppariementMax> Appariement(const TComplexe* anciens, const TComplexe* nouveaux, int n)
{
    constexpr Reel Infini = std::numeric_limits<Reel>::infinity();
    constexpr Reel CoutMax = 1e300L;
    std::array<std::array<Reel, AppariementMax>, AppariementMax> cout{};
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
        {
            // Une racine non finie ne doit pas bloquer la recherche : elle coûte seulement très cher.
            const Reel d = Distance(anciens[i], nouveaux[j]);
            cout[std::size_t(i)][std::size_t(j)] = std::isfinite(d) ? std::min(d, CoutMax) : CoutMax;
        }
    // Indices décalés de un : 0 tient lieu de ligne fictive.
    std::array<Reel, AppariementMax + 1> u{}, v{};
    std::array<int, AppariementMax + 1> ligneDe{}, chemin{};
    for (int i = 1; i <= n; ++i) {
        ligneDe[0] = i;
        int j0 = 0;
        std::array<Reel, AppariementMax + 1> minimum;
        std::array<bool, AppariementMax + 1> vu{};
        minimum.fill(Infini);
        do {
            vu[std::size_t(j0)] = true;
            const int i0 = ligneDe[std::size_t(j0)];
            Reel delta = Infini;
            int j1 = 0;
            for (int j = 1; j <= n; ++j) {
                if (vu[std::size_t(j)])
                    continue;
                const Reel reduit = cout[std::size_t(i0 - 1)][std::size_t(j - 1)] - u[std::size_t(i0)] - v[std::size_t(j)];
                if (reduit < minimum[std::size_t(j)]) {
                    minimum[std::size_t(j)] = reduit;
                    chemin[std::size_t(j)] = j0;
                }
                if (minimum[std::size_t(j)] < delta) {
                    delta = minimum[std::size_t(j)];
                    j1 = j;
                }
            }
            for (int j = 0; j <= n; ++j) {
                if (vu[std::size_t(j)]) {
                    u[std::size_t(ligneDe[std::size_t(j)])] += delta;
                    v[std::size_t(j)] -= delta;
                } else {
                    minimum[std::size_t(j)] -= delta;
                }
            }
            j0 = j1;
        } while (ligneDe[std::size_t(j0)] != 0);
        do {
            const int j1 = chemin[std::size_t(j0)];
            ligneDe[std::size_t(j0)] = ligneDe[std::size_t(j1)];
            j0 = j1;
        } while (j0 != 0);
    }
    std::array<int, AppariementMax> suite{};
    for (int j = 1; j <= n; ++j)
        suite[std::size_t(ligneDe[std::size_t(j)] - 1)] = j - 1;
    return suite;
}
