#include "Graphisme.h"

#include <QPainter>
#include <QString>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace {
constexpr Reel ToleranceCadre = 1e-8L;

bool EtendueNulle(const TRepere& r)
{
    // Écrit ainsi, un NaN compte aussi pour une étendue nulle.
    return !(r.XMax != r.XMin) || !(r.YMax != r.YMin);
}

bool TientSur32Bits(long long v)
{
    return v >= INT_MIN && v <= INT_MAX;
}

// Arrondi au pair (mode d'arrondi par défaut) en une instruction ; au-delà de 2^62 le pixel
// est de toute façon hors du cadre, donc ramené au bord ou refusé.
long long ArrondiBorne(Reel q)
{
    constexpr Reel Limite = 4611686018427387904.0L;
    return std::llrint(std::clamp(q, -Limite, Limite));
}

Reel EcartX(const TRepere& r)
{
    return (r.XMax - r.XMin) * ToleranceCadre;
}

Reel EcartY(const TRepere& r)
{
    return (r.YMax - r.YMin) * ToleranceCadre;
}

bool StrictementEntre(Reel v, Reel a, Reel b)
{
    return std::min(a, b) < v && v < std::max(a, b);
}

struct TPointMonde {
    Reel X = 0;
    Reel Y = 0;
    bool operator==(const TPointMonde&) const = default;
};

std::optional<TSegmentPixel> SegmentEnPixels(const TRepere& r, TPointMonde a, TPointMonde b, TBornage bornage)
{
    const std::optional<TPixel> debut = VersPixelSelon(r, a.X, a.Y, bornage);
    const std::optional<TPixel> fin = VersPixelSelon(r, b.X, b.Y, bornage);
    if (!debut || !fin)
        return std::nullopt;
    return TSegmentPixel{*debut, *fin};
}

bool MemeCoteDehors(const TRepere& r, TPointMonde a, TPointMonde b, Reel ex, Reel ey)
{
    return (a.X <= r.XMin - ex && b.X <= r.XMin - ex) || (a.X >= r.XMax + ex && b.X >= r.XMax + ex) ||
           (a.Y <= r.YMin - ey && b.Y <= r.YMin - ey) || (a.Y >= r.YMax + ey && b.Y >= r.YMax + ey);
}

// Segment presque vertical ou presque horizontal : ramené aux bords du cadre, puis refusé
// si une extrémité reste dehors.
std::optional<TSegmentPixel> SegmentDroitBorne(const TRepere& r, TPointMonde a, TPointMonde b, TBornage bornage)
{
    if (HorsCadre(r, a.X, a.Y) || HorsCadre(r, b.X, b.Y))
        return std::nullopt;
    return SegmentEnPixels(r, a, b, bornage);
}

std::optional<TSegmentPixel> SegmentVertical(const TRepere& r, TPointMonde p1, TPointMonde p2, TBornage bornage)
{
    const Reel haut = (p1.Y <= r.YMax && p2.Y <= r.YMax) ? std::max(p1.Y, p2.Y) : r.YMax;
    const Reel bas = (p2.Y < r.YMin || p1.Y < r.YMin) ? r.YMin : std::min(p1.Y, p2.Y);
    return SegmentDroitBorne(r, {p2.X, haut}, {p2.X, bas}, bornage);
}

std::optional<TSegmentPixel> SegmentHorizontal(const TRepere& r, TPointMonde p1, TPointMonde p2, TBornage bornage)
{
    const Reel gauche = (p2.X < r.XMin || p1.X < r.XMin) ? r.XMin : std::min(p1.X, p2.X);
    Reel droite = r.XMax;
    if (p2.X <= r.XMax && p1.X <= r.XMax)
        droite = std::max(p1.X, p2.X);
    return SegmentDroitBorne(r, {gauche, p2.Y}, {droite, p2.Y}, bornage);
}

