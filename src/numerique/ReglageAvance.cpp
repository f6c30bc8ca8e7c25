#include "ReglageAvance.h"

#include <cmath>
#include <limits>

#include "OutilsReglage.h"

namespace {

constexpr Reel Degres = 180 / Pi;
constexpr Reel TolerancePhase = 0.1L;
// Marge de sécurité des cours : la coupure se déplace et G y perd de la phase.
constexpr Reel SecuriteDeg = 5;
// Au-delà, une seule avance ne suffit pas (a démesuré).
constexpr Reel AvanceMaxDeg = 80;

Reel AvanceVersA(Reel phiDeg)
{
    const Reel s = std::sin(phiDeg / Degres);
    return (1 + s) / (1 - s);
}

// Phase à ajouter à ω pour que la marge y soit la cible, ou NaN hors de (0, AvanceMaxDeg).
Reel AvanceNecessaire(const TFonctionG& g, Reel w, Reel cibleDeg)
{
    const Reel phi = cibleDeg - RameneDeg(180 + PhaseContinueDeg(g, w));
    return phi > 0 && phi < AvanceMaxDeg ? phi : std::numeric_limits<Reel>::quiet_NaN();
}

// Avance de a donné, coupure à ωc, K tel que |L(jωc)| = 1 (g porte déjà k0).
TCorrecteur Avance(const TFonctionG& g, Reel k0, Reel a, Reel wc)
{
    TCorrecteur c;
    c.Type = TTypeCorrecteur::Avance;
    c.A = a;
    c.Tau = 1 / (wc * std::sqrt(a));
    c.K = k0 * std::pow(10.0L, -GainDb(g, wc) / 20) / std::sqrt(a);
    return c;
}

void DecritAvance(const TCorrecteur& c, Reel wc, Reel gainG, TReglage& r)
{
    r.Etapes.push_back("a = (1 + sin φm)/(1 − sin φm) = " + Valeur(c.A) + ", soit −10·log10(a) = "
                       + Valeur(-10 * std::log10(c.A)) + " dB");
    r.Etapes.push_back("Nouvelle coupure où |K0.G(jω)| = " + Valeur(gainG) + " dB : ωc = " + Valeur(wc) + " rad/s");
    r.Etapes.push_back("τ = 1/(ωc·√a) = " + Valeur(c.Tau) + " s, aτ = " + Valeur(c.A * c.Tau) + " s");
    r.Etapes.push_back("K pour |L(jωc)| = 1 : K = " + Valeur(c.K));
}

// Marge exacte du correcteur, écrite ; vrai quand elle est à la tolérance de la cible.
bool Verifie(const TFonctionG& g, Reel cibleDeg, TReglage& r)
{
    const std::optional<TMarges> m = MargesCorrigees(r.Correcteur, g);
    if (!m)
        return false;
    r.Etapes.push_back("Calcul exact sur L = C.G : " + TexteMargePhase(*m) + " ; " + TexteMargeGain(*m)
                       + (BoucleStable(*m) ? " ; boucle fermée stable" : " ; boucle fermée non stable"));
    return m->MargePhase && std::fabs(*m->MargePhase - cibleDeg) <= TolerancePhase && BoucleStable(*m);
}

// Méthode de cours : φm = cible − marge de K0.G + 5°, coupure là où |K0.G| = −10·log10(a).
// g porte déjà k0.
bool EssaiDeCours(const TFonctionG& g, Reel k0, const TMarges& mg, Reel cibleDeg, TReglage& r)
{
    const Reel phi = cibleDeg - *mg.MargePhase + SecuriteDeg;
    r.Etapes.push_back("Phase à ajouter : φm = " + Valeur(cibleDeg) + " − " + Valeur(*mg.MargePhase) + " + "
                       + Valeur(SecuriteDeg) + " = " + Valeur(phi) + "°");
    if (phi >= AvanceMaxDeg) {
        r.Etapes.push_back("Plus de " + Valeur(AvanceMaxDeg) + "° : une seule avance ne suffit pas");
        return false;
    }
    const Reel a = AvanceVersA(phi);
    const Reel gainVise = -10 * std::log10(a);
    const std::vector<Reel> coupures =
        Annulations([&](Reel w) { return GainDb(g, w) - gainVise; }, GrillePulsations(g), 1e30L);
    if (coupures.empty()) {
        r.Etapes.push_back("|G(jω)| ne vaut jamais " + Valeur(gainVise) + " dB");
        return false;
    }
    r.Correcteur = Avance(g, k0, a, coupures.front());
    DecritAvance(r.Correcteur, coupures.front(), gainVise, r);
    return true;
}

// La coupure ωc où |K0.G(jωc)| = −10·log10(a(ωc)), a tiré de la phase qui manque à ωc : la marge
// y vaut la cible par construction, avec K = K0.
bool Itere(const TFonctionG& g, const TFonctionG& g0, Reel k0, Reel cibleDeg, TReglage& r)
{
    const auto ecart = [&](Reel w) {
        const Reel phi = AvanceNecessaire(g0, w, cibleDeg);
        return std::isnan(phi) ? phi : GainDb(g0, w) + 10 * std::log10(AvanceVersA(phi));
    };
    for (const Reel wc : Annulations(ecart, GrillePulsations(g0), 1e30L)) {
        const Reel phi = AvanceNecessaire(g0, wc, cibleDeg);
        const std::size_t debut = r.Etapes.size();
        r.Correcteur = Avance(g0, k0, AvanceVersA(phi), wc);
        r.Etapes.push_back("Phase à ajouter à ωc = " + Valeur(wc) + " rad/s : φm = " + Valeur(phi) + "°");
        DecritAvance(r.Correcteur, wc, GainDb(g0, wc), r);
        if (Verifie(g, cibleDeg, r))
            return true;
        r.Etapes.resize(debut);
    }
    r.Etapes.push_back("Aucune coupure ne donne la marge visée avec une seule avance de phase à ce K0 : baisser K0 ou mettre deux avances");
    return false;
}

}  // namespace

