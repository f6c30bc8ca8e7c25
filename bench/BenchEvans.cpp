// Lieu d'Evans d'une entrée de degré 10 dans une image plein écran : premier tracé (calcul des
// branches compris) et repeint (branches gardées par le document).
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "coeur/Analyse.h"
#include "trace/TraceDiagramme.h"

namespace {

TDocument Entree(std::vector<Reel> n, std::vector<Reel> d)
{
    TDocument doc = DocumentInitial();
    doc.Systeme.Numerateur = PolynomeReel(n);
    doc.Systeme.Denominateur = PolynomeReel(d);
    CalculeRacines(doc.Systeme.Numerateur);
    CalculeRacines(doc.Systeme.Denominateur);
    AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
    return doc;
}

void Trace(benchmark::State& etat, TDocument doc, bool repeint)
{
    const TCadreLieu c = CadreAutoEvans(doc.Systeme.Numerateur, doc.Systeme.Denominateur, PointsEvans(doc.Systeme.Numerateur, doc.Systeme.Denominateur));
    TDemandeDiagramme demande;
    demande.Type = TTypeDiagramme::Evans;
    demande.Evans = {c.XMin, c.XMax, c.YMin, c.YMax, QStringLiteral("Degré 10")};
    QImage image(1920, 1080, QImage::Format_RGB32);
    // Le repeint reprend les branches du tracé précédent, comme la fenêtre.
    TTraceEvans precedent;
    if (repeint) {
        QPainter p(&image);
        precedent = TracerDiagramme(p, image.rect(), doc, demande).Dessin.Evans;
        demande.EvansPrecedent = &precedent;
    }
    std::size_t points = 0;
    for (auto _ : etat) {
        QPainter p(&image);
        const TResultatDiagramme r = TracerDiagramme(p, image.rect(), doc, demande);
        points = r.Dessin.Evans.Lieu.Points.size();
        benchmark::DoNotOptimize(r);
    }
    etat.counters["points"] = double(points);
}

// (p + 3)(p² + 2p + 5) / (p(p+1)(p+2)(p+4)(p+6)(p+8)(p²+p+4)(p²+6p+25)) : pôles distincts.
void EvansDegreDix(benchmark::State& etat, bool repeint)
{
    Trace(etat, Entree({15, 11, 5, 1}, {0, 38400, 97216, 105856, 72588, 34712, 11293, 2444, 342, 28, 1}), repeint);
}

// (1 + 0,5p + 0,1p²) / (1 + p)^10 : pôle d'ordre 10, le pire cas du suivi.
void EvansPoleDixuple(benchmark::State& etat, bool repeint)
{
    std::vector<Reel> d(11);
    Reel binome = 1;
    for (int k = 0; k <= 10; ++k) {
        d[std::size_t(k)] = binome;
        binome = binome * (10 - k) / (k + 1);
    }
    Trace(etat, Entree({1, 0.5L, 0.1L}, d), repeint);
}

}

BENCHMARK_CAPTURE(EvansDegreDix, premier, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EvansDegreDix, repeint, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EvansPoleDixuple, premier, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EvansPoleDixuple, repeint, true)->Unit(benchmark::kMillisecond);
