#include "EchellesReponses.h"

#include <algorithm>
#include <cmath>

#include "Graphisme.h"

namespace {
// Une marge absolue de 1e-6 mangerait plusieurs graduations d'une réponse de faible amplitude
// (un gain statique de 1e-7) : elle est ici rapportée au pas, ce qui ne change rien pour les
// pas de l'ordre de l'unité.
constexpr Reel MargeRelative = 1e-6L;
// En deçà, le pas divisé par les 4000 intervalles de la page perdrait sa précision.
constexpr Reel PasMinimum = 1e-4900L;
// Au-delà, deux graduations voisines ne se distinguent plus dans la précision de leurs
// valeurs, ni dans les 15 chiffres de leurs étiquettes.
constexpr Reel PasParBorneMaximum = 1e15L;

struct TCalcul {
    TRefusEchelles Refus = TRefusEchelles::Aucun;
    TEchellesReponse Echelles;
};

TRefusEchelles AxeDesTemps(Reel tmax, TEchellesReponse& e)
{
    if (!std::isfinite(tmax))
        return TRefusEchelles::TMaxTropGrand;
    const std::optional<Reel> pas = PasGraduation(tmax, false);
    if (!pas || *pas < PasMinimum)
        return TRefusEchelles::TMaxTropPetit;
    e.PasTemps = *pas;
    e.TMin = -*pas;
    e.TMax = BornesGraduees(0, tmax, *pas, MargeRelative * *pas).Max;
    if (!BornesEtiquetables(e.TMin, e.TMax))
        return TRefusEchelles::TMaxTropGrand;
    return TRefusEchelles::Aucun;
}

TRefusEchelles AxeDeSortie(Reel ymin, Reel ymax, TEchellesReponse& e)
{
    const Reel etendue = ymax - ymin;
    if (std::isinf(etendue))
        return TRefusEchelles::EcartTropGrand;
    const std::optional<Reel> pas = PasGraduation(etendue, false);
    if (!pas || *pas < PasMinimum)
        return TRefusEchelles::EcartTropFaible;
    const TBornes bornes = BornesGraduees(ymin, ymax, *pas, MargeRelative * *pas);
    if (!BornesEtiquetables(bornes.Min, bornes.Max))
        return TRefusEchelles::EcartTropGrand;
    if (std::max(std::fabs(bornes.Min), std::fabs(bornes.Max)) / *pas > PasParBorneMaximum)
        return TRefusEchelles::EcartTropFaible;
    e.PasSortie = *pas;
    e.YMin = bornes.Min;
    e.YMax = bornes.Max;
    return TRefusEchelles::Aucun;
}

TCalcul Calcule(Reel tmax, Reel ymin, Reel ymax)
{
    TCalcul c;
    c.Refus = AxeDesTemps(tmax, c.Echelles);
    if (c.Refus == TRefusEchelles::Aucun)
        c.Refus = AxeDeSortie(ymin, ymax, c.Echelles);
    return c;
}
}

TRefusEchelles RefusEchellesReponse(Reel tmax, Reel ymin, Reel ymax)
{
    return Calcule(tmax, ymin, ymax).Refus;
}

std::optional<TEchellesReponse> EchellesReponse(Reel tmax, Reel ymin, Reel ymax)
{
    const TCalcul c = Calcule(tmax, ymin, ymax);
    if (c.Refus != TRefusEchelles::Aucun)
        return std::nullopt;
    return c.Echelles;
}
