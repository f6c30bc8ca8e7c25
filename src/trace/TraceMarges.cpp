#include "TraceMarges.h"

#include <cmath>

#include "coeur/TextesMarges.h"

namespace {

// Le point critique et son étiquette, juste en dessous à droite.
void PointCritique(TTraceur& t, const TRepere& r, Reel x, Reel y, const QString& texte, int rayon,
                   const std::vector<TPointCourbe>& courbe)
{
    const std::optional<TPixel> p = VersPixel(r, x, y);
    if (!p || p->Dehors)
        return;
    t.Marque(p->X, p->Y, rayon);
    t.EcrireAuPres(r, {p->X, p->Y}, rayon + 2, texte, t.Mise().TailleGraduations, "DNom", courbe);
}

void LignesDeCroisement(TTraceur& t, const TRepere& r, const std::vector<Reel>& pulsations, Qt::PenStyle style)
{
    t.Crayon("DConsigne", 1, style);
    for (const Reel w : pulsations) {
        const Reel x = std::log10(w / DeuxPi);
        if (x >= r.XMin && x <= r.XMax)
            t.Segment(r, x, r.YMin, x, r.YMax);
    }
}

}  // namespace

void MarquesMargesBode(TTraceur& t, const TRepere& gain, const TRepere& phase, const TMarges& m,
                       const std::vector<TPointCourbe>& courbeGain, int chiffres)
{
    for (const TRepere* r : {&gain, &phase}) {
        LignesDeCroisement(t, *r, m.CroisementsGain, Qt::DashLine);
        LignesDeCroisement(t, *r, m.CroisementsPhase, Qt::DashDotLine);
    }
    t.EcrireDansCoinLibre(gain, {TexteMargeGain(m, chiffres), TexteMargePhase(m, chiffres)}, t.Mise().TailleNoms,
                          "DNom", courbeGain);
}

void MarquesMargesNyquist(TTraceur& t, const TRepere& r, int rayon, const std::vector<TPointCourbe>& courbe)
{
    std::vector<TPointCourbe> cercle(361);
    for (std::size_t k = 0; k < cercle.size(); ++k) {
        const Reel a = DeuxPi * Reel(k) / Reel(cercle.size() - 1);
        cercle[k] = {std::cos(a), std::sin(a)};
    }
    t.Crayon("DConsigne", 1, Qt::DashLine);
    t.Courbe(r, cercle, TBornage::Libre);
    PointCritique(t, r, -1, 0, QStringLiteral("-1"), rayon, courbe);
}

void MarquesMargesBlack(TTraceur& t, const TRepere& r, int rayon, const std::vector<TPointCourbe>& courbe)
{
    PointCritique(t, r, -180, 0, QStringLiteral("(-180°, 0 dB)"), rayon, courbe);
}
