#pragma once
// Polynômes saisis, études complètes et comparaisons à tolérance pour les tests du noyau.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ComparaisonReference.h"
#include "PolynomesSaisis.h"
#include "numerique/EchellesAuto.h"
#include "numerique/RacinesCommunes.h"

// Comme la saisie par coefficients, coefficients complexes admis.
inline TPolynome ParCoefficients(const std::vector<TComplexe>& coefs)
{
    TPolynome p = CoefsSeuls(coefs);
    CalculeRacines(p);
    return p;
}

inline TComplexe R(Reel x) { return ComplexeReel(x); }

// Coefficients de produit des (p - r) développés puis écrits avec 15 chiffres significatifs,
// comme le fichier les garde.
inline std::vector<TComplexe> QuinzeChiffres(const std::vector<TComplexe>& racines)
{
    const TPolynome exact = PolynomeDeRacines(1, racines);
    std::vector<TComplexe> coefs;
    for (int k = 0; k <= exact.Degre; ++k) {
        char texte[64];
        std::snprintf(texte, sizeof texte, "%.14Le", exact.Coef[k].Re);
        coefs.push_back(R(std::strtold(texte, nullptr)));
    }
    return coefs;
}

inline TSysteme Systeme(const TPolynome& n, const TPolynome& d, Reel tempsMort = 0)
{
    TSysteme s;
    s.Numerateur = n;
    s.Denominateur = d;
    s.TempsMort = tempsMort;
    return s;
}

inline std::vector<TComplexe> ComplexesDuCas(const nlohmann::json& valeurs)
{
    std::vector<TComplexe> v;
    for (const nlohmann::json& x : valeurs)
        v.push_back(LitComplexe(x));
    return v;
}

// Un polynôme d'un cas de référence, par coefficients ou par racines.
inline TPolynome PolynomeDuCas(const nlohmann::json& entree, const std::string& nom)
{
    if (entree.contains(nom))
        return ParCoefficients(ComplexesDuCas(entree[nom]));
    return PolynomeDeRacines(LitComplexe(entree[nom + "_const"]), ComplexesDuCas(entree[nom + "_racines"]));
}

inline TSysteme SystemeDuCas(const nlohmann::json& entree)
{
    return Systeme(PolynomeDuCas(entree, "n"), PolynomeDuCas(entree, "d"), LitReel(entree["T"]));
}

// Toute l'analyse qui suit une saisie ; rend le statut de la décomposition.
inline int Analyse(TSysteme& s, TEchellesAuto& e, const AnnonceRacine& annoncer = {})
{
    SimplifieRacinesCommunes(s, annoncer);
    const int statut = DecomposeEnElementsSimples(s.Numerateur, s.Denominateur, s.PartieEntiere, s.Decomposition);
    if (statut == DecompositionFaite)
        CalculeEchellesAuto(s, e);
    return statut;
}

// Système saisi par racines (k, zéros, pôles) et analysé.
inline TSysteme EtudieParRacines(Reel k, const std::vector<TComplexe>& zeros, const std::vector<TComplexe>& poles,
                                 Reel retard = 0)
{
    TSysteme s = Systeme(PolynomeDeRacines(k, zeros), PolynomeDeRacines(1, poles), retard);
    TEchellesAuto e;
    EXPECT_EQ(Analyse(s, e), DecompositionFaite);
    return s;
}

struct TRecomposition {
    TComplexe Valeur;
    Reel OrdreDeGrandeur = 0;  // somme des modules des termes, pour juger l'erreur d'arrondi
};

// E(z) + somme des A[i][l] / (z - pi)^l.
inline TRecomposition Recompose(const TPolynome& d, const TPolynome& e, const TDecomposition& a, TComplexe z)
{
    TRecomposition r{ValeurEn(e, z), 0};
    r.OrdreDeGrandeur = Module(r.Valeur);
    for (int i = 1; i <= d.Multiplicites[0]; ++i)
        for (int l = 1; l <= d.Multiplicites[i]; ++l) {
            const TComplexe terme = Quotient(a(i, l), Puissance(Difference(z, d.Racines[RangRacine(d, i)]), l));
            r.Valeur = Somme(r.Valeur, terme);
            r.OrdreDeGrandeur += Module(terme);
        }
    return r;
}
