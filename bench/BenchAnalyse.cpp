// Analyse complète d'une saisie de degré 10 : racines, racines communes, décomposition, plages.
#include <benchmark/benchmark.h>

#include "DocumentDegreDix.h"
#include "coeur/Analyse.h"

namespace {

// D = (p + 1)(p + 2)...(p + 10), N = 1 : dix pôles réels distincts.
TDocument SaisieDegreDix()
{
    const Reel coefs[] = {3628800, 10628640, 12753576, 8409500, 3416930, 902055, 157773, 18150, 1320, 55, 1};
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur.Coef[0] = ComplexeReel(1);
    doc.Systeme.Numerateur.CoefsValides = true;
    doc.Systeme.Denominateur.Degre = 10;
    for (int i = 0; i <= 10; ++i)
        doc.Systeme.Denominateur.Coef[i] = ComplexeReel(coefs[i]);
    doc.Systeme.Denominateur.CoefsValides = true;
    return doc;
}

// Racines des coefficients saisis, puis toute l'analyse.
void AnalyseSaisie(benchmark::State& etat, TDocument doc)
{
    const TPolynome n = doc.Systeme.Numerateur;
    const TPolynome d = doc.Systeme.Denominateur;
    for (auto _ : etat) {
        doc.Systeme.Numerateur = n;
        doc.Systeme.Denominateur = d;
        CalculeRacines(doc.Systeme.Numerateur);
        CalculeRacines(doc.Systeme.Denominateur);
        benchmark::DoNotOptimize(AnalyseApresSaisieCoeur(doc, [](const std::string&) {}));
        benchmark::DoNotOptimize(doc.EchellesAuto.RampeMax);
    }
}

void AnalyseDegreDix(benchmark::State& etat) { AnalyseSaisie(etat, SaisieDegreDix()); }
BENCHMARK(AnalyseDegreDix)->Unit(benchmark::kMillisecond);

// Le document des bancs de dessin : pôle dix fois multiple, zéros complexes, retard.
void AnalyseDegreDixRetardee(benchmark::State& etat) { AnalyseSaisie(etat, DocumentDegreDix()); }
BENCHMARK(AnalyseDegreDixRetardee)->Unit(benchmark::kMillisecond);

// 1/(p + 1)^101 tel qu'un fichier le donne (forme factorisée valide) : réponses en forme close
// sur un pôle de multiplicité 101, rampe par intégrale de la réponse indicielle.
void AnalyseDegreMaximal(benchmark::State& etat)
{
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur.Racines[0] = ComplexeReel(1);
    doc.Systeme.Numerateur.Coef[0] = ComplexeReel(1);
    doc.Systeme.Numerateur.CoefsValides = doc.Systeme.Numerateur.RacinesValides = true;
    doc.Systeme.Denominateur.Degre = DegreMax;
    doc.Systeme.Denominateur.Racines[0] = ComplexeReel(1);
    for (int i = 1; i <= DegreMax; ++i)
        doc.Systeme.Denominateur.Racines[i] = ComplexeReel(-1);
    TrieEtGroupeRacines(doc.Systeme.Denominateur);
    CoefsDepuisRacines(doc.Systeme.Denominateur);
    const TDocument lu = doc;
    for (auto _ : etat) {
        doc = lu;
        benchmark::DoNotOptimize(AnalyseApresSaisieCoeur(doc, [](const std::string&) {}));
        benchmark::DoNotOptimize(doc.EchellesAuto.RampeMax);
    }
}
BENCHMARK(AnalyseDegreMaximal)->Unit(benchmark::kMillisecond);

} // namespace
