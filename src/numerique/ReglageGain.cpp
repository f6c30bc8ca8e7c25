#include "ReglageGain.h"

#include <cmath>

#include "OutilsReglage.h"

namespace {

constexpr Reel TolerancePhase = 0.1L;
constexpr Reel ToleranceGain = 0.01L;

TCorrecteur AvecK(TCorrecteur c, Reel k)
{
    c.K = k;
    return c;
}

// Parmi les gains candidats (pulsations croissantes), le rang du premier dont la marge exacte
// tient la cible, de préférence avec une boucle fermée stable ; K du correcteur réglé en conséquence.
template <typename Tient>
std::optional<std::size_t> ChoisitGain(const std::vector<Reel>& gains, const TFonctionG& g, TReglage& r, Tient tient)
{
    std::optional<std::size_t> retenu;
    for (std::size_t i = 0; i < gains.size(); ++i) {
        const std::optional<TMarges> m = MargesCorrigees(AvecK(r.Correcteur, gains[i]), g);
        if (!m || !tient(*m) || (retenu && !BoucleStable(*m)))
            continue;
        retenu = i;
        if (BoucleStable(*m))
            break;
    }
    if (retenu)
        r.Correcteur.K = gains[*retenu];
    return retenu;
}

void Conclut(const TFonctionG& g, TReglage& r)
{
    const std::optional<TMarges> m = MargesCorrigees(r.Correcteur, g);
    if (!m)
        return;
    r.Etapes.push_back("Calcul exact sur L = C.G : " + TexteMargePhase(*m) + " ; " + TexteMargeGain(*m));
    r.Etapes.push_back(BoucleStable(*m) ? "Boucle fermée stable" : "Boucle fermée non stable : " + m->Verdict.Raison);
}

// L avec K = 1 ; faux, la raison écrite, quand la cible, le correcteur ou le produit est refusé.
bool Prepare(const TFonctionG& g, const TCorrecteur& base, const std::string& refusCible, TReglage& r,
             TBoucleCorrigee& l1)
{
    r.Correcteur = AvecK(base, 1);
    l1 = BoucleOuverteCorrigee(r.Correcteur, g.N, g.D, g.T);
    const std::string refus = refusCible.empty() ? l1.Refus : refusCible;
    r.Etapes.push_back(refus.empty() ? "Boucle ouverte L(p) = C(p).G(p) avec K = 1" : refus);
    return refus.empty();
}

}  // namespace

TReglage GainPourMargePhase(const TFonctionG& g, const TCorrecteur& base, Reel cibleDeg)
{
    TReglage r;
    r.Objectif = "marge de phase de " + Valeur(cibleDeg) + "°";
    TBoucleCorrigee l1;
    if (!Prepare(g, base,
                 cibleDeg > 0 && cibleDeg < 180 ? "" : "La marge de phase visée doit être comprise entre 0° et 180° exclus",
                 r, l1))
        return r;
    const TFonctionG l{l1.Numerateur, l1.Denominateur, l1.TempsMort};
    // 180° + arg L(jω) = cible, à 360° près.
    const std::vector<Reel> pulsations = Annulations(
        [&](Reel w) { return RameneDeg(180 + PhaseContinueDeg(l, w) - cibleDeg); }, GrillePulsations(l), 180);
    if (pulsations.empty()) {
        r.Etapes.push_back("La phase de L(jω) ne passe jamais par " + Valeur(cibleDeg - 180)
                           + "° : aucun gain ne donne cette marge");
        return r;
    }
    std::vector<Reel> gains;
    for (const Reel w : pulsations)
        gains.push_back(std::pow(10.0L, -GainDb(l, w) / 20));
    const std::optional<std::size_t> rang = ChoisitGain(gains, g, r, [&](const TMarges& m) {
        return m.MargePhase && std::fabs(*m.MargePhase - cibleDeg) <= TolerancePhase;
    });
    if (!rang) {
        r.Etapes.push_back("À chaque pulsation où arg L(jω) = " + Valeur(cibleDeg - 180)
                           + "°, une autre coupure donne une marge plus petite : cible hors d'atteinte par le gain");
        return r;
    }
    const Reel wc = pulsations[*rang];
    r.Etapes.push_back("Pulsation où arg L(jω) = " + Valeur(cibleDeg) + "° − 180° = " + Valeur(cibleDeg - 180)
                       + "° : ωc = " + Valeur(wc) + " rad/s");
    r.Etapes.push_back("|L(jωc)| avec K = 1 : " + Valeur(GainDb(l, wc)) + " dB, d'où K = 1/|L(jωc)| = "
                       + Valeur(r.Correcteur.K));
    Conclut(g, r);
    r.Atteint = r.Rempli = true;
    return r;
}

TReglage GainPourMargeGain(const TFonctionG& g, const TCorrecteur& base, Reel cibleDb)
{
    TReglage r;
    r.Objectif = "marge de gain de " + Valeur(cibleDb) + " dB";
    TBoucleCorrigee l1;
    if (!Prepare(g, base, std::isfinite(cibleDb) ? "" : "La marge de gain visée doit être un nombre fini", r, l1))
        return r;
    const TFonctionG l{l1.Numerateur, l1.Denominateur, l1.TempsMort};
    // Les croisements de phase ne dépendent pas de K.
    const TMarges m1 = CalculeMarges(l.N, l.D, l.T);
    if (m1.CroisementsPhase.empty()) {
        r.Etapes.push_back("La phase de L(jω) ne passe jamais par −180° : la marge de gain est infinie quel que soit K");
        return r;
    }
    std::vector<Reel> gains;
    for (const Reel w : m1.CroisementsPhase)
        gains.push_back(std::pow(10.0L, -(cibleDb + GainDb(l, w)) / 20));
    const std::optional<std::size_t> rang = ChoisitGain(gains, g, r, [&](const TMarges& m) {
        return m.MargeGain && std::fabs(*m.MargeGain - cibleDb) <= ToleranceGain;
    });
    if (!rang) {
        r.Etapes.push_back("Un autre croisement de −180° donne toujours une marge plus petite : cible hors d'atteinte");
        return r;
    }
    const Reel w = m1.CroisementsPhase[*rang];
    r.Etapes.push_back("Pulsation où arg L(jω) = −180° : ω = " + Valeur(w) + " rad/s, |L(jω)| avec K = 1 : "
                       + Valeur(GainDb(l, w)) + " dB");
    r.Etapes.push_back("K = 10^(−(" + Valeur(cibleDb) + " + " + Valeur(GainDb(l, w)) + ")/20) = "
                       + Valeur(r.Correcteur.K));
    Conclut(g, r);
    r.Atteint = r.Rempli = true;
    return r;
}
