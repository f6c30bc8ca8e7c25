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

void MemorisePoints(TDocument& doc, TTypeDiagramme type, const std::vector<TEchantillonDiagramme>& ech, int premier,
                    const TPlacePoint& place)
{
    for (std::size_t i = 0; i < ech.size(); ++i) {
        TPointFrequentiel& point = doc.PointsFrequentiels[int(i) + premier];
        RangeEchantillon(point, type, ech[i]);
        place(point, ech[i]);
    }
}

void MemoriseCourbe(TDocument& doc, TTypeDiagramme type, const TRepere& r, const std::vector<TEchantillonDiagramme>& ech)
{
    MemorisePoints(doc, type, ech, -AmorceCourbe, [&r](TPointFrequentiel& point, const TEchantillonDiagramme&) {
        PlacePoint(point, r, point.Valeur1, point.Valeur2);
    });
}
