// Carte des pôles et des zéros d'un degré 10 repeinte dans une image plein écran, grille comprise.
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "DocumentDegreDix.h"
#include "coeur/Analyse.h"
#include "trace/TracePolesZeros.h"

namespace {

void RepeintPolesZeros(benchmark::State& etat)
{
    TDocument doc = DocumentDegreDix();
    CalculeRacines(doc.Systeme.Numerateur);
    CalculeRacines(doc.Systeme.Denominateur);
    AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : etat) {
        QPainter p(&image);
        const TDessinPolesZeros d = TracerPolesZeros(p, image.rect(), doc, {}, TMiseEnPagePolesZeros::Ecran());
        if (!d.Trace) {
            etat.SkipWithError("carte non tracée");
            break;
        }
        benchmark::DoNotOptimize(d.Racines.size());
    }
}
BENCHMARK(RepeintPolesZeros)->Unit(benchmark::kMillisecond);

}  // namespace
