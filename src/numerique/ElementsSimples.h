#pragma once
// Décomposition de N/D en partie entière et éléments simples.
#include <memory>

#include "PolesProches.h"
#include "Polynomes.h"

// Coefficients A[i][l], i pôle distinct et l puissance, indices 1..DegreMax.
// 101 x 101 complexes : trop gros pour la pile, le tableau vit sur le tas.
class TDecomposition {
public:
    TDecomposition();
    TDecomposition(const TDecomposition& autre);
    TDecomposition& operator=(const TDecomposition& autre);
    TComplexe& operator()(int i, int l) { return valeurs_[Indice(i, l)]; }
    const TComplexe& operator()(int i, int l) const { return valeurs_[Indice(i, l)]; }
    void Efface();
    // Grappes de pôles proches, pour des réponses sans compensation entre grands coefficients.
    TPolesProches Proches;

private:
    static int Indice(int i, int l) { return (i - 1) * DegreMax + (l - 1); }
    std::unique_ptr<TComplexe[]> valeurs_;
};

enum StatutDecomposition : int {
    DecompositionFaite = 0,
    DegreNegatif = 1,
    DenominateurNul = 2,
    DrapeauxInvalides = 3,
    // Un coefficient sort de la précision étendue (racines de module démesuré) : la partie
    // entière et les éléments simples sont effacés plutôt que laissés infinis ou indéfinis.
    DecompositionHorsEtendue = 4,
};

int DecomposeEnElementsSimples(const TPolynome& n, const TPolynome& d, TPolynome& partieEntiere,
                               TDecomposition& decomposition);
