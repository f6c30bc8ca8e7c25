#include "TraceAsymptotes.h"
#include "coeur/TextesValeurs.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "Traceur.h"

namespace {

Reel Pulsation(Reel x) { return DeuxPi * std::pow(Reel(10), x); }
Reel Abscisse(Reel w) { return std::log10(w / DeuxPi); }

// Sommets de la ligne brisée sur [XMin, XMax] : les bornes et chaque abscisse où elle plie ;
// une marche y met deux sommets, avant et après.
std::vector<TPointCourbe> Sommets(const TRepere& r, const std::vector<Reel>& plis, bool marches,
                                  const std::function<Reel(Reel)>& valeur)
{
    std::vector<Reel> xs = {r.XMin, r.XMax};
    for (const Reel x : plis)
        if (x > r.XMin && x < r.XMax)
            xs.push_back(x);
    std::sort(xs.begin(), xs.end());
    std::vector<TPointCourbe> points;
    // De part et d'autre d'une marche : au pli même, l'arrondi de l'abscisse choisirait le côté.
    for (const Reel x : xs) {
        if (marches)
            points.push_back({x, valeur(x - 1e-9L)});
        points.push_back({x, valeur(marches ? x + 1e-9L : x)});
    }
    return points;
}

std::vector<QPoint> Trace(TTraceur& t, const TRepere& r, const std::vector<TPointCourbe>& points)
{
    std::vector<QPoint> pixels;
    for (std::size_t k = 0; k < points.size(); ++k) {
        if (k > 0)
            t.Segment(r, points[k - 1].X, points[k - 1].Y, points[k].X, points[k].Y);
        if (const std::optional<TPixel> p = VersPixelDedans(r, points[k].X, points[k].Y))
            pixels.push_back(QPoint(p->X, p->Y));
    }
    return pixels;
}

QString Legende(const TOptionsAsymptotes& o)
{
    QString texte = o.PhaseEnRampes ? QStringLiteral("Asymptotes ; phase : ±45°/décade sur une décade de part et d'autre")
                                    : QStringLiteral("Asymptotes ; phase : marches aux cassures");
    if (o.AvecRetard)
        texte += QStringLiteral(", retard exclu");
    return texte;
}

}  // namespace

TAsymptotesDessinees TracerAsymptotes(QPainter& surface, const TSchemaCouleurs& schema, const TMiseEnPage& mise,
                                      const TRepere& gain, const TRepere& phase, const TBodeAsymptotique& b,
                                      const TOptionsAsymptotes& options)
{
    TAsymptotesDessinees d;
    surface.save();
    TTraceur t(surface, schema, mise);
    std::vector<Reel> cassures, rampes;
    for (const TCassure& c : b.Cassures) {
        cassures.push_back(Abscisse(c.Pulsation));
        for (const Reel decade : {-1, 0, 1})
            rampes.push_back(Abscisse(c.Pulsation) + decade);
    }
    t.Crayon("DNom", std::max(1, mise.EpaisseurCourbe), Qt::DashLine);
    d.Gain = Trace(t, gain, Sommets(gain, cassures, false, [&](Reel x) { return GainAsymptotique(b, Pulsation(x)); }));
    const bool marches = !options.PhaseEnRampes;
    d.Phase = Trace(t, phase, Sommets(phase, marches ? cassures : rampes, marches, [&](Reel x) {
                        return options.DecalagePhase + PhaseAsymptotique(b, Pulsation(x), options.PhaseEnRampes);
                    }));
    t.Crayon("DNom", 1);
    const int hauteur = t.Mesure(mise.TailleGraduations).height();
    for (std::size_t k = 0; k < b.Cassures.size(); ++k) {
        const Reel x = cassures[k];
        if (x <= gain.XMin || x >= gain.XMax)
            continue;
        const std::optional<TPixel> pied = VersPixel(gain, x, gain.YMin);
        surface.drawLine(pied->X, pied->Y, pied->X, pied->Y - options.HauteurTrait);
        d.Cassures.push_back(QPoint(pied->X, pied->Y));
        const QString nom = QStringLiteral("ω = ") + QString::fromStdString(NombreEnTexte(b.Cassures[k].Pulsation, 3));
        t.EcrireSurFond(pied->X + 2, pied->Y - options.HauteurTrait - hauteur * int(1 + k % 2), nom,
                        mise.TailleGraduations, "DNom");
    }
    t.EcrireSurFond(gain.PixGauche + 4, gain.PixHaut + 2, Legende(options), mise.TailleNoms, "DNom");
    surface.restore();
    return d;
}