bool CandidatRetenu(const TRepere& r, TPointMonde q, TPointMonde p1, TPointMonde p2)
{
    if (HorsCadre(r, q.X, q.Y))
        return false;
    if (StrictementEntre(q.X, p1.X, p2.X) && StrictementEntre(q.Y, p1.Y, p2.Y))
        return true;
    return (q == p2 && SurBord(r, p2.X, p2.Y)) || (q == p1 && SurBord(r, p1.X, p1.Y));
}

// Confondus à l'échelle du cadre : les deux calculs d'un même coin diffèrent par l'arrondi.
bool Confondus(const TRepere& r, TPointMonde a, TPointMonde b)
{
    return std::abs(a.X - b.X) <= EcartX(r) && std::abs(a.Y - b.Y) <= EcartY(r);
}

// Cas général : croisements de la droite avec les quatre bords. Un passage par un coin
// donne deux candidats confondus, comptés une seule fois : sinon un segment sortant par
// un coin disparaîtrait.
std::optional<TSegmentPixel> SegmentOblique(const TRepere& r, TPointMonde p1, TPointMonde p2, bool dehors1,
                                            bool dehors2, TBornage bornage)
{
    const Reel a = (p2.Y - p1.Y) / (p2.X - p1.X);
    const Reel b = p2.Y - a * p2.X;
    const std::array<TPointMonde, 4> candidats{{{r.XMin, a * r.XMin + b},
                                                {(r.YMax - b) / a, r.YMax},
                                                {r.XMax, a * r.XMax + b},
                                                {(r.YMin - b) / a, r.YMin}}};
    std::array<TPointMonde, 4> retenus{};
    int nb = 0;
    for (const TPointMonde& q : candidats)
        if (CandidatRetenu(r, q, p1, p2) &&
            std::none_of(retenus.begin(), retenus.begin() + nb, [&](TPointMonde v) { return Confondus(r, v, q); }))
            retenus[nb++] = q;
    if (nb == 2)
        return SegmentEnPixels(r, retenus[0], retenus[1], bornage);
    if (nb == 1 && !(dehors1 && dehors2))
        return SegmentEnPixels(r, retenus[0], dehors2 ? p1 : p2, bornage);
    return std::nullopt;
}
}

TProjection::TProjection(const TRepere& r)
    : R(r), Largeur(Reel(r.PixDroite) - r.PixGauche), Hauteur(Reel(r.PixBas) - r.PixHaut),
      EtendueX(r.XMax - r.XMin), EtendueY(r.YMax - r.YMin), MargeX(EcartX(r)), MargeY(EcartY(r)),
      Nulle(EtendueNulle(r))
{
}

