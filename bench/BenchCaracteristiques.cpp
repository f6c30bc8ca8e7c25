// Caractéristiques de la réponse indicielle d'un degré 10 : extrema, montée, temps de réponse.
#include <benchmark/benchmark.h>

#include <vector>

#include "numerique/CaracteristiquesIndicielle.h"
#include "numerique/EchellesAuto.h"
#include "numerique/RacinesCommunes.h"

namespace {

TPolynome DeRacines(Reel constante, const std::vector<TComplexe>& racines)
{
    TPolynome p = InitPolynome();
    p.Degre = static_cast<int>(racines.size());
    p.Racines[0] = ComplexeReel(constante);
    for (int i = 1; i <= p.Degre; ++i)
        p.Racines[i] = racines[std::size_t(i - 1)];
    CoefsDepuisRacines(p);
    p.Racines = {};
    p.RacinesValides = false;
    CalculeRacines(p);
    return p;
}

// Paires peu amorties, pôles réels étalés et un zéro à droite : beaucoup d'extrema à encadrer.
TSysteme DegreDix()
{
    TSysteme s;
    s.Numerateur = DeRacines(3, {{-0.5L, 0}, {2, 0}, {-1, 3}, {-1, -3}});
    s.Denominateur = DeRacines(
        2, {{-2, 0}, {-0.2L, 1}, {-0.2L, -1}, {-1, 0}, {-3, 0}, {-0.5L, 4}, {-0.5L, -4}, {-6, 0}, {-8, 0}, {-9, 0}});
    s.TempsMort = 0.1L;
    TEchellesAuto e;
    SimplifieRacinesCommunes(s, {});
    DecomposeEnElementsSimples(s.Numerateur, s.Denominateur, s.PartieEntiere, s.Decomposition);
    CalculeEchellesAuto(s, e);
    return s;
}

void CaracteristiquesDegreDix(benchmark::State& etat)
{
    const TSysteme s = DegreDix();
    for (auto _ : etat) {
        const TCaracteristiques c = CaracteristiquesIndicielle(s);
        if (!c.Existent) {
            etat.SkipWithError(c.Raison.c_str());
            break;
        }
        benchmark::DoNotOptimize(c.TempsReponse2);
    }
}
BENCHMARK(CaracteristiquesDegreDix)->Unit(benchmark::kMicrosecond);

}  // namespace
