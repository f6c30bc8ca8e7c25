// Diagramme de Bode et réponses temporelles d'une fonction de transfert de degré 10 repeints
// dans une image plein écran.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "trace/Graphisme.h"
#include "trace/TraceBode.h"
#include "trace/TraceDiagramme.h"
#include "coeur/Analyse.h"
#include "coeur/Document.h"

namespace {
// (1 + 0.5 p + 0.1 p²) / (1 + p)^10 : coefficients par puissance croissante.
TDocument DocumentDegreDix()
{
    TDocument doc = DocumentInitial();
    doc.Numerateur = InitPolynomeValide();
    doc.Numerateur.Degre = 2;
    doc.Numerateur.Coef[0] = ComplexeReel(1);
    doc.Numerateur.Coef[1] = ComplexeReel(0.5L);
    doc.Numerateur.Coef[2] = ComplexeReel(0.1L);
    doc.Denominateur = InitPolynomeValide();
    doc.Denominateur.Degre = 10;
    Reel binome = 1;
    for (int k = 0; k <= 10; ++k) {
        doc.Denominateur.Coef[k] = ComplexeReel(binome);
        binome = binome * (10 - k) / (k + 1);
    }
    doc.TempsMort = 0.05L;
    return doc;
}

void Repeint(benchmark::State& etat, const TParamBode& param)
{
    TDocument doc = DocumentDegreDix();
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : etat) {
        QPainter p(&image);
        benchmark::DoNotOptimize(TracerBode(p, image.rect(), doc, param, TMiseEnPageBode{}));
    }
}

void BodeDegreDix(benchmark::State& etat)
{
    Repeint(etat, {0.001L, 1000, -200, 10, QStringLiteral("Degré 10")});
}
BENCHMARK(BodeDegreDix)->Unit(benchmark::kMillisecond);

// Décades serrées : 500, où la grille est la plus longue à tracer (une ligne presque par
// colonne), et les 2000 que le dialogue laisse passer au plus, où ses lignes se confondent.
void BodeDecadesSerrees(benchmark::State& etat)
{
    const Reel demi = Reel(etat.range(0)) / 2;
    Repeint(etat, {Puiss10(-demi), Puiss10(demi), -200, 10, QString()});
}
BENCHMARK(BodeDecadesSerrees)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);

// Échelon 0 → 1 ou rampe de pente 1/TMaxAuto, aux échelles automatiques : un millier
// d'évaluations en forme close, dix pôles et le retard, à chaque peinture.
void ReponseDegreDix(benchmark::State& etat, TTypeReponse type)
{
    TDocument doc = DocumentDegreDix();
    CalculeRacines(doc.Numerateur);
    CalculeRacines(doc.Denominateur);
    AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
    TDemandeReponse demande;
    demande.Type = type;
    demande.Param = {0, 1, 1 / doc.TMaxAuto, doc.TMaxAuto, doc.YMinIndicielle, doc.YMaxIndicielle, QString()};
    if (type == TTypeReponse::Rampe)
        demande.Param.YMax = 1;
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : etat) {
        QPainter p(&image);
        benchmark::DoNotOptimize(TracerReponse(p, image.rect(), doc, demande).Trace);
    }
}

void EchelonDegreDix(benchmark::State& etat)
{
    ReponseDegreDix(etat, TTypeReponse::Indicielle);
}
BENCHMARK(EchelonDegreDix)->Unit(benchmark::kMillisecond);

void RampeDegreDix(benchmark::State& etat)
{
    ReponseDegreDix(etat, TTypeReponse::Rampe);
}
BENCHMARK(RampeDegreDix)->Unit(benchmark::kMillisecond);
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
