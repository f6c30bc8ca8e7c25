// Noyau numérique seul : racines, décomposition, analyse complète et évaluations par échantillon.
#include <benchmark/benchmark.h>

#include <vector>

#include "numerique/EchellesAuto.h"
#include "numerique/RacinesCommunes.h"
#include "numerique/Reponses.h"

namespace {

// Saisie par coefficients : seuls les coefficients sont valides, comme au sortir du dialogue.
TPolynome CoefficientsDe(Reel constante, const std::vector<TComplexe>& racines)
{
    TPolynome p = InitPolynome();
    p.Degre = static_cast<int>(racines.size());
    p.Racines[0] = ComplexeReel(constante);
    for (int i = 1; i <= p.Degre; ++i)
        p.Racines[i] = racines[i - 1];
    CoefsDepuisRacines(p);
    p.Racines = {};
    p.RacinesValides = false;
    return p;
}

std::vector<TComplexe> Reels(std::initializer_list<Reel> valeurs)
{
    std::vector<TComplexe> v;
    for (const Reel x : valeurs)
        v.push_back(ComplexeReel(x));
    return v;
}

void RacinesEtDecomposition(benchmark::State& etat, const TPolynome& denominateur, int polesDistincts)
{
    TPolynome n = CoefficientsDe(1, Reels({-0.5L}));
    CalculeRacines(n);
    TPolynome entiere;
    TDecomposition a;
    for (auto _ : etat) {
        TPolynome d = denominateur;
        CalculeRacines(d);
        if (d.Multiplicites[0] != polesDistincts) {
            etat.SkipWithError("pôles mal groupés");
            break;
        }
        benchmark::DoNotOptimize(DecomposeEnElementsSimples(n, d, entiere, a));
    }
}

void DegreDixPolesSimples(benchmark::State& etat)
{
    RacinesEtDecomposition(etat, CoefficientsDe(1, Reels({-1, -2, -3, -4, -5, -6, -7, -8, -9, -10})), 10);
}
BENCHMARK(DegreDixPolesSimples)->Unit(benchmark::kMicrosecond);

void PoleQuadrupleEtPolesSimples(benchmark::State& etat)
{
    RacinesEtDecomposition(etat, CoefficientsDe(1, Reels({-1, -1, -1, -1, -2, -3, -4, -5, -6, -7})), 7);
}
BENCHMARK(PoleQuadrupleEtPolesSimples)->Unit(benchmark::kMicrosecond);

// Zéros, paires complexes, une racine commune : tout ce qui suit une saisie de degré 10.
TSysteme SaisieDegreDix()
{
    TSysteme s;
    s.Numerateur = CoefficientsDe(3, {{-0.5L, 0}, {-2, 0}, {-1, 3}, {-1, -3}});
    s.Denominateur = CoefficientsDe(
        2, {{-2, 0}, {-0.2L, 1}, {-0.2L, -1}, {-1, 0}, {-3, 0}, {-0.5L, 4}, {-0.5L, -4}, {-6, 0}, {-8, 0}, {-9, 0}});
    return s;
}

void AnalyseCompleteDegreDix(benchmark::State& etat)
{
    const TSysteme saisie = SaisieDegreDix();
    TSysteme s = saisie;
    TEchellesAuto e;
    for (auto _ : etat) {
        s.Numerateur = saisie.Numerateur;
        s.Denominateur = saisie.Denominateur;
        CalculeRacines(s.Numerateur);
        CalculeRacines(s.Denominateur);
        SimplifieRacinesCommunes(s, {});
        DecomposeEnElementsSimples(s.Numerateur, s.Denominateur, s.PartieEntiere, s.Decomposition);
        CalculeEchellesAuto(s, e);
        benchmark::DoNotOptimize(e.RampeMax);
    }
    if (!s.SystemeStable || s.Denominateur.Degre != 9)
        etat.SkipWithError("saisie mal analysée");
}
BENCHMARK(AnalyseCompleteDegreDix)->Unit(benchmark::kMillisecond);

// Un tracé échantillonne 2001 fréquences ou 1000 instants : coût d'un échantillon.
TSysteme SystemeAnalyse()
{
    TSysteme s = SaisieDegreDix();
    CalculeRacines(s.Numerateur);
    CalculeRacines(s.Denominateur);
    SimplifieRacinesCommunes(s, {});
    DecomposeEnElementsSimples(s.Numerateur, s.Denominateur, s.PartieEntiere, s.Decomposition);
    TEchellesAuto e;
    CalculeEchellesAuto(s, e);
    return s;
}

void ReponseFrequentielleUnEchantillon(benchmark::State& etat)
{
    const TSysteme s = SystemeAnalyse();
    Reel omega = 0.1L;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(ReponseFrequentielle(s, {0, omega}));
        omega += 1e-6L;
    }
}
BENCHMARK(ReponseFrequentielleUnEchantillon);

void ReponsesTemporellesUnEchantillon(benchmark::State& etat)
{
    const TSysteme s = SystemeAnalyse();
    Reel t = 0.5L;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(ReponseEchelon(s, t, 0, 0, 1, 0));
        benchmark::DoNotOptimize(ReponseRampe(s, t, 0, 1, 0));
        t += 1e-6L;
    }
}
BENCHMARK(ReponsesTemporellesUnEchantillon);

}  // namespace