TReglage AvancePourMargePhase(const TFonctionG& g, Reel k0, Reel cibleDeg)
{
    TReglage r;
    r.Objectif = "marge de phase de " + Valeur(cibleDeg) + "° par avance de phase";
    r.Correcteur.Type = TTypeCorrecteur::Avance;
    if (!(cibleDeg > 0 && cibleDeg < 180) || !(std::isfinite(k0) && k0 > 0)) {
        r.Etapes.push_back("La marge visée doit être entre 0° et 180° exclus, le gain K0 strictement positif");
        return r;
    }
    const TPolynome n0 = MultipliePar(g.N, k0);
    const TFonctionG g0{n0, g.D, g.T};
    const TMarges m0 = CalculeMarges(g0.N, g0.D, g0.T);
    r.Etapes.push_back("Gain statique du correcteur K0 = " + Valeur(k0) + " ; " + TexteMargePhase(m0) + " pour K0.G");
    if (m0.MargePhase && *m0.MargePhase >= cibleDeg) {
        r.Etapes.push_back("K0.G a déjà au moins la marge voulue : une avance de phase n'est pas utile "
                           "(le réglage du gain donne la marge exacte)");
        return r;
    }
    r.Rempli = m0.MargePhase && EssaiDeCours(g0, k0, m0, cibleDeg, r);
    if (r.Rempli && Verifie(g, cibleDeg, r)) {
        r.Atteint = true;
        return r;
    }
    const TCorrecteur deCours = r.Correcteur;
    r.Etapes.push_back("Méthode de cours insuffisante : itération sur la pulsation de coupure jusqu'à " + Valeur(TolerancePhase)
                       + "° près");
    r.Atteint = Itere(g, g0, k0, cibleDeg, r);
    if (r.Atteint)
        r.Etapes.push_back("Cible atteinte à " + Valeur(TolerancePhase) + "° près après itération");
    else if (r.Rempli) {
        r.Correcteur = deCours;
        r.Etapes.push_back("Le correcteur de la méthode de cours est gardé");
    }
    r.Rempli = r.Rempli || r.Atteint;
    return r;
}
