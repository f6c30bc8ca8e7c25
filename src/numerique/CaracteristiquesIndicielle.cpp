#include "CaracteristiquesIndicielle.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "RacineEncadree.h"
#include "ReponseImpulsionnelle.h"
#include "Reponses.h"
#include "ReponsesEchantillonnees.h"

namespace {

constexpr int EchantillonsMin = 64;
constexpr int EchantillonsMax = 16384;
// Au-delà de l'horizon, |y - yf| reste sous ce reste : un dépassement plus petit ne se lit pas.
constexpr Reel ResteHorizon = 1e-12L;
// Écart à la valeur finale ou à zéro que les arrondis de la forme close peuvent seuls produire.
constexpr Reel Bruit = 1e-15L;
constexpr int PasHorizonMax = 100000;
// Plus près que cette fraction de la bande, un extremum entre deux échantillons peut en sortir.
constexpr Reel MargeBande = 0.5L;

const char* RaisonSansCaracteristiques(const TSysteme& s)
{
    const TPolynome& d = s.Denominateur;
    if (s.Numerateur.Degre > d.Degre || s.PartieEntiere.Degre != 0)
        return "Système impropre ou non décomposé : pas de réponse indicielle, donc pas de caractéristiques.";
    bool nul = false;
    bool imaginaire = false;
    for (int i = 1; i <= d.Degre; ++i) {
        const TComplexe p = d.Racines[i];
        if (p.Re > 0)
            return "Système instable : la réponse indicielle diverge, elle n'a pas de caractéristiques.";
        nul = nul || (p.Re == 0 && p.Im == 0);
        imaginaire = imaginaire || (p.Re == 0 && p.Im != 0);
    }
    if (nul)
        return "Intégrateur (pôle nul) : la réponse indicielle n'a pas de valeur finale, donc pas de caractéristiques.";
    if (imaginaire)
        return "Pôles imaginaires purs : la réponse indicielle oscille sans fin, sans valeur finale ni caractéristiques.";
    if (Module(Quotient(s.Numerateur.Coef[0], d.Coef[0])) == 0)
        return "Valeur finale nulle : dépassement et temps, rapportés à elle, n'ont pas de sens.";
    return nullptr;
}

// Majorant de |A(i, l).(F_l(t) - 1/(-p)^l)| sommé sur les puissances du pôle distinct i.
Reel MajorantPole(const TSysteme& s, int i, TComplexe p, Reel t)
{
    const Reel module = Module(p);
    const Reel decroit = std::exp(p.Re * t);
    Reel total = 0;
    Reel terme = 1;
    Reel partielle = 1;
    Reel puissance = 1;
    for (int l = 1; l <= s.Denominateur.Multiplicites[i]; ++l) {
        puissance /= module;
        total += Module(s.Decomposition(i, l)) * decroit * partielle * puissance;
        terme *= module * t / l;
        partielle += terme;
    }
    return total;
}

// Instant au-delà duquel la part du pôle i reste sous le seuil : par pas de sa constante de
// temps, une fois passé le maximum de chaque t^k.e^(pt).
Reel FinDuPole(const TSysteme& s, int i, TComplexe p, Reel seuil)
{
    const Reel pas = -1 / p.Re;
    Reel t = s.Denominateur.Multiplicites[i] * pas;
    for (int k = 0; k < PasHorizonMax && !(MajorantPole(s, i, p, t) <= seuil); ++k)
        t += pas;
    return t;
}

// Pôle distinct par pôle distinct, l'instant où il s'éteint (sous ResteHorizon.|yf| pour tous
// ensemble) et son module : la grille n'a besoin d'être fine qu'à l'échelle des pôles vivants.
struct TVieDuPole {
    Reel Fin;
    Reel Module;
};
std::vector<TVieDuPole> ViesDesPoles(const TSysteme& s, Reel yf)
{
    const TPolynome& d = s.Denominateur;
    std::vector<TVieDuPole> vies;
    const Reel seuil = ResteHorizon * std::fabs(yf) / std::max(1, d.Multiplicites[0]);
    for (int i = 1, rang = 1; i <= d.Multiplicites[0]; rang += d.Multiplicites[i++])
        vies.push_back({FinDuPole(s, i, d.Racines[rang], seuil), Module(d.Racines[rang])});
    std::sort(vies.begin(), vies.end(), [](const TVieDuPole& a, const TVieDuPole& b) { return a.Fin < b.Fin; });
    return vies;
}

// Échantillons par inverse du plus grand module des pôles encore vivants : six par période.
constexpr Reel FinesseGrille = 1;

// Plus grand module des pôles encore vivants à partir de la fin du pôle k - 1.
Reel ModuleVivant(const std::vector<TVieDuPole>& vies, std::size_t k)
{
    Reel module = 0;
    for (std::size_t j = k; j < vies.size(); ++j)
        module = std::max(module, vies[j].Module);
    return module;
}

// Grille croissante de 0 à la fin du dernier pôle, en tronçons réguliers : un tronçon s'arrête
// où le plus grand module vivant tombe de moitié (chaque appel reprend les grappes à zéro : peu
// de tronçons), son pas suit les pôles qui restent.
template <typename Echantillonne>
void Grille(const std::vector<TVieDuPole>& vies, Echantillonne echantillonne)
{
    const Reel horizon = vies.empty() ? 1 : vies.back().Fin;
    Reel debut = 0;
    std::size_t k = 0;
    while (debut < horizon) {
        const Reel module = ModuleVivant(vies, k);
        while (k < vies.size() && (vies[k].Fin <= debut || 2 * ModuleVivant(vies, k + 1) > module))
            ++k;
        const Reel fin = k < vies.size() ? vies[k].Fin : horizon;
        const Reel pas = std::min(module > 0 ? FinesseGrille / module : horizon, horizon / EchantillonsMin);
        const int n = int(std::clamp<Reel>(std::ceil((fin - debut) / pas), 1, EchantillonsMax));
        echantillonne(debut, (fin - debut) / n, n);
        debut = fin;
        ++k;
    }
}

int Signe(Reel x) { return (x > 0) - (x < 0); }

// La réponse rapportée à sa valeur finale u = y/yf et sa dérivée g, sur la grille et en tout
// instant (temps comptés depuis la fin du retard).
class TEtudeIndicielle {
public:
    TEtudeIndicielle(const TSysteme& s, Reel yf) : s_(s), h_(PrepareImpulsionnelle(s)), yf_(yf)
    {
        t_.push_back(0);
        u_.push_back(U(0));
        g_.push_back(G(0));
        Grille(ViesDesPoles(s, yf), [this](Reel debut, Reel pas, int n) { Echantillonne(debut, pas, n); });
        extrema_.assign(t_.size() - 1, std::numeric_limits<Reel>::quiet_NaN());
    }

