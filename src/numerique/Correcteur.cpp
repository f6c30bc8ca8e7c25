#include "Correcteur.h"

#include <array>
#include <cmath>
#include <utility>

#include "Laguerre.h"

namespace {

bool Positif(Reel x) { return std::isfinite(x) && x > 0; }

TPolynome Polynome(std::initializer_list<Reel> coefs)
{
    return PolynomeReel(std::span<const Reel>(coefs.begin(), coefs.size()));
}

bool UtiliseTi(TTypeCorrecteur t) { return t == TTypeCorrecteur::PI || t == TTypeCorrecteur::PID; }
bool UtiliseTd(TTypeCorrecteur t) { return t == TTypeCorrecteur::PD || t == TTypeCorrecteur::PID; }

constexpr std::pair<const char*, TTypeCorrecteur> NomsTypes[] = {
    {"p", TTypeCorrecteur::P},     {"pi", TTypeCorrecteur::PI},         {"pd", TTypeCorrecteur::PD},
    {"pid", TTypeCorrecteur::PID}, {"avance", TTypeCorrecteur::Avance}, {"retard", TTypeCorrecteur::Retard},
};

}  // namespace

const char* NomTypeCorrecteur(TTypeCorrecteur t)
{
    for (const auto& [nom, type] : NomsTypes)
        if (type == t)
            return nom;
    return "p";
}

std::optional<TTypeCorrecteur> TypeCorrecteurDuNom(std::string_view nom)
{
    for (const auto& [n, type] : NomsTypes)
        if (nom == n)
            return type;
    return std::nullopt;
}

std::vector<TParametreCorrecteur> ParametresCorrecteur(TTypeCorrecteur t)
{
    const TParametreCorrecteur k{"k", &TCorrecteur::K};
    const TParametreCorrecteur tau{"tau", &TCorrecteur::Tau};
    switch (t) {
    case TTypeCorrecteur::P: return {k};
    case TTypeCorrecteur::PI: return {k, {"ti", &TCorrecteur::Ti}};
    case TTypeCorrecteur::PD: return {k, {"td", &TCorrecteur::Td}, {"n", &TCorrecteur::N}};
    case TTypeCorrecteur::PID: return {k, {"ti", &TCorrecteur::Ti}, {"td", &TCorrecteur::Td}, {"n", &TCorrecteur::N}};
    case TTypeCorrecteur::Avance: return {k, {"a", &TCorrecteur::A}, tau};
    case TTypeCorrecteur::Retard: return {k, {"b", &TCorrecteur::B}, tau};
    }
    return {k};
}

std::string RefusCorrecteur(const TCorrecteur& c)
{
    const TTypeCorrecteur t = c.Type;
    if (!std::isfinite(c.K) || c.K == 0)
        return "K doit être un nombre fini non nul";
    if (UtiliseTi(t) && !Positif(c.Ti))
        return "Ti doit être strictement positif";
    // Td = 0 laisse un PI au PID ; au PD, il ne resterait qu'un gain.
    if (t == TTypeCorrecteur::PD && !Positif(c.Td))
        return "Td doit être strictement positif";
    if (t == TTypeCorrecteur::PID && !(std::isfinite(c.Td) && c.Td >= 0))
        return "Td doit être positif ou nul";
    if (UtiliseTd(t) && !Positif(c.N))
        return "N doit être strictement positif";
    if (t == TTypeCorrecteur::Avance && !(std::isfinite(c.A) && c.A > 1))
        return "a doit être strictement supérieur à 1";
    if (t == TTypeCorrecteur::Retard && !(std::isfinite(c.B) && c.B > 1))
        return "b doit être strictement supérieur à 1";
    if ((t == TTypeCorrecteur::Avance || t == TTypeCorrecteur::Retard) && !Positif(c.Tau))
        return "τ doit être strictement positif";
    return {};
}

// PD : K(1 + Td.p/N + Td.p)/(1 + Td.p/N) ; PID sur Ti.p(1 + Td.p/N) :
// 1 + (Ti + Td/N)p + Ti.Td(1 + 1/N)p².
TPolynome NumerateurCorrecteur(const TCorrecteur& c)
{
    const Reel K = c.K;
    switch (c.Type) {
    case TTypeCorrecteur::P: return Polynome({K});
    case TTypeCorrecteur::PI: return Polynome({K, K * c.Ti});
    case TTypeCorrecteur::PD: return Polynome({K, K * c.Td * (1 + 1 / c.N)});
    case TTypeCorrecteur::PID: return Polynome({K, K * (c.Ti + c.Td / c.N), K * c.Ti * c.Td * (1 + 1 / c.N)});
    case TTypeCorrecteur::Avance: return Polynome({K, K * c.A * c.Tau});
    case TTypeCorrecteur::Retard: return Polynome({K, K * c.Tau});
    }
    return Polynome({K});
}

TPolynome DenominateurCorrecteur(const TCorrecteur& c)
{
    switch (c.Type) {
    case TTypeCorrecteur::P: return Polynome({1});
    case TTypeCorrecteur::PI: return Polynome({0, c.Ti});
    case TTypeCorrecteur::PD: return Polynome({1, c.Td / c.N});
    case TTypeCorrecteur::PID: return Polynome({0, c.Ti, c.Ti * c.Td / c.N});
    case TTypeCorrecteur::Avance: return Polynome({1, c.Tau});
    case TTypeCorrecteur::Retard: return Polynome({1, c.B * c.Tau});
    }
    return Polynome({1});
}

TBoucleCorrigee BoucleOuverteCorrigee(const TCorrecteur& c, const TPolynome& n, const TPolynome& d, Reel T)
{
    TBoucleCorrigee l;
    l.TempsMort = T;
    l.Refus = RefusCorrecteur(c);
    if (!l.Refus.empty())
        return l;
    const TPolynome nc = NumerateurCorrecteur(c);
    const TPolynome dc = DenominateurCorrecteur(c);
    if (nc.Degre + n.Degre > DegreMax || dc.Degre + d.Degre > DegreMax) {
        l.Refus = "Avec le correcteur, la boucle ouverte dépasserait le degré " + std::to_string(DegreMax);
        return l;
    }
    l.Numerateur = ProduitPolynomes(nc, n);
    l.Denominateur = ProduitPolynomes(dc, d);
    if (CalculeRacines(l.Numerateur) != LaguerreReussi || CalculeRacines(l.Denominateur) != LaguerreReussi)
        l.Refus = "Les racines de la boucle ouverte corrigée n'ont pas pu être calculées";
    return l;
}
