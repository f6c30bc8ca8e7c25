#include "CourbesFrequence.h"

#include <cmath>

bool EstDecade(Reel x)
{
    return std::abs(x - std::nearbyint(x)) < 1e-4L;
}

void PlacePoint(TPointFrequentiel& point, const TRepere& r, Reel x, Reel y)
{
    const std::optional<TPixel> pix = VersPixelBorne(r, x, y);
    point.PixelX = pix ? pix->X : PixelAbsent;
    point.PixelY1 = pix ? pix->Y : PixelAbsent;
    point.PixelY2 = pix ? -pix->Y : PixelAbsent;
}
