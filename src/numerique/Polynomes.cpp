#include "Polynomes.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <stdexcept>
#include <utility>

#include "Grappes.h"
#include "Laguerre.h"
#include "Tolerances.h"

static_assert(DegreMaxLaguerre == DegreMax, "les tableaux du polynôme et du chercheur de racines doivent coïncider");

namespace {

FonctionMessage fonctionMessage;

TPolynome Constante(TComplexe c)
{
    TPolynome p = InitPolynome();
    p.Coef[0] = c;
    p.CoefsValides = true;
    return p;
}

TPolynome Facteur(TComplexe r)
{
    TPolynome p = Constante(Oppose(r));
    p.Degre = 1;
    p.Coef[1] = {1, 0};
    return p;
}

void TrieRacines(TPolynome& p)
{
    const int n = p.Degre;
    for (int i = 1; i <= n - 1; ++i)
        for (int j = i + 1; j <= n; ++j) {
            const Reel d = p.Racines[i].Re - p.Racines[j].Re;
            const Reel ecart = EcartAdmis(p.Racines[i], p.Racines[j], ToleranceGroupes);
            if (d > ecart || (std::fabs(d) <= ecart && p.Racines[i].Im - p.Racines[j].Im > ecart))
                std::swap(p.Racines[i], p.Racines[j]);
        }
}

// Seules des racines égales forment un groupe ; le tri, qui tolère des parties réelles voisines
// pour ranger les paires conjuguées, peut les avoir séparées : on les rapproche d'abord.
void GroupeRacines(TPolynome& p)
{
    const int n = p.Degre;
    int k = 1;
    int i = 1;
    while (i <= n - 1) {
        int j = 1;
        for (int l = i + 1; l <= n; ++l)
            if (ProchesRelatifs(p.Racines[i], p.Racines[l], ToleranceEgales))
                std::rotate(p.Racines.begin() + i + j++, p.Racines.begin() + l, p.Racines.begin() + l + 1);
        p.Multiplicites[k++] = j;
        i += j;
    }
    if (i == n)
        p.Multiplicites[k++] = 1;
    p.Multiplicites[0] = k - 1;
}

}  // namespace

void DefinitFonctionMessage(FonctionMessage f) { fonctionMessage = std::move(f); }

void MessageNoyau(const std::string& texte)
{
    if (fonctionMessage)
        fonctionMessage(texte);
    else
        std::cerr << texte << '\n';
}

TPolynome InitPolynome() { return TPolynome{}; }

TPolynome InitPolynomeValide()
{
    TPolynome p;
    p.CoefsValides = true;
    p.RacinesValides = true;
    return p;
}

TPolynome PolynomeReel(std::span<const Reel> coefs)
{
    TPolynome p = InitPolynome();
    p.CoefsValides = true;
    for (std::size_t i = 0; i < coefs.size() && i <= std::size_t(DegreMax); ++i) {
        p.Coef[i] = ComplexeReel(coefs[i]);
        if (coefs[i] != 0)
            p.Degre = int(i);
    }
    return p;
}

bool EstPolynomeNul(const TPolynome& p) { return p.Degre == 0 && Egaux(p.Coef[0], {0, 0}); }

namespace {

void AnnuleImaginairesInfimes(TPolynome& p)
{
    for (int i = 1; i <= p.Degre; ++i)
        if (std::fabs(p.Racines[i].Im) < 1e-8L * std::fabs(p.Racines[i].Re))
            p.Racines[i].Im = 0;
}

}  // namespace

int CalculeRacines(TPolynome& p)
{
    p.Racines.fill({0, 0});
    int statut = LaguerreReussi;
    if (p.Degre < 1) {
        p.Racines[0] = p.Coef[0];
    } else {
        const TResultatLaguerre r = RacinesLaguerre(p.Degre, p.Coef, {1, 1}, 1000, 1e-10L);
        statut = r.Statut;
        // Coefficients dominants nuls : le degré retombe au nombre de racines, pour que la forme
        // factorisée reste celle du polynôme.
        if (statut == LaguerreReussi)
            p.Degre = r.Nombre;
        for (int i = 1; i <= r.Nombre; ++i)
            p.Racines[i] = r.Racines[i];
        p.Racines[0] = p.Coef[p.Degre];
        AnnuleImaginairesInfimes(p);
        // L'ajustement des racines aux coefficients peut redonner une partie imaginaire infime.
        if (statut == LaguerreReussi) {
            NettoieRacinesCalculees(p);
            AnnuleImaginairesInfimes(p);
        }
    }
    TrieEtGroupeRacines(p);
    // Racines non atteintes laissées nulles : elles ne doivent passer pour valides nulle part.
    p.RacinesValides = statut == LaguerreReussi;
    return statut;
}

