#include "ReponsesEchantillonnees.h"

#include <algorithm>
#include <array>

#include "GrappeEchantillonnee.h"
#include "Reponses.h"

namespace {

// Chaque pas ajoute quelques arrondis à la part du pôle : reprise sur la forme close tous les
// PeriodeRecalage échantillons, elle ne s'en écarte jamais de plus de quelques centaines
// d'arrondis, loin des chiffres affichés.
constexpr int PeriodeRecalage = 128;
// Pôles des saisies (degré 10, et le pôle nul de la rampe) ; ceux, plus multiples, d'un fichier
// gardent la forme close à chaque instant.
constexpr int MultipliciteMaxPas = 12;

// Part d'un pôle de la décomposition, somme des A(i, l).F_l(t) (notations de IntegralesDuPole).
struct TPoleAvance {
    TComplexe Pole;
    int Indice = 0;  // rang du pôle distinct dans la décomposition
    int Multiplicite = 0;
    bool ParPas = false;
    TComplexe Rapport;  // e^(pole.pas)
    // Accroissement sur un pas : e^(pole.t) . somme des Accroissement[n].t^n.
    std::array<TComplexe, MultipliciteMaxPas> Accroissement{};
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
// Accroissement[n] = somme pour l > n de A(i, l).F_(l-n)(pas), divisée par n!.
void PrepareAccroissement(TPoleAvance& q, const TDecomposition& a, Reel pas)
{
    TComplexe f[MultipliciteMaxPas + 2];
    IntegralesDuPole(q.Pole, pas, q.Multiplicite, f);
    Reel factorielle = 1;
    for (int n = 0; n < q.Multiplicite; ++n) {
        TComplexe c{};
        for (int l = n + 1; l <= q.Multiplicite; ++l)
            c = Somme(c, Produit(a(q.Indice, l), f[l - n]));
        factorielle *= n > 0 ? n : 1;
        q.Accroissement[std::size_t(n)] = Echelle(c, 1 / factorielle);
    }
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

// La part entière, et sa seule part exponentielle quand une grappe en donne la constante.
struct TParts {
    Reel Entiere = 0;
    Reel Exponentielle = 0;
};

TParts PartsFormeClose(const TPoleAvance& q, const TDecomposition& a, Reel t, bool exponentielle)
{
    TComplexe f[DegreMax + 2];
    IntegralesDuPole(q.Pole, t, q.Multiplicite, f);
    TParts p{Combinaison(a, q.Indice, q.Multiplicite, f).Re, 0};
    if (exponentielle) {
        ExponentiellesDuPole(q.Pole, t, q.Multiplicite, f);
        p.Exponentielle = Combinaison(a, q.Indice, q.Multiplicite, f).Re;
    }
    return p;
}

// Ce que l'état du pôle à l'instant ajoute à la réponse.
Reel Apport(TParts p, char etat)
{
    return etat == PoleSeul ? p.Entiere : etat == PoleExponentiel ? p.Exponentielle : 0;
}

// Un pas : l'accroissement, polynôme en t, fois e^(pole.t).
Reel Accroissement(const TPoleAvance& q, TComplexe exp, Reel t)
{
    TComplexe polynome = q.Accroissement[std::size_t(q.Multiplicite - 1)];
    for (int n = q.Multiplicite - 1; n >= 1; --n)
        polynome = Somme(Echelle(polynome, t), q.Accroissement[std::size_t(n - 1)]);
    return Produit(exp, polynome).Re;
}

// Les pas d'un segment entre deux reprises, de k = debut + 1 à fin - 1, la part et e^(pole.t) à
// l'instant debut donnés. L'état vit dans des variables locales : rien ne le relit en mémoire.
struct TSegment {
    const Reel* Instants;
    const char* Etats;
    Reel* Y;
    std::size_t Debut;
    std::size_t Fin;
};

// Pôle simple réel : tout est réel, un produit par pas.
void PasReels(const TPoleAvance& q, const TSegment& s, TParts part, Reel exp)
{
    const Reel c = q.Accroissement[0].Re;
    const Reel r = q.Rapport.Re;
    for (std::size_t k = s.Debut + 1; k < s.Fin; ++k) {
        part.Entiere += exp * c;
        part.Exponentielle += exp * c;
        exp *= r;
        s.Y[k] += Apport(part, s.Etats[k]);
    }
}

void PasComplexes(const TPoleAvance& q, const TSegment& s, TParts part, TComplexe exp)
{
    for (std::size_t k = s.Debut + 1; k < s.Fin; ++k) {
        const Reel pas = Accroissement(q, exp, s.Instants[k - 1]);
        part.Entiere += pas;
        part.Exponentielle += pas;
        exp = Produit(exp, q.Rapport);
        s.Y[k] += Apport(part, s.Etats[k]);
    }
}

bool PoleSimpleReel(const TPoleAvance& q)
{
    return q.Multiplicite == 1 && q.Pole.Im == 0 && q.Accroissement[0].Im == 0 && q.Rapport.Im == 0;
}

// Ajoute la part du pôle aux échantillons qu'aucune grappe ne couvre, à partir du premier
// instant positif : forme close à chaque reprise, pas entre deux.
void AjoutePartDuPole(const TPoleAvance& q, const TDecomposition& a, const std::vector<Reel>& instants,
                      std::size_t premier, const char* etats, std::vector<Reel>& y)
{
    const bool exponentielle = std::any_of(etats + premier, etats + instants.size(), [](char e) { return e == PoleExponentiel; });
    for (std::size_t k = premier; k < instants.size(); k += q.ParPas ? PeriodeRecalage : 1) {
        const Reel t = instants[k];
        const TParts part = PartsFormeClose(q, a, t, exponentielle);
        y[k] += Apport(part, etats[k]);
        if (!q.ParPas)
            continue;
        const TSegment s{instants.data(), etats, y.data(), k, std::min(instants.size(), k + PeriodeRecalage)};
        const TComplexe exp = Exponentielle(Produit(q.Pole, ComplexeReel(t)));
        if (PoleSimpleReel(q))
            PasReels(q, s, part, exp.Re);
        else
            PasComplexes(q, s, part, exp);
    }
}

}  // namespace

// Les grappes d'abord, instant par instant (celle qui sert dépend de l'instant), puis chaque pôle
// sur tous les instants : même somme, dans le même ordre, que ReponseIndicielleUnitaire.
std::vector<Reel> IndiciellesEchantillonnees(const TPolynome& d, const TPolynome& e, const TDecomposition& a,
                                              const std::vector<Reel>& instants, Reel pas)
{
    std::vector<Reel> y(instants.size(), 0);
    if (e.Degre != 0)
        return y;
    const std::size_t premier =
        std::size_t(std::find_if(instants.begin(), instants.end(), [](Reel t) { return t >= 0; }) - instants.begin());
    const std::vector<TPoleAvance> poles = PolesAvances(d, a, pas);
    // etats[(i - 1).n + k] : état du pôle distinct i à l'instant k (PlanDesGrappes).
    std::vector<char> etats(poles.size() * instants.size(), PoleSeul);
    std::vector<TGrappeEchantillonnee> grappes;
    for (const TGrappePoles& g : a.Proches.Grappes)
        grappes.emplace_back(g, pas);
    for (std::size_t k = premier; k < instants.size(); ++k) {
        y[k] = e.Coef[0].Re;
        const TPlanGrappes plan = PlanDesGrappes(a.Proches, instants[k]);
        for (std::size_t n = 0; n < grappes.size(); ++n) {
            const RoleGrappe role = plan.Roles[n];
            if (role == Serie)
                y[k] += grappes[n].Part(instants[k]);
            if (role == SerieSansConstante)
                y[k] += PartExponentielleDeLaGrappe(a.Proches.Grappes[n], instants[k]).Re;
            if (role == ConstanteSeule)
                y[k] += a.Proches.Grappes[n].Constante.Re;
        }
        for (std::size_t i = 1; i <= poles.size(); ++i)
            etats[(i - 1) * instants.size() + k] = plan.Etats[i];
    }
    for (const TPoleAvance& q : poles)
        AjoutePartDuPole(q, a, instants, premier, etats.data() + std::size_t(q.Indice - 1) * instants.size(), y);
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
