#include "ReglageRetard.h"

#include <cmath>

#include "OutilsReglage.h"

namespace {

constexpr Reel EcartMargeMax = 5;
// Le zéro descend d'un facteur 2 tant que la marge s'écarte de plus de 5°.
constexpr int DescentesMax = 10;
const char* const Entrees[] = {"l'échelon", "la rampe", "la parabole"};

int Integrateurs(const TPolynome& d)
{
    int k = 0;
    while (k < d.Degre && d.Coef[std::size_t(k)].Re == 0)
        ++k;
    return k;
}

// Erreur statique de la boucle fermée à retour unitaire pour l'entrée de rang `classe`.
Reel ErreurStatique(Reel gainStatique, int classe) { return classe == 0 ? 1 / (1 + gainStatique) : 1 / gainStatique; }

bool ErreurAtteinte(const TFonctionG& g, const TCorrecteur& c, int classe, Reel visee)
{
    const Reel kg = g.N.Coef[0].Re / g.D.Coef[std::size_t(classe)].Re;
    return ErreurStatique(c.K * kg, classe) <= visee * (1 + 1e-12L);
}

}  // namespace

TReglage RetardPourErreurStatique(const TFonctionG& g, Reel erreurVisee)
{
    TReglage r;
    r.Objectif = "erreur statique de " + Valeur(erreurVisee) + " à marge de phase inchangée, par retard de phase";
    r.Correcteur.Type = TTypeCorrecteur::Retard;
    const int classe = Integrateurs(g.D);
    if (!(erreurVisee > 0 && std::isfinite(erreurVisee))) {
        r.Etapes.push_back("L'erreur statique visée doit être strictement positive");
        return r;
    }
    if (classe > 2 || g.N.Coef[0].Re == 0) {
        r.Etapes.push_back("G a un zéro à l'origine ou plus de deux intégrateurs : aucune erreur statique finie à régler");
        return r;
    }
    const Reel kg = g.N.Coef[0].Re / g.D.Coef[std::size_t(classe)].Re;
    const Reel erreurG = ErreurStatique(kg, classe);
    r.Etapes.push_back("Classe " + std::to_string(classe) + " : erreur statique pour " + Entrees[classe]
                       + " = " + (classe == 0 ? "1/(1 + K0)" : "1/K" + std::to_string(classe)) + " = "
                       + Valeur(erreurG) + " avec K" + std::to_string(classe) + " = " + Valeur(kg));
    if (!(kg > 0) || erreurG <= erreurVisee) {
        r.Etapes.push_back(kg > 0 ? "G a déjà cette erreur : un retard de phase n'est pas utile"
                                  : "Gain statique négatif : la boucle fermée n'a pas d'erreur statique à régler ainsi");
        return r;
    }
    const Reel kVise = classe == 0 ? 1 / erreurVisee - 1 : 1 / erreurVisee;
    const Reel b = kVise / kg;
    r.Correcteur.B = b;
    r.Correcteur.K = b;
    r.Etapes.push_back("Gain statique à multiplier par b = " + Valeur(kVise) + "/" + Valeur(kg) + " = " + Valeur(b)
                       + " ; K = b garde le gain de G aux hautes fréquences");
    const TMarges mg = CalculeMarges(g.N, g.D, g.T);
    if (!mg.MargePhase) {
        r.Etapes.push_back("G ne coupe pas 0 dB : pas de coupure sous laquelle placer le zéro");
        return r;
    }
    if (!BoucleStable(mg)) {
        r.Etapes.push_back("La boucle fermée de G n'est pas stable : son erreur statique n'a pas de sens, "
                           "régler d'abord sa marge");
        return r;
    }
    const Reel wc = mg.PulsationMargePhase;
    r.Etapes.push_back("Marge de phase de G : " + Valeur(*mg.MargePhase) + "° à ωc = " + Valeur(wc) + " rad/s");
    Reel zero = wc / 10;
    r.Rempli = true;
    for (int k = 0; k <= DescentesMax; ++k, zero /= 2) {
        r.Correcteur.Tau = 1 / zero;
        r.Etapes.push_back("Zéro 1/τ = " + Valeur(zero) + " rad/s" + (k == 0 ? " (une décade sous ωc)" : "")
                           + " : τ = " + Valeur(r.Correcteur.Tau) + " s, bτ = " + Valeur(b * r.Correcteur.Tau) + " s");
        const std::optional<TMarges> m = MargesCorrigees(r.Correcteur, g);
        if (!m || !m->MargePhase)
            break;
        const Reel ecart = *m->MargePhase - *mg.MargePhase;
        r.Etapes.push_back("Calcul exact sur L = C.G : " + TexteMargePhase(*m) + ", écart de " + Valeur(ecart) + "°");
        if (std::fabs(ecart) <= EcartMargeMax && BoucleStable(*m)) {
            r.Atteint = ErreurAtteinte(g, r.Correcteur, classe, erreurVisee);
            r.Etapes.push_back("Erreur statique obtenue : "
                               + Valeur(ErreurStatique(r.Correcteur.K * kg, classe)) + " ; marge à moins de "
                               + Valeur(EcartMargeMax) + "° de celle de G");
            return r;
        }
        r.Etapes.push_back(BoucleStable(*m) ? "Écart de plus de " + Valeur(EcartMargeMax) + "° : zéro abaissé d'un facteur 2"
                                            : "Boucle fermée corrigée non stable : zéro abaissé d'un facteur 2");
    }
    r.Etapes.push_back("La marge de phase de G n'a pas pu être gardée à " + Valeur(EcartMargeMax) + "° près");
    return r;
}