std::optional<TPixel> TProjection::Pixel(Reel x, Reel y, TBornage bornage) const
{
    if (Nulle || !std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    const Reel qx = (x - R.XMin) * Largeur / EtendueX;
    const Reel qy = (R.YMax - y) * Hauteur / EtendueY;
    if (std::isnan(qx) || std::isnan(qy))
        return std::nullopt;
    long long px = R.PixGauche + ArrondiBorne(qx);
    long long py = R.PixHaut + ArrondiBorne(qy);
    const bool dehors = px > R.PixDroite || px < R.PixGauche || py > R.PixBas || py < R.PixHaut;
    if (dehors && bornage == TBornage::Borne) {
        px = std::clamp<long long>(px, R.PixGauche, R.PixDroite);
        py = std::clamp<long long>(py, R.PixHaut, R.PixBas);
    }
    if (!TientSur32Bits(px) || !TientSur32Bits(py))
        return std::nullopt;
    return TPixel{int(px), int(py), dehors};
}

bool TProjection::HorsCadre(Reel x, Reel y) const
{
    return x <= R.XMin - MargeX || x >= R.XMax + MargeX || y <= R.YMin - MargeY || y >= R.YMax + MargeY;
}

TPointDecoupe TProjection::Point(Reel x, Reel y, TBornage bornage) const
{
    TPointDecoupe p;
    p.X = x;
    p.Y = y;
    p.Fini = std::isfinite(x) && std::isfinite(y);
    p.Dehors = HorsCadre(x, y);
    if (p.Fini && !p.Dehors)
        p.Pixel = Pixel(x, y, bornage);
    return p;
}

std::optional<TPixel> VersPixelSelon(const TRepere& r, Reel x, Reel y, TBornage bornage)
{
    return TProjection(r).Pixel(x, y, bornage);
}

std::optional<TPixel> VersPixel(const TRepere& r, Reel x, Reel y)
{
    return VersPixelSelon(r, x, y, TBornage::Libre);
}

std::optional<TPixel> VersPixelBorne(const TRepere& r, Reel x, Reel y)
{
    return VersPixelSelon(r, x, y, TBornage::Borne);
}

int EntierProche(Reel v)
{
    return int(std::nearbyint(v));
}

std::optional<TPixel> VersPixelDedans(const TRepere& r, Reel x, Reel y)
{
    const std::optional<TPixel> pix = VersPixel(r, x, y);
    return pix && !pix->Dehors ? pix : std::nullopt;
}

std::optional<TPixel> DecalagePixel(const TRepere& r, int dx, int dy)
{
    const long long px = static_cast<long long>(r.PixGauche) + dx;
    const long long py = static_cast<long long>(r.PixHaut) + dy;
    if (!TientSur32Bits(px) || !TientSur32Bits(py))
        return std::nullopt;
    const bool dehors = px > r.PixDroite || px < r.PixGauche || py > r.PixBas || py < r.PixHaut;
    return TPixel{int(px), int(py), dehors};
}

bool HorsCadre(const TRepere& r, Reel x, Reel y)
{
    return TProjection(r).HorsCadre(x, y);
}

bool SurBord(const TRepere& r, Reel x, Reel y)
{
    const Reel ex = EcartX(r);
    const Reel ey = EcartY(r);
    const bool surVerticale = std::abs(x - r.XMin) < ex || std::abs(x - r.XMax) < ex;
    const bool surHorizontale = std::abs(y - r.YMin) < ey || std::abs(y - r.YMax) < ey;
    return (surVerticale && r.YMin - ey < y && y < r.YMax + ey) ||
           (surHorizontale && r.XMin - ex < x && x < r.XMax + ex);
}

TPointDecoupe PointDecoupe(const TRepere& r, Reel x, Reel y, TBornage bornage)
{
    return TProjection(r).Point(x, y, bornage);
}

std::optional<TSegmentPixel> TProjection::Segment(const TPointDecoupe& a, const TPointDecoupe& b,
                                                  TBornage bornage) const
{
    if (Nulle || !a.Fini || !b.Fini)
        return std::nullopt;
    const Reel ex = MargeX;
    const Reel ey = MargeY;
    const TPointMonde p1{a.X, a.Y};
    const TPointMonde p2{b.X, b.Y};
    if (std::abs(b.X - a.X) <= ex && std::abs(b.Y - a.Y) <= ey)
        return std::nullopt;
    if (!a.Dehors && !b.Dehors) {
        if (!a.Pixel || !b.Pixel)
            return std::nullopt;
        return TSegmentPixel{*a.Pixel, *b.Pixel};
    }
    // Deux extrémités au-delà d'un même bord : aucun point ne peut être retenu, et l'abaque
    // de Nichols a des milliers de tels segments à écarter à chaque dessin.
    if (a.Dehors && b.Dehors && MemeCoteDehors(R, p1, p2, ex, ey))
        return std::nullopt;
    if (std::abs(b.X - a.X) < ex)
        return SegmentVertical(R, p1, p2, bornage);
    if (std::abs(b.Y - a.Y) < ey)
        return SegmentHorizontal(R, p1, p2, bornage);
    return SegmentOblique(R, p1, p2, a.Dehors, b.Dehors, bornage);
}

std::optional<TSegmentPixel> DecoupeSegment(const TRepere& r, const TPointDecoupe& a, const TPointDecoupe& b,
                                            TBornage bornage)
{
    return TProjection(r).Segment(a, b, bornage);
}

std::optional<TSegmentPixel> DecoupeSegment(const TRepere& r, Reel x1, Reel y1, Reel x2, Reel y2,
                                            TBornage bornage)
{
    return DecoupeSegment(r, PointDecoupe(r, x1, y1, bornage), PointDecoupe(r, x2, y2, bornage), bornage);
}

void TracerSegment(const TRepere& r, QPainter& surface, Reel x1, Reel y1, Reel x2, Reel y2, TBornage bornage)
{
    if (const std::optional<TSegmentPixel> s = DecoupeSegment(r, x1, y1, x2, y2, bornage))
        surface.drawLine(s->Debut.X, s->Debut.Y, s->Fin.X, s->Fin.Y);
}

std::optional<Reel> PasGraduation(Reel etendue, bool fin)
{
    if (!(etendue > 0) || !std::isfinite(etendue))
        return std::nullopt;
    const Reel e = Log10(etendue);
    const Reel k = Ent(e);
    const Reel m = Puiss10(e - k);
    const int tranche = m < 1.7L ? 0 : m < 4 ? 1 : m < 8 ? 2 : 3;
    constexpr std::array<Reel, 4> normal{1, 2, 5, 10};
    constexpr std::array<Reel, 4> serre{0.5L, 1, 2, 5};
    return (fin ? serre : normal)[std::size_t(tranche)] * Puiss10(k - 1);
}

bool BornesEtiquetables(Reel min, Reel max)
{
    constexpr Reel GrandeurMax = 1e100L;
    return std::fabs(min) < GrandeurMax && std::fabs(max) < GrandeurMax;
}

TBornes BornesGraduees(Reel min, Reel max, Reel pas, Reel marge)
{
    if (!(pas > 0) || !std::isfinite(pas))
        return {min, max};
    return {Ent((min + marge) / pas) * pas, (Ent((max - marge) / pas) + 1) * pas};
}

std::vector<Reel> Graduations(Reel min, Reel max, Reel pas)
{
    // Le pas donne une vingtaine de lignes ; la borne protège d'un pas absurde.
    constexpr int NbGraduationsMax = 1000;
    std::vector<Reel> valeurs;
    if (!(pas > 0) || !std::isfinite(pas) || !std::isfinite(min) || !std::isfinite(max))
        return valeurs;
    Reel n = std::nearbyint(Ent(max / pas));
    for (int k = 0; k < NbGraduationsMax && n * pas >= min; ++k, n -= 1) {
        // Loin de zéro au regard du pas, n - 1 peut rester n : la même ligne reviendrait.
        if (!valeurs.empty() && !(n * pas < valeurs.back()))
            break;
        valeurs.push_back(n * pas);
    }
    return valeurs;
}

int ChiffresGraduation(const std::vector<Reel>& valeurs, Reel pas)
{
    constexpr int ChiffresMax = 15;
    int chiffres = 1;
    for (const Reel v : valeurs) {
        if (v == 0)
            continue;
        const Reel rang = std::floor(Log10(std::abs(v)));
        while (chiffres < ChiffresMax) {
            const Reel unite = Puiss10(rang - chiffres + 1);
            if (std::abs(std::nearbyint(v / unite) * unite - v) <= pas * 1e-6L)
                break;
            ++chiffres;
        }
    }
    return chiffres;
}

QString Minuscules(const QString& texte)
{
    QString resultat = texte;
    for (QChar& c : resultat)
        if (c.unicode() >= 'A' && c.unicode() <= 'Z')
            c = QChar(c.unicode() + 32);
    return resultat;
}
