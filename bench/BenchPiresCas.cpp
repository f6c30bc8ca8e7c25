// Les saisies qui figeaient l'analyse : chacune doit répondre vite (moins de 100 ms pour une
// saisie de degré 10, moins d'une seconde au degré maximal).
#include <benchmark/benchmark.h>

#include "../tests/numerique/PiresCas.h"

namespace {

void AnalysePireCas(benchmark::State& etat, const TPireCas& c)
{
    for (auto _ : etat) {
        const TAnalyseComplete a = AnalyseComplete(c);
        benchmark::DoNotOptimize(a.Marges.CroisementsGain.data());
    }
}

const bool Enregistres = [] {
    for (const TPireCas& c : PiresCas())
        benchmark::RegisterBenchmark(c.Nom, AnalysePireCas, c)->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