    int Intervalles() const { return int(extrema_.size()); }
    Reel Instant(int k) const { return t_[std::size_t(k)]; }
    Reel Echantillon(int k) const { return u_[std::size_t(k)]; }
    Reel U(Reel t) const
    {
        return ReponseIndicielleUnitaire(s_.Denominateur, s_.PartieEntiere, s_.Decomposition, t) / yf_;
    }
    Reel G(Reel t) const { return ReponseIndicielleUnitaire(s_.Denominateur, h_.Entiere, h_.Decomposition, t) / yf_; }
    // +1 : un maximum dans l'intervalle k, -1 : un minimum, 0 : la réponse y est monotone.
    int Extremum(int k) const { return Signe(g_[std::size_t(k)]) * Signe(g_[std::size_t(k) + 1]) < 0 ? Signe(g_[std::size_t(k)]) : 0; }
    Reel InstantExtremum(int k)
    {
        Reel& t = extrema_[std::size_t(k)];
        if (std::isnan(t))
            t = RacineEncadree([this](Reel x) { return G(x); }, Instant(k), Instant(k + 1), g_[std::size_t(k)],
                               g_[std::size_t(k) + 1]);
        return t;
    }
    // Instant où u franchit le niveau dans [a, b], u monotone entre ua et ub de part et d'autre.
    Reel Franchit(Reel niveau, Reel a, Reel b, Reel ua, Reel ub) const
    {
        return RacineEncadree([&](Reel x) { return U(x) - niveau; }, a, b, ua - niveau, ub - niveau);
    }

private:
    // Tronçon régulier debut + pas.k, k = 1..n, rapporté à la valeur finale.
    void Echantillonne(Reel debut, Reel pas, int n)
    {
        std::vector<Reel> instants(std::size_t(n) + 1);
        for (int k = 0; k <= n; ++k)
            instants[std::size_t(k)] = debut + k * pas;
        const std::vector<Reel> u =
            IndiciellesEchantillonnees(s_.Denominateur, s_.PartieEntiere, s_.Decomposition, instants, pas);
        const std::vector<Reel> g = IndiciellesEchantillonnees(s_.Denominateur, h_.Entiere, h_.Decomposition, instants, pas);
        for (std::size_t k = 1; k < instants.size(); ++k) {
            t_.push_back(instants[k]);
            u_.push_back(u[k] / yf_);
            g_.push_back(g[k] / yf_);
        }
    }