void CoefsDepuisRacines(TPolynome& p)
{
    if (p.Degre <= 0) {
        p.Coef[0] = p.Racines[0];
    } else {
        TPolynome produit = Constante(p.Racines[0]);
        for (int i = 1; i <= p.Degre; ++i)
            produit = ProduitPolynomes(produit, Facteur(p.Racines[i]));
        for (int k = 0; k <= p.Degre; ++k)
            p.Coef[k] = produit.Coef[k];
    }
    p.CoefsValides = true;
}

void TrieEtGroupeRacines(TPolynome& p)
{
    for (int k = 0; k <= DegreMax; ++k)
        p.Multiplicites[k] = 0;
    if (p.Degre < 2) {
        p.Multiplicites[0] = p.Degre;
        if (p.Degre == 1)
            p.Multiplicites[1] = 1;
    } else {
        TrieRacines(p);
        GroupeRacines(p);
    }
    p.RacinesValides = true;
}

TComplexe ValeurEn(const TPolynome& p, TComplexe z)
{
    TComplexe v = p.Coef[p.Degre];
    for (int k = p.Degre - 1; k >= 0; --k)
        v = Somme(Produit(v, z), p.Coef[k]);
    return v;
}

TPolynome SommePolynomes(const TPolynome& a, const TPolynome& b)
{
    TPolynome s = InitPolynome();
    const int n = std::max(a.Degre, b.Degre);
    for (int k = 0; k <= n; ++k)
        s.Coef[k] = Somme(CoefOuZero(a, k), CoefOuZero(b, k));
    s.Degre = n;
    // Un coefficient de tête n'est qu'un reste d'arrondi quand la somme a annulé ses deux termes.
    while (s.Degre > 0
           && Module(s.Coef[s.Degre]) <= EcartAdmis(CoefOuZero(a, s.Degre), CoefOuZero(b, s.Degre), 1e-10L))
        --s.Degre;
    s.CoefsValides = true;
    return s;
}

TPolynome ProduitPolynomes(const TPolynome& a, const TPolynome& b)
{
    if (EstPolynomeNul(a) || EstPolynomeNul(b))
        return Constante({0, 0});
    const int n = a.Degre + b.Degre;
    if (n > DegreMax)
        throw std::out_of_range("Produit de polynômes de degré supérieur à " + std::to_string(DegreMax));
    TPolynome p = Constante({0, 0});
    p.Degre = n;
    for (int l = 0; l <= a.Degre; ++l)
        for (int m = 0; m <= b.Degre; ++m)
            p.Coef[l + m] = Somme(p.Coef[l + m], Produit(a.Coef[l], b.Coef[m]));
    return p;
}

void OpposePolynome(TPolynome& p)
{
    for (int k = 0; k <= p.Degre; ++k)
        p.Coef[k] = Oppose(p.Coef[k]);
    p.Racines[0] = Oppose(p.Racines[0]);
}

TPolynome Derivee(const TPolynome& p)
{
    TPolynome d = Constante({0, 0});
    if (p.Degre <= 0)
        return d;
    d.Degre = p.Degre - 1;
    for (int k = 0; k <= d.Degre; ++k) {
        const Reel facteur = k + 1;
        d.Coef[k] = {facteur * p.Coef[k + 1].Re, facteur * p.Coef[k + 1].Im};
    }
    return d;
}

// Division faite sur la forme factorisée : aucune division de coefficients.
TPolynome EnleveRacine(int k, int m, const TPolynome& p)
{
    const bool horsLimites = k < 1 || k > p.Multiplicites[0] || k > DegreMax;
    if (horsLimites || p.Multiplicites[k] < m)
        MessageNoyau("erreur dans la procédure EnleveRacine (Polynomes)");
    const int premier = horsLimites ? p.Degre + 1 : RangRacine(p, k);
    TPolynome q = InitPolynome();
    int j = 0;
    for (int i = 0; i <= p.Degre; ++i)
        if (i < premier || i >= premier + m)
            q.Racines[j++] = p.Racines[i];
    q.Degre = j - 1;
    CoefsDepuisRacines(q);
    TrieEtGroupeRacines(q);
    return q;
}

TComplexe CoefOuZero(const TPolynome& p, int k) { return k <= p.Degre ? p.Coef[k] : TComplexe{}; }

Reel Factorielle(int n)
{
    Reel f = 1;
    for (int i = 2; i <= n; ++i)
        f *= i;
    return f;
}
