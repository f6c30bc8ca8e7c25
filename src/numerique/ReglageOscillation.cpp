#include "ReglageOscillation.h"

#include <algorithm>
#include <cmath>

#include "CritereNyquist.h"
#include "OutilsReglage.h"

namespace {

bool StableAvecGain(const TFonctionG& g, Reel k)
{
    return CritereNyquist(MultipliePar(g.N, k), g.D, g.T).Stabilite == TStabiliteBoucleFermee::Stable;
}

void AppliqueTable(const TGainCritique& c, TReglage& r)
{
    const Reel kc = c.Kc;
    const Reel tc = DeuxPi / c.Pulsation;
    TCorrecteur& k = r.Correcteur;
    switch (k.Type) {
    case TTypeCorrecteur::PI:
        k.K = 0.45L * kc;
        k.Ti = tc / 1.2L;
        r.Etapes.push_back("PI : K = 0,45·Kc = " + Valeur(k.K) + ", Ti = Tc/1,2 = " + Valeur(k.Ti) + " s");
        break;
    case TTypeCorrecteur::PID:
        k.K = 0.6L * kc;
        k.Ti = tc / 2;
        k.Td = tc / 8;
        r.Etapes.push_back("PID : K = 0,6·Kc = " + Valeur(k.K) + ", Ti = Tc/2 = " + Valeur(k.Ti) + " s, Td = Tc/8 = "
                           + Valeur(k.Td) + " s, filtre N = " + Valeur(k.N));
        break;
    default:
        k.Type = TTypeCorrecteur::P;
        k.K = 0.5L * kc;
        r.Etapes.push_back("P : K = 0,5·Kc = " + Valeur(k.K));
    }
}

}  // namespace

std::optional<TGainCritique> GainCritiqueNyquist(const TFonctionG& g, std::string& raison)
{
    const TMarges m = CalculeMarges(g.N, g.D, g.T);
    std::optional<TGainCritique> c;
    for (const Reel w : m.CroisementsPhase) {
        const Reel k = 1 / Module(ReponseEnPulsation(g.N, g.D, g.T, w));
        if (!c || k < c->Kc)
            c = TGainCritique{k, w};
    }
    // Un pôle de la boucle fermée qui passe par l'origine, G(0) réel négatif, la déstabilise sans
    // oscillation.
    const Reel g0 = g.D.Coef[0].Re != 0 ? g.N.Coef[0].Re / g.D.Coef[0].Re : 0;
    if (g0 < 0 && (!c || -1 / g0 < c->Kc)) {
        raison = "La boucle devient instable pour K = " + Valeur(-1 / g0)
                 + " par un pôle qui passe par l'origine, sans oscillation : pas de gain critique";
        return std::nullopt;
    }
    if (!c) {
        raison = "La phase de G ne passe jamais par −180° : aucun gain ne rend la boucle oscillante, pas de gain critique";
        return std::nullopt;
    }
    if (!StableAvecGain(g, c->Kc / 2)) {
        raison = "La boucle fermée n'est pas stable pour les gains sous " + Valeur(c->Kc)
                 + " : pas de gain critique à partir duquel elle oscille";
        return std::nullopt;
    }
    return c;
}

TReglage ReglageOscillation(const TFonctionG& g, const TCorrecteur& base)
{
    TReglage r;
    r.Correcteur = base;
    r.Objectif = "méthode d'oscillation (gain critique)";
    std::string raison;
    const std::optional<TGainCritique> c = GainCritiqueNyquist(g, raison);
    if (!c) {
        r.Etapes.push_back(raison);
        return r;
    }
    r.Etapes.push_back("Gain critique (−1/K sur le lieu de Nyquist) : Kc = " + Valeur(c->Kc) + " à ω = "
                       + Valeur(c->Pulsation) + " rad/s, période Tc = 2π/ω = " + Valeur(DeuxPi / c->Pulsation) + " s");
    AppliqueTable(*c, r);
    r.Rempli = true;
    const std::optional<TMarges> m = MargesCorrigees(r.Correcteur, g);
    if (!m) {
        r.Etapes.push_back("Correcteur refusé : " + RefusCorrecteur(r.Correcteur));
        return r;
    }
    r.Etapes.push_back("Calcul exact sur L = C.G : " + TexteMargePhase(*m) + " ; " + TexteMargeGain(*m));
    r.Etapes.push_back(TexteDepassement(r.Correcteur, g));
    r.Atteint = BoucleStable(*m);
    if (!r.Atteint)
        r.Etapes.push_back("Boucle fermée non stable avec ces valeurs : " + m->Verdict.Raison);
    return r;
}
