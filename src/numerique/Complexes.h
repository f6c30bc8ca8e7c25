#pragma once
// Nombres complexes en précision étendue.

using Reel = long double;

struct TComplexe {
    Reel Re = 0;
    Reel Im = 0;
};

inline constexpr Reel Pi = 3.14159265358979323846264338327950288L;
inline constexpr Reel DeuxPi = 6.28318530717958647692528676655900577L;

// Les opérations élémentaires sont dans l'en-tête : les réponses temporelles et le balayage
// fréquentiel en font des millions par analyse, un appel de fonction chacune serait le gros du coût.
inline TComplexe ComplexeReel(Reel x) { return {x, 0}; }
inline TComplexe Oppose(TComplexe z) { return {-z.Re, -z.Im}; }
inline TComplexe Somme(TComplexe a, TComplexe b) { return {a.Re + b.Re, a.Im + b.Im}; }
inline TComplexe Difference(TComplexe a, TComplexe b) { return {a.Re - b.Re, a.Im - b.Im}; }
inline TComplexe Produit(TComplexe a, TComplexe b) { return {a.Re * b.Re - a.Im * b.Im, a.Re * b.Im + a.Im * b.Re}; }
TComplexe Quotient(TComplexe a, TComplexe b);
TComplexe Puissance(TComplexe z, int n);
Reel Module(TComplexe z);
Reel Argument(TComplexe z);
TComplexe DePolaire(TComplexe z);
TComplexe Exponentielle(TComplexe z);
Reel Distance(TComplexe a, TComplexe b);
bool Egaux(TComplexe a, TComplexe b);
bool Voisins(TComplexe a, TComplexe b);
// Les deux parties finies : ni infinie ni NaN.
bool EstFini(TComplexe z);
