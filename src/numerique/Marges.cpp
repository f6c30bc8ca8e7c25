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

void MargesDePhaseEtDeRetard(const TPolynome& n, const TPolynome& d, Reel T, TMarges& m)
{
    bool negative = false;
    for (const Reel w : m.CroisementsGain) {
        const Reel marge = MargePhaseRadians(ReponseEnPulsation(n, d, T, w));
        if (!m.MargePhase || std::fabs(marge * DegresParRadian) < std::fabs(*m.MargePhase)) {
            m.MargePhase = marge * DegresParRadian;
            m.PulsationMargePhase = w;
        }
        if (marge <= 0)
            negative = true;
        else if (!m.MargeRetard || marge / w < *m.MargeRetard)
            m.MargeRetard = marge / w;
    }
    if (negative)
        m.MargeRetard = 0;
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
    return m;
}
