#include "TraceAbaqueNichols.h"

#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <vector>

#include "MiseEnPage.h"
#include "Traceur.h"
#include "coeur/Document.h"
#include "coeur/TextesValeurs.h"
#include "numerique/Arrondis.h"
#include "numerique/VersBoucleOuverte.h"

namespace {
// Un point d'un lieu et son image par le miroir, prêts pour le découpage.
struct TPointAbaque {
    Reel Phase = 0;
    TPointDecoupe Point;
    TPointDecoupe Image;
};

TPointAbaque PointAbaque(const TProjection& projection, TGainPhase p, bool symetrique)
{
    return {p.Phase, projection.Point(p.Phase, p.Gain, TBornage::Borne),
            projection.Point(Miroir(p.Phase, symetrique), p.Gain, TBornage::Borne)};
}

// Pixel du point quand il est dans le cadre.
std::optional<QPoint> PixelDedans(const TPointAbaque& p)
{
    if (!p.Point.Pixel || p.Point.Pixel->Dehors)
        return std::nullopt;
    return QPoint(p.Point.Pixel->X, p.Point.Pixel->Y);
}

// Phases en boucle fermée des lieux de gain, et rang du premier point de la partie large,
// dont les segments se tracent sans test de saut.
struct TPhasesLieuxGain {
    std::vector<Reel> Phases;
    std::size_t DebutLarge = 0;
};

TPhasesLieuxGain PhasesLieuxGain(const TMiseEnPageAbaque& m)
{
    TPhasesLieuxGain p;
    p.Phases.push_back(m.PhaseDepart);
    const int nbFins = int(std::nearbyint(m.FinPartieFine / m.PasFin));
    for (int k = 1; k <= nbFins; ++k)
        p.Phases.push_back(-k * m.PasFin);
    p.DebutLarge = p.Phases.size();
    for (int phi = m.FinPartieFine + 1; phi <= 179; ++phi)
        p.Phases.push_back(-phi);
    return p;
}

// Les segments découpés qui se suivent forment des polylignes, une pour le lieu et une pour
// son image : tracer un segment à la fois coûtait plus que tout le calcul de l'abaque.
class TSegmentsAbaque {
public:
    explicit TSegmentsAbaque(const TProjection& projection) : Projection(projection) {}

    void Ajoute(const TPointAbaque& a, const TPointAbaque& b)
    {
        AjouteUn(Lieu, a.Point, b.Point);
        AjouteUn(Image, a.Image, b.Image);
    }

    // Fin d'un lieu : le suivant ne continue pas ses polylignes.
    void Coupe()
    {
        Termine(Lieu);
        Termine(Image);
    }

    void Trace(QPainter& surface)
    {
        Coupe();
        for (const QPolygon& p : Polylignes)
            surface.drawPolyline(p);
        Polylignes.clear();
    }

private:
    void AjouteUn(QPolygon& trace, const TPointDecoupe& a, const TPointDecoupe& b)
    {
        const std::optional<TSegmentPixel> s = Projection.Segment(a, b, TBornage::Borne);
        if (!s)
            return;
        const QPoint debut(s->Debut.X, s->Debut.Y);
        const QPoint fin(s->Fin.X, s->Fin.Y);
        if (trace.isEmpty() || trace.last() != debut) {
            Termine(trace);
            trace << debut;
        }
        // Les points serrés d'un lieu tombent souvent sur le même pixel.
        if (fin != debut)
            trace << fin;
    }

    void Termine(QPolygon& trace)
    {
        if (trace.size() >= 2)
            Polylignes.push_back(trace);
        trace.clear();
    }

