#pragma once
// Le polynôme tel que tout le noyau le range, sous ses deux formes : coefficients et forme
// factorisée.
#include <array>

#include "Complexes.h"

inline constexpr int DegreMax = 101;

// L'indice 0 ne suit pas les autres : Racines[0] porte le coefficient dominant (le facteur
// constant de la forme factorisée), Multiplicites[0] le nombre de racines distinctes. Les racines
// sont en Racines[1..Degre], chacune répétée autant que sa multiplicité, et Multiplicites[k]
// est celle de la k-ième racine distincte (RangRacine donne sa place dans Racines).
struct TPolynome {
    int Degre = 0;
    std::array<TComplexe, DegreMax + 1> Coef{};
    std::array<TComplexe, DegreMax + 1> Racines{};
    std::array<int, DegreMax + 1> Multiplicites{};
    bool CoefsValides = false;
    bool RacinesValides = false;
};

bool CoefficientsReels(const TPolynome& p);
// Place dans Racines du premier exemplaire de la k-ième racine distincte.
int RangRacine(const TPolynome& p, int k);