    const TSysteme& s_;
    TImpulsionnelle h_;
    Reel yf_;
    std::vector<Reel> t_;
    std::vector<Reel> u_;
    std::vector<Reel> g_;
    std::vector<Reel> extrema_;
};

// Morceaux monotones de l'intervalle k : un seul, ou deux de part et d'autre de l'extremum.
struct TMorceau {
    Reel A, B, UA, UB;
};
int Morceaux(TEtudeIndicielle& e, int k, TMorceau* m)
{
    const Reel a = e.Instant(k), b = e.Instant(k + 1);
    const Reel ua = e.Echantillon(k), ub = e.Echantillon(k + 1);
    if (e.Extremum(k) == 0) {
        m[0] = {a, b, ua, ub};
        return 1;
    }
    const Reel t = e.InstantExtremum(k);
    const Reel ut = e.U(t);
    m[0] = {a, t, ua, ut};
    m[1] = {t, b, ut, ub};
    return 2;
}

// Premier instant où u atteint le niveau (u vaut 0 avant l'échelon).
Reel PremierFranchissement(TEtudeIndicielle& e, Reel niveau)
{
    if (e.Echantillon(0) >= niveau)
        return 0;
    TMorceau m[2];
    for (int k = 0; k < e.Intervalles(); ++k) {
        const int n = Morceaux(e, k, m);
        for (int j = 0; j < n; ++j)
            if (m[j].UA < niveau && m[j].UB >= niveau)
                return e.Franchit(niveau, m[j].A, m[j].B, m[j].UA, m[j].UB);
    }
    return std::numeric_limits<Reel>::quiet_NaN();
}

bool Dehors(Reel u, Reel bande) { return std::fabs(u - 1) > bande; }

// Dernière sortie de la bande, en remontant depuis l'horizon ; un intervalle dont les extrémités
// restent bien dans la bande n'a pas besoin de son extremum.
Reel DerniereSortie(TEtudeIndicielle& e, Reel bande)
{
    TMorceau m[2];
    for (int k = e.Intervalles() - 1; k >= 0; --k) {
        const Reel ecart = std::max(std::fabs(e.Echantillon(k) - 1), std::fabs(e.Echantillon(k + 1) - 1));
        if (e.Extremum(k) == 0 && ecart <= bande)
            continue;
        if (e.Extremum(k) != 0 && ecart <= MargeBande * bande)
            continue;
        const int n = Morceaux(e, k, m);
        for (int j = n - 1; j >= 0; --j)
            if (Dehors(m[j].UA, bande)) {
                const Reel niveau = m[j].UA > 1 ? 1 + bande : 1 - bande;
                return Dehors(m[j].UB, bande) ? m[j].B : e.Franchit(niveau, m[j].A, m[j].B, m[j].UA, m[j].UB);
            }
    }
    return 0;
}

struct TExtreme {
    Reel Valeur;
    Reel Instant;
};

// Plus grand (sens +1) ou plus petit (sens -1) u : échantillons et extrema affinés de ce sens dont
// les extrémités en approchent.
TExtreme Extreme(TEtudeIndicielle& e, int sens)
{
    TExtreme meilleur{sens * e.Echantillon(0), 0};
    for (int k = 1; k <= e.Intervalles(); ++k)
        if (sens * e.Echantillon(k) > meilleur.Valeur)
            meilleur = {sens * e.Echantillon(k), e.Instant(k)};
    const Reel seuil = meilleur.Valeur - 0.01L * std::max<Reel>(1, std::fabs(meilleur.Valeur));
    for (int k = 0; k < e.Intervalles(); ++k) {
        if (e.Extremum(k) != sens || std::max(sens * e.Echantillon(k), sens * e.Echantillon(k + 1)) < seuil)
            continue;
        const Reel t = e.InstantExtremum(k);
        const Reel v = sens * e.U(t);
        if (v > meilleur.Valeur)
            meilleur = {v, t};
    }
    return {sens * meilleur.Valeur, meilleur.Instant};
}

}  // namespace

TCaracteristiques CaracteristiquesIndicielle(const TSysteme& s)
{
    TCaracteristiques c;
    if (const char* raison = RaisonSansCaracteristiques(s)) {
        c.Raison = raison;
        return c;
    }
    c.Existent = true;
    c.ValeurFinale = Quotient(s.Numerateur.Coef[0], s.Denominateur.Coef[0]).Re;
    TEtudeIndicielle e(s, c.ValeurFinale);
    const Reel T = s.TempsMort;
    const TExtreme haut = Extreme(e, 1);
    c.Pic = haut.Valeur > 1 + Bruit;
    c.DepassementPct = c.Pic ? 100 * (haut.Valeur - 1) : 0;
    c.TempsPic = c.Pic ? T + haut.Instant : 0;
    const Reel dix = PremierFranchissement(e, 0.1L);
    c.TempsMontee = PremierFranchissement(e, 0.9L) - dix;
    c.InstantDixPourCent = T + dix;
    c.TempsReponse5 = T + DerniereSortie(e, 0.05L);
    c.TempsReponse2 = T + DerniereSortie(e, 0.02L);
    const TExtreme bas = Extreme(e, -1);
    c.SousDepassement = bas.Valeur < -Bruit;
    c.ValeurSousDepassement = c.SousDepassement ? bas.Valeur * c.ValeurFinale : 0;
    c.TempsSousDepassement = c.SousDepassement ? T + bas.Instant : 0;
    return c;
}