    const TProjection& Projection;
    QPolygon Lieu;
    QPolygon Image;
    std::vector<QPolygon> Polylignes;
};

// Droite de pixels de (0°, gain max) à (-180°, gain min), sur laquelle se posent les
// étiquettes de phase ; rien pour un cadre trop étroit pour la définir.
struct TDiagonale {
    Reel Pente = 0;
    Reel Ordonnee = 0;
};

std::optional<TDiagonale> Diagonale(const TRepere& r)
{
    const std::optional<TPixel> haut = VersPixelBorne(r, 0, r.YMax);
    const std::optional<TPixel> bas = VersPixelBorne(r, -180, r.YMin);
    if (!haut || !bas || haut->X == bas->X)
        return std::nullopt;
    const Reel pente = Reel(haut->Y - bas->Y) / Reel(haut->X - bas->X);
    return TDiagonale{pente, haut->Y - pente * haut->X};
}

// En deçà, une fenêtre de 800 × 600 rendait les étiquettes illisibles.
constexpr Reel TailleEtiquettesMin = 7;

Reel TailleEtiquettes(const QSize& cible, const TMiseEnPageAbaque& mise)
{
    if (mise.TailleEtiquettes)
        return *mise.TailleEtiquettes;
    const Reel w = cible.width();
    const Reel h = cible.height();
    return std::max(TailleEtiquettesMin, std::nearbyint(0.006L * std::sqrt(w * w + h * h)));
}

// Direction d'une phase en degrés : le cercle unité.
TComplexe Direction(Reel phase)
{
    return DePolaire({1, phase * Pi / 180});
}

// Réponse en boucle fermée de module m dans la direction u : m·u, comme DePolaire.
TComplexe Fermee(Reel module, TComplexe direction)
{
    return {module * direction.Re, module * direction.Im};
}

bool MemesReels(const std::vector<Reel>& a, const std::vector<Reel>& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

bool AJour(const TLieuxAbaque& l, const TDocument& doc, bool symetrique, Reel gainBas, const TMiseEnPageAbaque& m)
{
    return l.Calcules && l.Symetrique == symetrique && l.GainBas == gainBas && l.PasFin == m.PasFin
           && l.PhaseDepart == m.PhaseDepart && l.FinPartieFine == m.FinPartieFine
           && l.NbPointsPhase == m.NbPointsPhase && MemesReels(l.Gains, doc.AbaqueGains)
           && MemesReels(l.Phases, doc.AbaquePhases);
}

void CalculeLieuxGain(TLieuxAbaque& l, const TDocument& doc, bool symetrique, const TPhasesLieuxGain& phases)
{
    std::vector<TComplexe> directions(phases.Phases.size());
    for (std::size_t k = 0; k < directions.size(); ++k)
        directions[k] = Direction(phases.Phases[k]);
    l.LieuxGain.assign(doc.AbaqueGains.size(), std::vector<TGainPhase>(directions.size()));
    for (std::size_t i = 0; i < doc.AbaqueGains.size(); ++i) {
        const Reel module = Puiss10(doc.AbaqueGains[i] / 20);
        for (std::size_t k = 0; k < directions.size(); ++k)
            l.LieuxGain[i][k] = VersBoucleOuverte(Fermee(module, directions[k]), symetrique);
    }
}

void CalculeLieuxPhase(TLieuxAbaque& l, const TDocument& doc, bool symetrique, Reel gainBas, int n)
{
    std::vector<Reel> modules(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k)
        modules[std::size_t(k)] = Puiss10((15 - k * (15 - gainBas) / (n - 1)) / 20);
    l.LieuxPhase.assign(doc.AbaquePhases.size(), std::vector<TGainPhase>(modules.size()));
    for (std::size_t i = 0; i < doc.AbaquePhases.size(); ++i) {
        const TComplexe direction = Direction(doc.AbaquePhases[i]);
        for (std::size_t k = 0; k < modules.size(); ++k)
            l.LieuxPhase[i][k] = VersBoucleOuverte(Fermee(modules[k], direction), symetrique);
    }
}

const TLieuxAbaque& LieuxAJour(TLieuxAbaque& l, const TDocument& doc, bool symetrique, Reel gainBas,
                               const TMiseEnPageAbaque& m)
{
    if (AJour(l, doc, symetrique, gainBas, m))
        return l;
    CalculeLieuxGain(l, doc, symetrique, PhasesLieuxGain(m));
    CalculeLieuxPhase(l, doc, symetrique, gainBas, m.NbPointsPhase);
    l.Gains = doc.AbaqueGains;
    l.Phases = doc.AbaquePhases;
    l.Symetrique = symetrique;
    l.GainBas = gainBas;
    l.PasFin = m.PasFin;
    l.PhaseDepart = m.PhaseDepart;
    l.FinPartieFine = m.FinPartieFine;
    l.NbPointsPhase = m.NbPointsPhase;
    l.Calcules = true;
    return l;
}

void LieuxDeGain(TTraceur& t, const TRepere& r, const TLieuxAbaque& lieux, std::size_t debutLarge,
                 std::vector<std::optional<QPoint>>& places)
{
    const TProjection projection(r);
    TSegmentsAbaque segments(projection);
    for (const std::vector<TGainPhase>& lieu : lieux.LieuxGain) {
        std::optional<QPoint> place;
        TPointAbaque precedent;
        for (std::size_t k = 0; k < lieu.size(); ++k) {
            const TPointAbaque point = PointAbaque(projection, lieu[k], lieux.Symetrique);
            if (k > 0) {
                if (!place)
                    place = PixelDedans(point);
                if (k >= debutLarge || std::abs(precedent.Phase - point.Phase) < 30)
                    segments.Ajoute(precedent, point);
            }
            precedent = point;
        }
        segments.Coupe();
        places.push_back(place);
    }
    t.Crayon("NGain");
    segments.Trace(t.Surface());
}

void LieuxDePhase(TTraceur& t, const TRepere& r, const TLieuxAbaque& lieux, const TMiseEnPageAbaque& mise,
                  std::vector<std::optional<QPoint>>& places)
{
    const std::optional<TDiagonale> diagonale = Diagonale(r);
    const TProjection projection(r);
    TSegmentsAbaque segments(projection);
    for (const std::vector<TGainPhase>& lieu : lieux.LieuxPhase) {
        std::optional<QPoint> place;
        TPointAbaque precedent;
        for (std::size_t k = 0; k < lieu.size(); ++k) {
            const TPointAbaque point = PointAbaque(projection, lieu[k], lieux.Symetrique);
            if (!place && diagonale)
                if (const std::optional<QPoint> pix = PixelDedans(point);
                    pix && std::abs(pix->y() - diagonale->Pente * pix->x() - diagonale->Ordonnee) < mise.ToleranceDiagonale)
                    place = pix;
            if (k >= 1)
                segments.Ajoute(precedent, point);
            precedent = point;
        }
        segments.Coupe();
        places.push_back(place);
    }
    t.Crayon("NPhase");
    segments.Trace(t.Surface());
}

void EtiquettesGain(TTraceur& t, const TRepere& r, const TDocument& doc, bool symetrique,
                    const std::vector<std::optional<QPoint>>& places, Reel taille, const TMiseEnPageAbaque& mise)
{
    const std::optional<TPixel> axe = VersPixelBorne(r, symetrique ? 0 : -180, r.YMax);
    if (!axe)
        return;
    const QFontMetrics mesure = t.Mesure(taille);
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (!places[i])
            continue;
        const QString texte = QLatin1Char(' ') + TexteGeneral(doc.AbaqueGains[i], ChiffresRelisibles) + mise.UniteGain;
        const QPoint coin = PlaceEtiquetteGain(*places[i], QSize(mesure.horizontalAdvance(texte), mesure.height()), r,
                                               QPoint(axe->X, axe->Y), symetrique, mise);
        t.EcrireSurFond(coin.x(), coin.y(), texte, taille, "NGain");
    }
}

void EtiquettesPhase(TTraceur& t, const TDocument& doc, const std::vector<std::optional<QPoint>>& places, Reel taille)
{
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (!places[i])
            continue;
        const QString texte = QLatin1Char(' ') + TexteGeneral(doc.AbaquePhases[i], ChiffresRelisibles) + QStringLiteral("°");
        t.EcrireSurFond(places[i]->x() - t.Largeur(texte, taille) / 2, places[i]->y(), texte, taille, "NPhase");
    }
}
}

