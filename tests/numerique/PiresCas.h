#pragma once
// Les saisies qui ont figé l'analyse (racines multiples sur ou tout près de l'axe imaginaire,
// retards immenses, degré maximal) et l'analyse complète qu'en fait kovra-calcul, sans Qt :
// partagées par le test qui veut une réponse de chacune et par le banc qui la chronomètre.
#include <string>
#include <vector>

#include "../PolynomesSaisis.h"
#include "numerique/EchellesAuto.h"
#include "numerique/Marges.h"
#include "numerique/PointsEvans.h"
#include "numerique/RacinesCommunes.h"

struct TPireCas {
    const char* Nom;
    std::vector<Reel> Num;  // coefficients par puissances croissantes
    std::vector<Reel> Den;
    Reel T = 0;
    // Degré maximal comme un fichier le donne : Den vide, Multiple fois -1, avec ses racines ou
    // par ses seuls coefficients.
    int Multiple = 0;
    bool SansRacines = false;
};

inline const std::vector<TPireCas>& PiresCas()
{
    static const std::vector<TPireCas> cas = {
        {"carre_p2_plus_1_puissance_5", {1}, {1, 0, 5, 0, 10, 0, 10, 0, 5, 0, 1}},
        {"p2_plus_1_puissance_4", {1}, {1, 0, 4, 0, 6, 0, 4, 0, 1}},
        {"amorti_2e-9_puissance_4", {1}, {1, 8e-9L, 4, 2.4e-8L, 6, 2.4e-8L, 4, 8e-9L, 1}},
        {"amorti_2e-9_puissance_3", {1}, {1, 6e-9L, 3, 1.2e-8L, 3, 6e-9L, 1}},
        {"p2_plus_1e-4_puissance_4", {1}, {1e-16L, 0, 4e-12L, 0, 6e-8L, 0, 4e-4L, 0, 1}},
        {"p2_plus_1e4_puissance_3", {1}, {1e12L, 0, 3e8L, 0, 3e4L, 0, 1}},
        {"retard_1e6", {1}, {1, 1}, 1e6L},
        {"retard_1e100", {1}, {1, 1}, 1e100L},
        {"bipropre_retard_100", {0.999L, 0.999L}, {1.001L, 1}, 100},
        {"degre_maximal_par_racines", {1}, {}, 0, DegreMax},
        {"degre_maximal_par_coefficients", {1}, {}, 0, DegreMax, true},
    };
    return cas;
}

inline TPolynome DenominateurDe(const TPireCas& c)
{
    if (c.Multiple == 0)
        return PolynomeDeCoefs(c.Den);
    TPolynome d = PolynomeDeRacines(1, std::vector<TComplexe>(std::size_t(c.Multiple), ComplexeReel(-1)));
    if (c.SansRacines) {
        d.RacinesValides = false;
        CalculeRacines(d);
    }
    return d;
}

struct TAnalyseComplete {
    TSysteme Systeme;
    TEchellesAuto Echelles;
    TMarges Marges;
    TPointsEvans Evans;
};

// Ce que kovra-calcul calcule d'une saisie : racines, racines communes, décomposition, plages
// automatiques (réponses échantillonnées comprises), marges et verdict, points du lieu d'Evans.
inline TAnalyseComplete AnalyseComplete(const TPireCas& c)
{
    TAnalyseComplete a;
    TSysteme& s = a.Systeme;
    s.Numerateur = PolynomeDeCoefs(c.Num);
    s.Denominateur = DenominateurDe(c);
    s.TempsMort = c.T;
    SimplifieRacinesCommunes(s, {});
    if (DecomposeEnElementsSimples(s.Numerateur, s.Denominateur, s.PartieEntiere, s.Decomposition) ==
        DecompositionFaite)
        CalculeEchellesAuto(s, a.Echelles);
    a.Marges = CalculeMarges(s.Numerateur, s.Denominateur, s.TempsMort);
    if (LieuCalculable(s.Numerateur, s.Denominateur))
        a.Evans = PointsEvans(s.Numerateur, s.Denominateur);
    return a;
}
