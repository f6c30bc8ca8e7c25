// Diagrammes fréquentiels et réponses temporelles d'une fonction de transfert de degré 10
// repeints dans une image plein écran.
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "trace/Graphisme.h"
#include "trace/TraceBlack.h"
#include "trace/TraceBode.h"
#include "trace/TraceNyquist.h"
#include "trace/TraceDiagramme.h"
#include "coeur/Analyse.h"
#include "coeur/Document.h"
#include "DocumentDegreDix.h"

namespace {
template <typename Dessin>
void RepeintAvec(benchmark::State& etat, TDocument& doc, Dessin dessin)
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : etat) {
        QPainter p(&image);
        benchmark::DoNotOptimize(dessin(p, image.rect(), doc));
    }
}

void Repeint(benchmark::State& etat, const TParamBode& param)
{
    TDocument doc = DocumentDegreDix();
    RepeintAvec(etat, doc, [&](QPainter& p, const QRect& cible, TDocument& d) {
        return TracerBode(p, cible, d, param, TMiseEnPageBode{});
    });
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
    CalculeRacines(doc.Systeme.Numerateur);
    CalculeRacines(doc.Systeme.Denominateur);
    AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
    TDemandeReponse demande;
    demande.Type = type;
    demande.Param = {0, 1, 1 / doc.EchellesAuto.TMaxAuto, doc.EchellesAuto.TMaxAuto, doc.EchellesAuto.YMinIndicielle, doc.EchellesAuto.YMaxIndicielle, QString()};
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

// Décades marquées : un disque et une étiquette placée sur la normale à chaque décade.
void NyquistDegreDix(benchmark::State& etat)
{
    TDocument doc = DocumentDegreDix();
    const TParamNyquist param{0.001L, 1000, -0.4L, 1.2L, -0.8L, 0.4L, QStringLiteral("Degré 10"), true};
    RepeintAvec(etat, doc, [&](QPainter& p, const QRect& cible, TDocument& d) {
        return TracerNyquist(p, cible, d, param, TMiseEnPageNyquist::Ecran()).has_value();
    });
}
BENCHMARK(NyquistDegreDix)->Unit(benchmark::kMillisecond);

// Abaque de Nichols des listes par défaut, grille fine, dans les deux plages de phases :
// premier dessin (lieux calculés) et dessins suivants de la fenêtre (lieux gardés).
void BlackAbaque(benchmark::State& etat, bool lieuxGardes)
{
    TDocument doc = DocumentDegreDix();
    doc.PhaseSymetrique = etat.range(0) != 0;
    doc.AbaqueVisible = true;
    const TParamBlack param{0.001L, 1000, -60, 20, QStringLiteral("Degré 10"), true, true};
    TLieuxAbaque lieux;
    RepeintAvec(etat, doc, [&](QPainter& p, const QRect& cible, TDocument& d) {
        return TracerBlack(p, cible, d, param, TMiseEnPageBlack::Ecran(), lieuxGardes ? &lieux : nullptr);
    });
}

void BlackAbaqueDegreDix(benchmark::State& etat)
{
    BlackAbaque(etat, false);
}
BENCHMARK(BlackAbaqueDegreDix)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BlackAbaqueRepeint(benchmark::State& etat)
{
    BlackAbaque(etat, true);
}
BENCHMARK(BlackAbaqueRepeint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
}
