#pragma once
// Polynômes tels que les saisies les donnent, pour tous les tests ; sans Qt.
#include <initializer_list>
#include <vector>

#include "numerique/Polynomes.h"

// Coefficients par puissance croissante, déclarés valides ; les racines restent à calculer.
inline TPolynome CoefsSeuls(const std::vector<TComplexe>& coefs)
{
    TPolynome p = InitPolynome();
    p.Degre = static_cast<int>(coefs.size()) - 1;
    for (int k = 0; k <= p.Degre; ++k)
        p.Coef[k] = coefs[static_cast<std::size_t>(k)];
    p.CoefsValides = true;
    return p;
}

inline TPolynome CoefsSeuls(std::initializer_list<Reel> coefs)
{
    std::vector<TComplexe> complexes;
    for (const Reel c : coefs)
        complexes.push_back(ComplexeReel(c));
    return CoefsSeuls(complexes);
}

// Comme la saisie par coefficients : racines calculées par le noyau.
inline TPolynome PolynomeDeCoefs(std::initializer_list<Reel> coefs)
{
    TPolynome p = CoefsSeuls(coefs);
    CalculeRacines(p);
    return p;
}

inline TPolynome PolynomeDeCoefs(const std::vector<Reel>& coefs)
{
    std::vector<TComplexe> complexes;
    for (const Reel c : coefs)
        complexes.push_back(ComplexeReel(c));
    TPolynome p = CoefsSeuls(complexes);
    CalculeRacines(p);
    return p;
}

// Comme la saisie par racines : facteur constant et racines exactes, triées et groupées,
// coefficients reconstruits.
inline TPolynome PolynomeDeRacines(TComplexe constante, const std::vector<TComplexe>& racines)
{
    TPolynome p = InitPolynome();
    p.Degre = static_cast<int>(racines.size());
    p.Racines[0] = constante;
    for (int i = 1; i <= p.Degre; ++i)
        p.Racines[i] = racines[static_cast<std::size_t>(i - 1)];
    TrieEtGroupeRacines(p);
    CoefsDepuisRacines(p);
    return p;
}

inline TPolynome PolynomeDeRacines(Reel constante, const std::vector<TComplexe>& racines)
{
    return PolynomeDeRacines(ComplexeReel(constante), racines);
}
