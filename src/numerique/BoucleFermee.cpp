#include "BoucleFermee.h"

#include <algorithm>

TBoucleFermee FonctionBoucleFermee(const TPolynome& n, const TPolynome& d, Reel k)
{
    TBoucleFermee f;
    std::array<Reel, DegreMax + 1> num{};
    std::array<Reel, DegreMax + 1> den{};
    const int degre = std::max(n.Degre, d.Degre);
    for (int i = 0; i <= degre; ++i) {
        num[std::size_t(i)] = k * CoefOuZero(n, i).Re;
        den[std::size_t(i)] = CoefOuZero(d, i).Re + num[std::size_t(i)];
    }
    f.Numerateur = PolynomeReel(std::span<const Reel>(num.data(), std::size_t(degre) + 1));
    f.Denominateur = PolynomeReel(std::span<const Reel>(den.data(), std::size_t(degre) + 1));
    f.Existe = !EstPolynomeNul(f.Denominateur);
    return f;
}