TMiseEnPageAbaque TMiseEnPageAbaque::Page(int resolution)
{
    TMiseEnPage page;
    page.Resolution = resolution;
    const auto pouces = [&page](Reel p) { return page.Pouces(p); };
    TMiseEnPageAbaque m;
    m.PhaseDepart = 0;
    m.PasFin = 0.05L;
    m.FinPartieFine = 20;
    m.NbPointsPhase = 1500;
    m.FacteurGainBas = 1;
    m.ToleranceDiagonale = pouces(0.04L);
    m.TailleEtiquettes = 6;
    m.UniteGain = QStringLiteral("dB");
    m.Bord = pouces(0.04L);
    m.ProcheAxe = pouces(0.03L);
    m.Marge = pouces(0.1L);
    m.SousAxe = pouces(0.01L);
    m.Ecart = pouces(0.02L);
    m.DecalageX = pouces(0.01L);
    m.DecalageY = pouces(0.02L);
    return m;
}

Reel Miroir(Reel phase, bool phaseSymetrique)
{
    return phaseSymetrique ? -phase : -phase - 360;
}

QPoint PlaceEtiquetteGain(QPoint point, QSize texte, const TRepere& r, QPoint axe, bool phaseSymetrique,
                          const TMiseEnPageAbaque& m)
{
    // Le lieu est à gauche de l'axe en plage symétrique, à sa droite sinon.
    const int reference = phaseSymetrique ? r.PixGauche : axe.x();
    const int limite = phaseSymetrique ? axe.x() : r.PixDroite;
    if (point.x() - reference < m.Bord)
        return {reference + m.DecalageX, point.y() - m.DecalageY};
    if (std::abs(point.y() - axe.y()) < m.ProcheAxe && point.x() < limite - m.Marge)
        return {point.x() - texte.width() / 2, axe.y() + m.SousAxe};
    return {limite - texte.width() - m.Ecart, point.y() - texte.height() / 2};
}

void TracerAbaqueNichols(TTraceur& t, const TRepere& r, const QSize& cible, const TDocument& doc,
                         const TMiseEnPageAbaque& mise, TLieuxAbaque* memoire)
{
    TracerAbaqueNichols(t, r, cible, doc, doc.PhaseSymetrique, mise, memoire);
}

void TracerAbaqueNichols(TTraceur& t, const TRepere& r, const QSize& cible, const TDocument& doc, bool symetrique,
                         const TMiseEnPageAbaque& mise, TLieuxAbaque* memoire)
{
    TLieuxAbaque local;
    const TLieuxAbaque& lieux =
        LieuxAJour(memoire ? *memoire : local, doc, symetrique, mise.FacteurGainBas * r.YMin, mise);
    std::vector<std::optional<QPoint>> placesGain;
    std::vector<std::optional<QPoint>> placesPhase;
    LieuxDeGain(t, r, lieux, PhasesLieuxGain(mise).DebutLarge, placesGain);
    LieuxDePhase(t, r, lieux, mise, placesPhase);
    const Reel taille = TailleEtiquettes(cible, mise);
    EtiquettesGain(t, r, doc, symetrique, placesGain, taille, mise);
    EtiquettesPhase(t, doc, placesPhase, taille);
}
