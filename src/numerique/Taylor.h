#pragma once
// Un polynôme vu autour d'un point : coefficients de Taylor et taille de ses termes.
#include "Complexes.h"

// t[k] = P^(k)(z) / k! pour k = 0..ordres-1, par divisions synthétiques successives par (p - z) ;
// coefs[0..n] ; au-delà du degré, les coefficients sont nuls.
void DeveloppementTaylor(int n, const TComplexe* coefs, TComplexe z, int ordres, TComplexe* t);

// Somme des |a_k|.r^k : l'erreur d'arrondi de P(z), pour |z| = r, en est une petite fraction.
Reel TailleDesTermes(int n, const TComplexe* coefs, Reel r);
