#include "Marges.h"

#include <cmath>

#include "Croisements.h"
#include "CritereNyquist.h"

namespace {

constexpr Reel DegresParRadian = 180 / Pi;
// Marge de phase tenue pour nulle : la boucle fermée a alors un pôle sur l'axe imaginaire.
constexpr Reel MargeNulle = 1e-10L;

// 180° + arg H dans (-180°, 180°] : l'argument de -H.
Reel MargePhaseRadians(TComplexe h) { return Argument(Oppose(h)); }

void MargeDeGain(const TPolynome& n, const TPolynome& d, Reel T, TMarges& m)
{
    for (const Reel w : m.CroisementsPhase) {
        const Reel marge = -20 * std::log10(Module(ReponseEnPulsation(n, d, T, w)));
        if (!m.MargeGain || std::fabs(marge) < std::fabs(*m.MargeGain)) {
            m.MargeGain = marge;
            m.PulsationMargeGain = w;
        }
    }
}

// Un retard ajouté tau tourne le lieu de -w.tau en w : au croisement de gain w, -1 est atteint
// quand w.tau égale la marge de phase ramenée dans (0, 360°]. Le premier atteint déstabilise.
void MargesDePhaseEtDeRetard(const TPolynome& n, const TPolynome& d, Reel T, TMarges& m)
{
    for (const Reel w : m.CroisementsGain) {
        const Reel marge = MargePhaseRadians(ReponseEnPulsation(n, d, T, w));
        if (!m.MargePhase || std::fabs(marge * DegresParRadian) < std::fabs(*m.MargePhase)) {
            m.MargePhase = marge * DegresParRadian;
            m.PulsationMargePhase = w;
        }
        // -1 déjà sur le lieu : aucun retard à perdre.
        const Reel retard = std::fabs(marge) <= MargeNulle ? 0 : (marge > 0 ? marge : marge + DeuxPi) / w;
        if (!m.MargeRetard || retard < *m.MargeRetard)
            m.MargeRetard = retard;
    }
}

}  // namespace

TComplexe ReponseEnPulsation(const TPolynome& n, const TPolynome& d, Reel T, Reel w)
{
    const TComplexe r = Quotient(ValeurEn(n, {0, w}), ValeurEn(d, {0, w}));
    return T == 0 ? r : Produit(r, Exponentielle({0, -w * T}));
}

TMarges CalculeMarges(const TPolynome& n, const TPolynome& d, Reel T)
{
    TMarges m;
    const TCroisements c = CherchePulsationsCroisement(n, d, T);
    m.CroisementsGain = c.Gain;
    m.CroisementsPhase = c.Phase;
    MargeDeGain(n, d, T, m);
    MargesDePhaseEtDeRetard(n, d, T, m);
    m.Verdict = CritereNyquist(n, d, T);
    // -1 sur le lieu : un pôle de la boucle fermée sur l'axe imaginaire, qui n'est pas stable. Sans
    // retard, les racines de D + N en ont déjà décidé.
    if (T > 0 && m.MargePhase && std::fabs(*m.MargePhase) <= MargeNulle
        && m.Verdict.Stabilite == TStabiliteBoucleFermee::Stable)
    {
        m.Verdict.Stabilite = TStabiliteBoucleFermee::Instable;
        m.Verdict.Raison = "-1 est sur le lieu de Nyquist : la boucle fermée a des pôles sur l'axe imaginaire";
    }
    // Déjà instable, la boucle n'a aucun retard à perdre.
    if (m.Verdict.Stabilite == TStabiliteBoucleFermee::Instable)
        m.MargeRetard = 0;
    return m;
}
