#pragma once
// Racines tirées des coefficients, ramenées à ce que la précision étendue permet d'en dire.
#include "TypePolynome.h"

// Sur p.Racines[1..Degre], calculées depuis p.Coef :
// - une grappe dont l'étalement reste dans la précision d'une racine de sa multiplicité devient
//   une racine multiple, à la moyenne de la grappe, affinée ;
// - polynôme réel : racines réelles à partie imaginaire nulle, paires conjuguées exactes ;
// - une partie réelle dans la précision de sa racine est nulle.
void NettoieRacinesCalculees(TPolynome& p);

// Rayon dans lequel une racine de multiplicité m en z est connue, en précision étendue :
// (m!.n.2^-64.S / |P^(m)(z)|)^(1/m), S taille des termes de P en z ; 0 si P^(m)(z) est nul.
Reel PrecisionRacine(const TPolynome& p, TComplexe z, int m);

// Rayon dans lequel des coefficients connus à 1e-15 près de leur taille (ce que garde le fichier
// de données, plus que ce que l'on tape) situent une racine de multiplicité m en z.
Reel PrecisionDonneesRacine(const TPolynome& p, TComplexe z, int m);

// Écart relatif à la taille des termes admis entre la forme factorisée de p et ses coefficients,
// au-delà de l'arrondi : nul pour des racines toutes simples ; la précision des données quand p
// a une racine multiple, car celle tirée des coefficients vient d'une factorisation ajustée à
// eux (une racine multiple saisie s'accorde de toute façon avec eux).
Reel PrecisionFactorisation(const TPolynome& p);

// Les racines et multiplicités de p (valides) refont-elles ses coefficients à la précision des
// données près ? Des racines calculées d'une grappe que la précision étendue ne sépare pas ne
// le font pas : seules leurs fonctions symétriques sont dans les coefficients.
bool FactorisationAdmise(const TPolynome& p);
