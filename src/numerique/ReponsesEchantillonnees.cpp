#include "ReponsesEchantillonnees.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "Reponses.h"

namespace {

// Chaque pas ajoute quelques arrondis à la part du pôle : reprise sur la forme close tous les
// PeriodeRecalage échantillons, elle ne s'en écarte jamais de plus de quelques centaines
// d'arrondis, loin des chiffres affichés.
constexpr int PeriodeRecalage = 128;
// Un pas coûte m produits : au-delà, la forme close sert à chaque instant.
constexpr int MultipliciteMaxPas = 6;

// Part d'un pôle de la décomposition, somme des A(i, l).F_l(t) (notations de IntegralesDuPole).
struct TPoleAvance {
    TComplexe Pole;
    int Indice = 0;  // rang du pôle distinct dans la décomposition
    int Multiplicite = 0;
    bool ParPas = false;
    TComplexe Rapport;  // e^(pole.pas)
    TComplexe Exp;      // e^(pole.t)
    // Accroissement sur un pas : e^(pole.t) . somme des Accroissement[n].t^n / n!.
    std::array<TComplexe, MultipliciteMaxPas> Accroissement{};
    Reel Part = 0;  // partie réelle, seule lue
};

TComplexe Echelle(TComplexe z, Reel x) { return {z.Re * x, z.Im * x}; }

TComplexe Combinaison(const TDecomposition& a, int i, int m, const TComplexe* f)
{
    TComplexe y{};
    for (int l = 1; l <= m; ++l)
        y = Somme(y, Produit(a(i, l), f[l]));
    return y;
}

// F_l(t + pas) - F_l(t) = e^(pole.t) . somme pour j = 1..l de t^(l-j)/(l-j)! . F_j(pas) : l'intégrale
// de t à t + pas, u^(l-1) développé en puissances de t. Regroupé par puissance de t :
// Accroissement[n] = somme pour l > n de A(i, l).F_(l-n)(pas).
void PrepareAccroissement(TPoleAvance& q, const TDecomposition& a, Reel pas)
{
    TComplexe f[MultipliciteMaxPas + 2];
    IntegralesDuPole(q.Pole, pas, q.Multiplicite, f);
    for (int n = 0; n < q.Multiplicite; ++n)
        for (int l = n + 1; l <= q.Multiplicite; ++l)
            q.Accroissement[std::size_t(n)] =
                Somme(q.Accroissement[std::size_t(n)], Produit(a(q.Indice, l), f[l - n]));
    q.Rapport = Exponentielle(Produit(q.Pole, ComplexeReel(pas)));
}

std::vector<TPoleAvance> PolesAvances(const TPolynome& d, const TDecomposition& a, Reel pas)
{
    std::vector<TPoleAvance> poles;
    for (int i = 1, rang = 1; i <= d.Multiplicites[0]; rang += d.Multiplicites[i++]) {
        TPoleAvance q;
        q.Pole = d.Racines[rang];
        q.Indice = i;
        q.Multiplicite = d.Multiplicites[i];
        q.ParPas = q.Multiplicite <= MultipliciteMaxPas;
        if (q.ParPas)
            PrepareAccroissement(q, a, pas);
        poles.push_back(q);
    }
    return poles;
}

TComplexe PartFormeClose(const TPoleAvance& q, const TDecomposition& a, Reel t)
{
    TComplexe f[DegreMax + 2];
    IntegralesDuPole(q.Pole, t, q.Multiplicite, f);
    return Combinaison(a, q.Indice, q.Multiplicite, f);
}

void Recale(TPoleAvance& q, const TDecomposition& a, Reel t)
{
    q.Part = PartFormeClose(q, a, t).Re;
    q.Exp = Exponentielle(Produit(q.Pole, ComplexeReel(t)));
}

void Avance(TPoleAvance& q, Reel t)
{
    TComplexe polynome = q.Accroissement[std::size_t(q.Multiplicite - 1)];
    for (int n = q.Multiplicite - 1; n >= 1; --n)
        polynome = Somme(Echelle(polynome, t / n), q.Accroissement[std::size_t(n - 1)]);
    q.Part += Produit(q.Exp, polynome).Re;
    q.Exp = Produit(q.Exp, q.Rapport);
}

// Même somme, dans le même ordre, que ReponseIndicielleUnitaire : grappes applicables, puis pôles seuls.
Reel Echantillon(const std::vector<TPoleAvance>& poles, const TPolynome& e, const TDecomposition& a, Reel t)
{
    TComplexe y = e.Coef[0];
    std::array<bool, DegreMax + 2> couverts{};
    for (const TGrappePoles& g : a.Proches.Grappes) {
        if (!SerieApplicable(g, t)
            || std::any_of(g.Poles.begin(), g.Poles.end(), [&](int i) { return couverts[std::size_t(i)]; }))
            continue;
        for (const int i : g.Poles)
            couverts[std::size_t(i)] = true;
        y = Somme(y, PartDeLaGrappe(g, t));
    }
    Reel somme = y.Re;
    for (const TPoleAvance& q : poles)
        if (!couverts[std::size_t(q.Indice)])
            somme += q.ParPas ? q.Part : PartFormeClose(q, a, t).Re;
    return somme;
}

}  // namespace

std::vector<Reel> IndiciellesEchantillonnees(const TPolynome& d, const TPolynome& e, const TDecomposition& a,
                                              const std::vector<Reel>& instants, Reel pas)
{
    std::vector<Reel> y(instants.size(), 0);
    if (e.Degre != 0)
        return y;
    std::vector<TPoleAvance> poles = PolesAvances(d, a, pas);
    int depuisRecalage = PeriodeRecalage;
    for (std::size_t k = 0; k < instants.size(); ++k) {
        const Reel t = instants[k];
        if (t < 0)
            continue;
        const bool recale = depuisRecalage == PeriodeRecalage;
        depuisRecalage = recale ? 1 : depuisRecalage + 1;
        for (TPoleAvance& q : poles)
            if (q.ParPas) {
                if (recale)
                    Recale(q, a, t);
                else
                    Avance(q, instants[k - 1]);
            }
        y[k] = Echantillon(poles, e, a, t);
    }
    return y;
}

std::vector<Reel> RampesEchantillonnees(const TSysteme& s, const std::vector<Reel>& instants, Reel pas)
{
    if (!s.RampeParIntegrale)
        return IndiciellesEchantillonnees(s.DRampe, s.EntiereRampe, s.DecompositionRampe, instants, pas);
    std::vector<Reel> y;
    for (const Reel t : instants)
        y.push_back(ReponseRampe(s, t, 0, 1, 0));
    return y;
}
