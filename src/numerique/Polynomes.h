#pragma once
// Polynômes sous leurs deux formes : coefficients et forme factorisée.
#include <array>
#include <functional>
#include <span>
#include <string>

#include "Complexes.h"
#include "TypePolynome.h"

// Le noyau n'a pas de boîte de message : l'application y branche la sienne.
using FonctionMessage = std::function<void(const std::string&)>;
void DefinitFonctionMessage(FonctionMessage f);
void MessageNoyau(const std::string& texte);

TPolynome InitPolynome();
TPolynome InitPolynomeValide();
// Coefficients réels du degré 0 au plus haut (au-delà de DegreMax, ignorés) ; le degré est
// celui du dernier coefficient non nul. Racines à calculer.
TPolynome PolynomeReel(std::span<const Reel> coefs);
// Degré 0 et coefficient constant nul : ni une saisie ni un dénominateur ne l'acceptent.
bool EstPolynomeNul(const TPolynome& p);
// Rend l'état du chercheur de racines (Laguerre.h). En cas d'échec, les racines non atteintes
// restent nulles et RacinesValides reste faux. Des coefficients dominants nuls abaissent le degré.
// Les grappes d'une racine multiple sont réunies, les racines d'un polynôme réel sont réelles ou
// en paires conjuguées exactes (Grappes.h).
int CalculeRacines(TPolynome& p);
void CoefsDepuisRacines(TPolynome& p);
void TrieEtGroupeRacines(TPolynome& p);
TComplexe ValeurEn(const TPolynome& p, TComplexe z);
TPolynome SommePolynomes(const TPolynome& a, const TPolynome& b);
TPolynome ProduitPolynomes(const TPolynome& a, const TPolynome& b);
void OpposePolynome(TPolynome& p);
TPolynome Derivee(const TPolynome& p);
TPolynome EnleveRacine(int k, int m, const TPolynome& p);
Reel Factorielle(int n);
// Coefficient de p^k, nul au-delà du degré.
TComplexe CoefOuZero(const TPolynome& p, int k);
