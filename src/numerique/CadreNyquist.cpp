#include "CadreNyquist.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "Reponses.h"

namespace {

// Le bord du cadre tombe à un pas près sur le module cherché : à un pour mille près ici.
constexpr Reel PointsParDecade = 1000;
// Assez pour les dix décades du balayage ; une bande plus large est échantillonnée moins serré.
constexpr Reel PointsMax = 20000;
// La branche infinie entre dans le cadre sur quelques fois la taille du reste de la courbe :
// on voit où elle part sans que le reste s'y perde.
constexpr Reel FacteurBranche = 4;
// Un axe presque vide (la courbe de 1/p est une demi-droite) s'ouvre au quart de l'autre.
constexpr Reel RapportAxesMin = 0.25L;

struct TRacinesBasses {
    int Integrateurs = 0;  // pôles moins zéros sous la bande
    Reel PremiereCassure = std::numeric_limits<Reel>::infinity();
};

// Une racine de module sous la bande agit sur toute la bande comme p : intégrateur au
// dénominateur, dérivateur au numérateur ; les autres font les cassures de la courbe.
void Classe(const TPolynome& p, Reel wBasse, int sens, TRacinesBasses& r)
{
    for (int i = 1; i <= p.Degre; ++i) {
        const Reel module = Module(p.Racines[std::size_t(i)]);
        if (module < wBasse)
            r.Integrateurs += sens;
        else
            r.PremiereCassure = std::min(r.PremiereCassure, module);
    }
}

// Pulsation k de la grille logarithmique de wBasse à wHaute.
Reel Pulsation(Reel wBasse, Reel wHaute, int k, int n)
{
    return k == n ? wHaute : wBasse * std::pow(wHaute / wBasse, Reel(k) / Reel(n));
}

void Elargit(TBornes& b, Reel v)
{
    b.Min = std::min(b.Min, v);
    b.Max = std::max(b.Max, v);
}

void OuvreAuQuart(TBornes& petit, const TBornes& grand)
{
    const Reel manque = RapportAxesMin * (grand.Max - grand.Min) - (petit.Max - petit.Min);
    if (manque > 0) {
        petit.Min -= manque / 2;
        petit.Max += manque / 2;
    }
}

}  // namespace

std::optional<TCadreNyquist> CadreNyquistIntegrateurs(const TSysteme& s, Reel fBasse, Reel fHaute)
{
    const Reel wBasse = DeuxPi * fBasse;
    const Reel wHaute = DeuxPi * fHaute;
    if (!s.Numerateur.RacinesValides || !s.Denominateur.RacinesValides || !(wBasse > 0) || !(wHaute > wBasse)
        || !std::isfinite(wHaute))
        return std::nullopt;
    TRacinesBasses basses;
    Classe(s.Denominateur, wBasse, 1, basses);
    Classe(s.Numerateur, wBasse, -1, basses);
    if (basses.Integrateurs < 1)
        return std::nullopt;
    if (s.TempsMort > 0)
        basses.PremiereCassure = std::min(basses.PremiereCassure, 1 / s.TempsMort);
    // Sans cassure, la courbe n'a que sa branche : on la montre jusqu'à 1 rad/s.
    const Reel cassure = std::isfinite(basses.PremiereCassure) ? basses.PremiereCassure : 1;
    const Reel depart = std::clamp(cassure, wBasse, wHaute);

    const int n = int(std::clamp(std::ceil(PointsParDecade * std::log10(wHaute / wBasse)), Reel(1), PointsMax));
    std::vector<TComplexe> reponses(std::size_t(n) + 1);
    // La cassure elle-même, où le module est souvent le plus grand, n'est pas un point de la grille.
    const TComplexe aLaCassure = ReponseFrequentielle(s, {0, depart});
    Reel plusGrand = EstFini(aLaCassure) ? Module(aLaCassure) : 0;
    for (int k = 0; k <= n; ++k) {
        const Reel w = Pulsation(wBasse, wHaute, k, n);
        reponses[std::size_t(k)] = ReponseFrequentielle(s, {0, w});
        if (w >= depart && EstFini(reponses[std::size_t(k)]))
            plusGrand = std::max(plusGrand, Module(reponses[std::size_t(k)]));
    }
    const Reel rayon = FacteurBranche * plusGrand;
    if (!(rayon > 0) || !std::isfinite(rayon))
        return std::nullopt;
    TCadreNyquist c;
    for (const TComplexe& h : reponses)
        if (EstFini(h) && Module(h) <= rayon) {
            Elargit(c.Re, h.Re);
            Elargit(c.Im, h.Im);
        }
    // Un seul intégrateur : la branche infinie longe une verticale, à l'abscisse que la courbe
    // a au bas de la bande ; le cadre la montre.
    if (basses.Integrateurs == 1 && EstFini(reponses.front()))
        Elargit(c.Re, reponses.front().Re);
    OuvreAuQuart(c.Re, c.Im);
    OuvreAuQuart(c.Im, c.Re);
    if (!(c.Re.Max > c.Re.Min) || !(c.Im.Max > c.Im.Min))
        return std::nullopt;
    return c;
}
