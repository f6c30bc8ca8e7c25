#include "RacinesJson.h"

#include "coeur/TextesValeurs.h"
#include "numerique/Tolerances.h"

namespace {

int Occurrences(const TPolynome& p, TComplexe r)
{
    int n = 0;
    for (int i = 1; i <= p.Degre; ++i)
        n += ProchesRelatifs(p.Racines[i], r, ToleranceCommunes) ? 1 : 0;
    return n;
}

// Entre l'état d'un polynôme à une annonce et l'état suivant, la racine simplifiée est celle
// qui a perdu des occurrences.
TComplexe RacineEnlevee(const TPolynome& avant, const TPolynome& apres)
{
    TComplexe racine;
    int perte = -1;
    for (int k = 1; k <= avant.Multiplicites[0]; ++k) {
        const TComplexe r = avant.Racines[RangRacine(avant, k)];
        const int p = avant.Multiplicites[k] - Occurrences(apres, r);
        if (p > perte) {
            perte = p;
            racine = r;
        }
    }
    return racine;
}

} // namespace

TJson RacinesJson(const TPolynome& p)
{
    TJson j = TJson::array();
    for (int i = 1; i <= p.Degre; ++i)
        j.push_back(ComplexeJson(p.Racines[i]));
    return j;
}

TJson MultiplicitesJson(const TPolynome& p)
{
    TJson j = TJson::array();
    for (int k = 1; k <= p.Multiplicites[0]; ++k)
        j.push_back(p.Multiplicites[k]);
    return j;
}

TJson RacinesCommunesJson(const TEtatsSimplification& etats, const std::string& chemin,
                          TAvertissements& avertissements)
{
    const std::vector<TPolynome>& n = etats.Numerateurs;
    const std::vector<TPolynome>& d = etats.Denominateurs;
    TJson j = TJson::array();
    for (std::size_t k = 0; k + 1 < n.size(); ++k) {
        const TComplexe r = RacineEnlevee(n[k], n[k + 1]);
        j.push_back(ComplexeJson(r));
        // Un pôle instable enlevé avec un zéro stable est nommé aussi.
        const TComplexe pole = RacineEnlevee(d[k], d[k + 1]);
        const TComplexe nommee = r.Re >= 0 ? r : pole;
        if (nommee.Re >= 0)
            avertissements.push_back({chemin + "[" + std::to_string(k) + "]",
                                      "racine de partie réelle positive ou nulle " + ComplexeEnTexte(nommee, 15, '.')
                                          + " simplifiée entre le numérateur et le dénominateur"});
    }
    return j;
}
