// Encodage PNG d'un diagramme de Bode de degré 10 en 1920 x 1080, tel que kovra-calcul --image
// le fait : choix de l'encodage, image identique au pixel près.
#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "DocumentDegreDix.h"
#include "coeur/Analyse.h"
#include "numerique/Laguerre.h"
#include "trace/EcritureImage.h"
#include "trace/EncodagePng.h"
#include "trace/TraceDiagramme.h"
#include "trace/ValeursAutomatiques.h"

namespace {

// Aux échelles automatiques, comme kovra-calcul.
const QImage& ImageBode()
{
    static const QImage image = [] {
        TDocument doc = DocumentDegreDix();
        CalculeRacines(doc.Systeme.Numerateur);
        CalculeRacines(doc.Systeme.Denominateur);
        AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
        TDemandeDiagramme demande;
        demande.Type = TTypeDiagramme::Bode;
        demande.Bode = ParamAutoBode(doc);
        return ImageDessinee(QSize(1920, 1080), [&](QPainter& p, const QRect& r) { TracerDiagramme(p, r, doc, demande); });
    }();
    return image;
}

// Chaque tour encode dans un tampon neuf ; la taille du dernier PNG est rapportée.
template <typename Encodage>
void Encode(benchmark::State& etat, Encodage encode)
{
    QByteArray octets;
    for (auto _ : etat) {
        octets.clear();
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        encode(tampon);
    }
    etat.counters["octets"] = double(octets.size());
}

// QImage::save par défaut : ce que faisait la première version.
void PngQtParDefaut(benchmark::State& etat)
{
    Encode(etat, [](QBuffer& tampon) { ImageBode().save(&tampon, "PNG"); });
}
BENCHMARK(PngQtParDefaut)->Unit(benchmark::kMillisecond);

// Compression de QImageWriter (0 à 100 : zlib de 0 à 9) ; Qt essaie tous les filtres.
void PngQtNiveau(benchmark::State& etat)
{
    Encode(etat, [&](QBuffer& tampon) {
        QImageWriter ecrivain(&tampon, "png");
        ecrivain.setCompression(int(etat.range(0)));
        ecrivain.write(ImageBode());
    });
}
BENCHMARK(PngQtNiveau)->Arg(10)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

// libpng : niveau de zlib, filtres (0x08 aucun, 0x10 SUB), stratégie par plages.
void PngLibpng(benchmark::State& etat)
{
    const TReglagePng reglage{int(etat.range(0)), int(etat.range(1)), etat.range(2) != 0};
    Encode(etat, [&](QBuffer& tampon) {
        EncodePng(ImageBode().convertToFormat(QImage::Format_RGB888), tampon, reglage);
    });
}
BENCHMARK(PngLibpng)->ArgsProduct({{1, 2, 6}, {0x08, 0x10}, {0, 1}})->Unit(benchmark::kMillisecond);

// Recherche d'une palette d'au plus 256 couleurs (le texte lissé en a davantage).
void PaletteIndexee(benchmark::State& etat)
{
    for (auto _ : etat)
        benchmark::DoNotOptimize(EnCouleursIndexees(ImageBode()).format());
}
BENCHMARK(PaletteIndexee)->Unit(benchmark::kMillisecond);

// Ce que kovra-calcul fait.
void PngKovra(benchmark::State& etat)
{
    Encode(etat, [](QBuffer& tampon) { EcritPng(ImageBode(), tampon); });
}
BENCHMARK(PngKovra)->Unit(benchmark::kMillisecond);

}
