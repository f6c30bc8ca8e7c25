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

// Un trait plein de la référence au point, puis le point marqué, s'il est dans le cadre.
void MarquesDesLectures(TTraceur& t, const TRepere& r, const TLecturesMarges& lectures, int rayon)
{
    for (const std::optional<TLectureMarge>& l : {lectures.Gain, lectures.Phase}) {
        if (!l)
            continue;
        t.Crayon("DConsigne", t.Mise().EpaisseurAxe);
        t.Segment(r, l->Reference.X, l->Reference.Y, l->Point.X, l->Point.Y);
        if (const std::optional<TPixel> p = VersPixelDedans(r, l->Point.X, l->Point.Y))
            t.Marque(p->X, p->Y, rayon);
    }
}

void TextesDesMarges(TTraceur& t, const TRepere& r, const TMarges& m, const std::vector<TPointCourbe>& courbe,
                     int chiffres)
{
    t.EcrireDansCoinLibre(r, {TexteMargeGain(m, chiffres), TexteMargePhase(m, chiffres)}, t.Mise().TailleNoms, "DNom",
                          courbe);
}

}  // namespace

void MarquesMargesBode(TTraceur& t, const TRepere& gain, const TRepere& phase, const TMarges& m,
                       const std::vector<TPointCourbe>& courbeGain, int chiffres)
{
    for (const TRepere* r : {&gain, &phase}) {
        LignesDeCroisement(t, *r, m.CroisementsGain, Qt::DashLine);
        LignesDeCroisement(t, *r, m.CroisementsPhase, Qt::DashDotLine);
    }
    TextesDesMarges(t, gain, m, courbeGain, chiffres);
}

TLecturesMarges LecturesNyquist(const TMarges& m)
{
    TLecturesMarges l;
    if (m.MargeGain)
        l.Gain = TLectureMarge{{-std::pow(Reel(10), -*m.MargeGain / 20), 0}, {-1, 0}};
    if (m.MargePhase) {
        const Reel a = (*m.MargePhase - 180) * DeuxPi / 360;
        l.Phase = TLectureMarge{{std::cos(a), std::sin(a)}, {0, 0}};
    }
    return l;
}

void MarquesMargesNyquist(TTraceur& t, const TRepere& r, int rayon, const TMarges& m,
                          const std::vector<TPointCourbe>& courbe, int chiffres)
{
    std::vector<TPointCourbe> cercle(361);
    for (std::size_t k = 0; k < cercle.size(); ++k) {
        const Reel a = DeuxPi * Reel(k) / Reel(cercle.size() - 1);
        cercle[k] = {std::cos(a), std::sin(a)};
    }
    t.Crayon("DConsigne", 1, Qt::DashLine);
    t.Courbe(r, cercle, TBornage::Libre);
    PointCritique(t, r, -1, 0, QStringLiteral("-1"), rayon, courbe);
    MarquesDesLectures(t, r, LecturesNyquist(m), rayon);
    TextesDesMarges(t, r, m, courbe, chiffres);
}

void MarquesMargesBlack(TTraceur& t, const TRepere& r, int rayon, const TMarges& m, const TLecturesMarges& lectures,
                        const std::vector<TPointCourbe>& courbe, int chiffres)
{
    PointCritique(t, r, -180, 0, QStringLiteral("(-180°, 0 dB)"), rayon, courbe);
    MarquesDesLectures(t, r, lectures, rayon);
    TextesDesMarges(t, r, m, courbe, chiffres);
}
