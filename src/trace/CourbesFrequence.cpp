#include "CourbesFrequence.h"

#include <cmath>

#include "coeur/GrandeursPoints.h"

bool EstDecade(Reel x)
{
    return std::abs(x - std::nearbyint(x)) < 1e-4L;
}

void PlacePoint(TPointFrequentiel& point, const TRepere& r, Reel x, Reel y)
{
    const std::optional<TPixel> pix = VersPixelBorne(r, x, y);
    point.PixelX = pix ? pix->X : PixelAbsent;
    point.PixelY1 = pix ? pix->Y : PixelAbsent;
}

TTraceFrequentiel TraceDecades(const QRect& cible, const TDecades& decades)
{
    TTraceFrequentiel trace;
    trace.Cadre = cible;
    trace.Echelles = TEchellesFrequentielles::Zone(cible);
    MemoriseDecades(trace.Echelles, decades);
    return trace;
}

void ReleveGainsPhases(TEchellesFrequentielles& echelles, TBornes gains, TBornes phases)
{
    echelles.GainMin = gains.Min;
    echelles.GainMax = gains.Max;
    echelles.PhaseMin = phases.Min;
    echelles.PhaseMax = phases.Max;
}

void RelevePoints(TTraceFrequentiel& trace, TTypeDiagramme type, const std::vector<TEchantillonDiagramme>& ech,
                  int premier, const TPlacePoint& place)
{
    const int n = int(ech.size()) - 1 + premier;
    if (n > IndicePointMax)
        return;
    for (std::size_t i = 0; i < ech.size(); ++i) {
        TPointFrequentiel& point = trace.Points[int(i) + premier];
        RangeEchantillon(point, type, ech[i]);
        place(point, ech[i]);
    }
    trace.Echelles.NbPoints = n;
}

void ReleveCourbe(TTraceFrequentiel& trace, TTypeDiagramme type, const TRepere& r,
                  const std::vector<TEchantillonDiagramme>& ech)
{
    RelevePoints(trace, type, ech, -AmorceCourbe, [&r](TPointFrequentiel& point, const TEchantillonDiagramme&) {
        PlacePoint(point, r, point.Valeur1, point.Valeur2);
    });
}
