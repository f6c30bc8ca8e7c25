#include "Complexes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

// Réglé une seule fois au démarrage, puis seulement lu.
char separateurCourant = '.';

}  // namespace

TComplexe Puissance(TComplexe z, int n)
{
    TComplexe resultat{1, 0};
    for (int i = 0; i < n; ++i)
        resultat = Produit(resultat, z);
    return resultat;
}

TComplexe DePolaire(TComplexe z) { return {z.Re * std::cos(z.Im), z.Re * std::sin(z.Im)}; }

TComplexe Exponentielle(TComplexe z) { return DePolaire({std::exp(z.Re), z.Im}); }

Reel Distance(TComplexe a, TComplexe b)
{
    const Reel dx = a.Re - b.Re;
    const Reel dy = a.Im - b.Im;
    return std::sqrt(dx * dx + dy * dy);
}

bool Voisins(TComplexe a, TComplexe b) { return Distance(a, b) < 1e-5L; }

void DefinitSeparateurDecimal(char separateur) { separateurCourant = separateur; }

char SeparateurDecimal() { return separateurCourant; }

namespace {

// Chiffres significatifs d'un réel positif : valeur = c0,c1c2… × 10^Exposant.
struct TChiffres {
    std::string Chiffres;
    int Exposant = 0;
};

// Le réel étendu porte un peu plus de 19 chiffres : ses 18 premiers sont sûrs.
constexpr int ChiffresEtendus = 18;

TChiffres ChiffresDe(Reel a)
{
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.*Le", ChiffresEtendus - 1, a);
    TChiffres d;
    const char* c = tampon;
    for (; *c != 'e'; ++c)
        if (*c >= '0' && *c <= '9')
            d.Chiffres += *c;
    d.Exposant = std::atoi(c + 1);
    return d;
}

// Arrondi au plus près sur les chiffres décimaux, moitiés loin de zéro.
TChiffres Arrondi(Reel a, int n)
{
    TChiffres d = ChiffresDe(a);
    if (n >= static_cast<int>(d.Chiffres.size())) {
        d.Chiffres.append(n - d.Chiffres.size(), '0');
        return d;
    }
    const bool monte = d.Chiffres[n] >= '5';
    d.Chiffres.resize(n);
    if (!monte)
        return d;
    int i = n - 1;
    while (i >= 0 && d.Chiffres[i] == '9')
        d.Chiffres[i--] = '0';
    if (i >= 0) {
        ++d.Chiffres[i];
    } else {
        d.Chiffres.insert(d.Chiffres.begin(), '1');
        d.Chiffres.pop_back();
        ++d.Exposant;
    }
    return d;
}

std::string SansZerosFinaux(std::string s)
{
    while (s.size() > 1 && s.back() == '0')
        s.pop_back();
    return s;
}

std::string AvecFraction(std::string entier, const std::string& fraction)
{
    if (!fraction.empty())
        entier += SeparateurDecimal() + fraction;
    return entier;
}

// Format général : positionnel, sinon scientifique dès que la partie entière dépasse n chiffres.
std::string FormatGeneral(Reel a, int n)
{
    const TChiffres d = Arrondi(a, n);
    const std::string c = SansZerosFinaux(d.Chiffres);
    if (d.Exposant >= n)
        return AvecFraction(c.substr(0, 1), c.substr(1)) + "E" + std::to_string(d.Exposant);
    if (d.Exposant < 0)
        return AvecFraction("0", std::string(-d.Exposant - 1, '0') + c);
    std::string entier = c.substr(0, std::min<std::size_t>(c.size(), d.Exposant + 1));
    entier.append(d.Exposant + 1 - entier.size(), '0');
    return AvecFraction(entier, c.size() > entier.size() ? c.substr(entier.size()) : "");
}

// Format exposant : tous les chiffres gardés, signe de l'exposant toujours écrit.
std::string FormatExposant(Reel a, int n)
{
    const TChiffres d = Arrondi(a, n);
    return AvecFraction(d.Chiffres.substr(0, 1), d.Chiffres.substr(1)) + "E"
           + (d.Exposant < 0 ? "-" : "+") + std::to_string(std::abs(d.Exposant));
}

// Chiffres significatifs que NombreEnTexte donne à une valeur absolue a non nulle.
int ChiffresAffiches(Reel a, int n)
{
    return a >= 0.001L && a <= 10000.0L ? n : n + 2;
}

}  // namespace

std::string NombreEnTexte(Reel x, int n)
{
    if (std::isnan(x))
        return "NAN";
    const std::string signe = x >= 0 ? "+" : "-";
    if (std::isinf(x))
        return signe + "INF";
    n = std::max(n, 1);
    const Reel a = std::fabs(x);
    if (x == 0)
        return signe + "0";
    const int chiffres = ChiffresAffiches(a, n);
    return signe + (chiffres == n ? FormatGeneral(a, n) : FormatExposant(a, chiffres));
}

TComplexe PartiesAffichees(TComplexe z, int chiffres)
{
    const Reel grande = std::max(std::fabs(z.Re), std::fabs(z.Im));
    if (!std::isfinite(grande) || grande == 0)
        return z;
    chiffres = std::max(chiffres, 1);
    const Reel demiUnite = 0.5L * std::pow(10.0L, Reel(Arrondi(grande, chiffres).Exposant - chiffres + 1));
    for (Reel* partie : {&z.Re, &z.Im})
        if (std::fabs(*partie) < demiUnite)
            *partie = 0;
    return z;
}

std::string ComplexeEnTexte(TComplexe z, int n)
{
    z = PartiesAffichees(z, ChiffresAffiches(std::max(std::fabs(z.Re), std::fabs(z.Im)), std::max(n, 1)));
    std::string texte = NombreEnTexte(z.Re, n);
    if (z.Im == 0)
        return texte;
    if (z.Im == 1)
        return texte + " + j";
    if (z.Im == -1)
        return texte + " -j";
    return texte + " " + NombreEnTexte(z.Im, n) + " j";
}
