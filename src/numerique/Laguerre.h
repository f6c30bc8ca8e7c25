#pragma once
// Racines d'un polynôme à coefficients complexes par la méthode de Laguerre.
#include <array>

#include "Complexes.h"

inline constexpr int DegreMaxLaguerre = 101;

// a[k] : coefficient de p^k.
using TCoefsLaguerre = std::array<TComplexe, DegreMaxLaguerre + 1>;

// Codes d'état de la recherche.
inline constexpr int LaguerreReussi = 0;
inline constexpr int LaguerreNonConvergent = 1;
inline constexpr int LaguerreDegreNul = 2;
inline constexpr int LaguerreToleranceNulle = 3;
inline constexpr int LaguerreLimiteNegative = 4;

struct TResultatLaguerre {
    std::array<TComplexe, DegreMaxLaguerre + 1> Racines{};  // Racines[1..Nombre]
    int Nombre = 0;
    int Statut = LaguerreReussi;
};

struct TRacineLaguerre {
    TComplexe Z;
    int Statut = LaguerreReussi;
};

struct TValeursEtDerivees {
    TComplexe P;
    TComplexe P1;
    TComplexe P2;
};

// Toutes les racines : recherche sur le polynôme réduit, affinage sur le polynôme d'origine.
TResultatLaguerre RacinesLaguerre(int n, const TCoefsLaguerre& a, TComplexe depart, int limite, Reel eps);
TRacineLaguerre RacineLaguerre(int n, const TCoefsLaguerre& a, TComplexe depart, int limite, Reel eps);
TComplexe PasLaguerre(int n, TComplexe p, TComplexe p1, TComplexe p2);
TValeursEtDerivees ValeursEtDerivees(int n, const TCoefsLaguerre& a, TComplexe z);
// Division par (p - r), reste abandonné ; n diminue de un.
void Deflation(int& n, TCoefsLaguerre& a, TComplexe r);
// Contrôles, coefficients dominants nuls enlevés, racines nulles relevées d'abord.
void PrepareRacines(int& n, TCoefsLaguerre& a, int limite, Reel eps, TResultatLaguerre& resultat);
TComplexe RacineCarree(TComplexe w);
