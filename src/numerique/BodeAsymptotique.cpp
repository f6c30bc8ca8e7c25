#include "BodeAsymptotique.h"

#include <algorithm>
#include <cmath>

namespace {

// Racines nulles de p, dans l'ordre de ses racines distinctes.
int RacinesNulles(const TPolynome& p)
{
    int nulles = 0;
    for (int i = 1; i <= p.Degre; ++i)
        nulles += Module(p.Racines[i]) == 0;
    return nulles;
}

// Une racine réelle r donne le facteur (1 - p/r), une paire (1 - p/r)(1 - p/r̄) : en haute
// fréquence, ±90° par racine, du signe de -Re(r) pour un zéro, de Re(r) pour un pôle.
void AjouteRacines(const TPolynome& p, bool numerateur, std::vector<TCassure>& cassures)
{
    const Reel signe = numerateur ? 1 : -1;
    for (int i = 1, rang = 1; i <= p.Multiplicites[0]; rang += p.Multiplicites[i++]) {
        const TComplexe r = p.Racines[rang];
        const Reel w = Module(r);
        if (w == 0 || r.Im < 0)
            continue;
        TCassure c;
        c.Pulsation = w;
        c.DuNumerateur = numerateur;
        c.Multiplicite = p.Multiplicites[i];
        const bool paire = r.Im > 0;
        const Reel racines = paire ? 2 : 1;
        c.Origine = paire ? OrigineCassure::Paire : (numerateur ? OrigineCassure::Zero : OrigineCassure::Pole);
        c.PasPente = signe * 20 * racines * c.Multiplicite;
        // Une racine sur l'axe imaginaire n'a pas de côté : comptée à gauche.
        c.SautPhase = signe * 90 * racines * c.Multiplicite * (r.Re > 0 ? -1 : 1);
        if (paire) {
            c.Amortissement = std::fabs(r.Re) / w;
            // |1 + 2jζ| à ω = ωn, l'asymptote y vaut 0 dB : 20.log10(2ζ) par zéro double.
            c.CorrectionResonance = signe * c.Multiplicite * 20 * std::log10(2 * c.Amortissement);
        }
        cassures.push_back(c);
    }
}

// Premier coefficient non nul : le gain de N/D en basse fréquence, puissances de p enlevées.
TComplexe CoefficientBas(const TPolynome& p, int nulles) { return p.Coef[std::min(nulles, p.Degre)]; }

}  // namespace

TBodeAsymptotique BodeAsymptotique(const TPolynome& n, const TPolynome& d)
{
    TBodeAsymptotique b;
    const int zn = RacinesNulles(n);
    const int zd = RacinesNulles(d);
    b.PenteBasseFrequence = 20 * Reel(zn - zd);
    const TComplexe k0 = Quotient(CoefficientBas(n, zn), CoefficientBas(d, zd));
    b.NiveauBasseFrequence = 20 * std::log10(Module(k0));
    // Facteurs normalisés à 1 en 0 : la phase basse fréquence est celle de k0.(jω)^(zn - zd).
    b.PhaseBasseFrequence = Argument(k0) * 180 / Pi + 90 * Reel(zn - zd);
    AjouteRacines(n, true, b.Cassures);
    AjouteRacines(d, false, b.Cassures);
    std::stable_sort(b.Cassures.begin(), b.Cassures.end(),
                     [](const TCassure& x, const TCassure& y) { return x.Pulsation < y.Pulsation; });
    Reel pente = b.PenteBasseFrequence;
    for (TCassure& c : b.Cassures)
        c.PenteApres = pente += c.PasPente;
    // Des cassures de même pulsation n'en font qu'une pour la pente qui suit.
    for (std::size_t k = b.Cassures.size(); k-- > 1;)
        if (b.Cassures[k - 1].Pulsation == b.Cassures[k].Pulsation)
            b.Cassures[k - 1].PenteApres = b.Cassures[k].PenteApres;
    return b;
}

Reel GainAsymptotique(const TBodeAsymptotique& b, Reel w)
{
    const Reel x = std::log10(w);
    Reel g = b.NiveauBasseFrequence + b.PenteBasseFrequence * x;
    for (const TCassure& c : b.Cassures)
        if (w > c.Pulsation)
            g += c.PasPente * (x - std::log10(c.Pulsation));
    return g;
}

Reel PhaseAsymptotique(const TBodeAsymptotique& b, Reel w, bool enRampes)
{
    const Reel x = std::log10(w);
    Reel phi = b.PhaseBasseFrequence;
    for (const TCassure& c : b.Cassures) {
        const Reel ecart = x - std::log10(c.Pulsation);
        if (enRampes)
            phi += c.SautPhase * std::clamp<Reel>((ecart + 1) / 2, 0, 1);
        else if (ecart >= 0)
            phi += c.SautPhase;
    }
    return phi;
}
