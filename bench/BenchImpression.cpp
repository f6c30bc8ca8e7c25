// Pages imprimées rendues à 600 points par pouce dans un PDF en mémoire : les cinq dessins
// d'une fonction de degré 10 retardée, et l'étude à l'italienne.
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>
#include <functional>

#include "coeur/Analyse.h"
#include "coeur/Document.h"
#include "DocumentDegreDix.h"
#include "trace/PageImprimee.h"
#include "trace/TraceEtudeImprimee.h"

namespace {

// La fonction de degré 10 retardée, analysée, imprimée en couleur avec l'abaque.
TDocument DocumentImprime()
{
    TDocument doc = DocumentDegreDix();
    CalculeRacines(doc.Systeme.Numerateur);
    CalculeRacines(doc.Systeme.Denominateur);
    AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
    doc.ImpressionCouleur = true;
    doc.AbaqueVisible = true;
    return doc;
}

using TPage = std::function<void(QPainter& p, const QRect& page, int resolution, TDocument& doc)>;

// A4 à 6 mm des bords, comme le PDF du programme.
void EnPdf(benchmark::State& etat, QPageLayout::Orientation orientation, const TPage& page)
{
    TDocument doc = DocumentImprime();
    for (auto _ : etat) {
        QBuffer memoire;
        memoire.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&memoire);
        pdf.setResolution(600);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(6, 6, 6, 6),
                                      QPageLayout::Millimeter));
        QPainter p(&pdf);
        page(p, QRect(0, 0, pdf.width(), pdf.height()), pdf.resolution(), doc);
        p.end();
        benchmark::DoNotOptimize(memoire.size());
    }
}

const TValeursImpression A4{180, 240 - 35, 15, 15, QStringLiteral("Banc")};

void PageDiagramme(benchmark::State& etat, TTypeDiagramme type)
{
    EnPdf(etat, QPageLayout::Portrait, [type](QPainter& p, const QRect& page, int resolution, TDocument& doc) {
        TDemandeDiagramme d;
        d.Type = type;
        d.Bode = {0.001L, 1000, -200, 10, QString()};
        d.Nyquist = {0.001L, 1000, -0.5L, 1, -1, 0.5L, QString(), true};
        d.Black = {0.001L, 1000, -200, 10, QString(), true, false};
        ImprimeDiagramme(p, page, resolution, doc, d, A4);
    });
}

void PageReponse(benchmark::State& etat, TTypeReponse type)
{
    EnPdf(etat, QPageLayout::Portrait, [type](QPainter& p, const QRect& page, int resolution, TDocument& doc) {
        TDemandeReponse d;
        d.Type = type;
        d.Param = {0, 1, 1 / doc.EchellesAuto.TMaxAuto, doc.EchellesAuto.TMaxAuto, doc.EchellesAuto.YMinIndicielle, doc.EchellesAuto.YMaxIndicielle, QString()};
        if (type == TTypeReponse::Rampe)
            d.Param.YMax = 1;
        ImprimeReponse(p, page, resolution, doc, d, A4);
    });
}

void PageEtude(benchmark::State& etat)
{
    EnPdf(etat, QPageLayout::Landscape, [](QPainter& p, const QRect& page, int resolution, TDocument& doc) {
        ImprimeEtude(p, page, resolution, doc);
    });
}

}  // namespace

BENCHMARK_CAPTURE(PageDiagramme, Bode, TTypeDiagramme::Bode)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PageDiagramme, Nyquist, TTypeDiagramme::Nyquist)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PageDiagramme, Black, TTypeDiagramme::Black)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PageReponse, Echelon, TTypeReponse::Indicielle)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PageReponse, Rampe, TTypeReponse::Rampe)->Unit(benchmark::kMillisecond);
BENCHMARK(PageEtude)->Unit(benchmark::kMillisecond);
