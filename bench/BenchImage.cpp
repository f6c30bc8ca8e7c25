// Encodage PNG d'un diagramme de Bode de degré 10 en 1920 x 1080, tel que kovra-calcul --image
// le fait : choix de l'encodage, image identique au pixel près.
#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "coeur/Analyse.h"
#include "coeur/Document.h"
#include "numerique/Laguerre.h"
#include "trace/EcritureImage.h"
#include "trace/EncodagePng.h"
#include "trace/TraceDiagramme.h"
#include "trace/ValeursAutomatiques.h"

namespace {

// (1 + 0,5 p + 0,1 p²) / (1 + p)^10 aux échelles automatiques.
const QImage& ImageBode()
{
    static const QImage image = [] {
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
        CalculeRacines(doc.Numerateur);
        CalculeRacines(doc.Denominateur);
        AnalyseApresSaisieCoeur(doc, [](const std::string&) {});
        TDemandeDiagramme demande;
        demande.Type = TTypeDiagramme::Bode;
        demande.Bode = ParamAutoBode(doc);
        return ImageDessinee(QSize(1920, 1080), [&](QPainter& p, const QRect& r) { TracerDiagramme(p, r, doc, demande); });
    }();
    return image;
}

void Compte(benchmark::State& etat, const QByteArray& octets)
{
    etat.counters["octets"] = double(octets.size());
}

// QImage::save par défaut : niveau de zlib par défaut, image RGB32.
void PngQtParDefaut(benchmark::State& etat)
{
    QByteArray octets;
    for (auto _ : etat) {
        octets.clear();
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        ImageBode().save(&tampon, "PNG");
    }
    Compte(etat, octets);
}
BENCHMARK(PngQtParDefaut)->Unit(benchmark::kMillisecond);

// Niveau de QImageWriter (0 à 100 : zlib de 0 à 9).
void PngQtNiveau(benchmark::State& etat)
{
    QByteArray octets;
    for (auto _ : etat) {
        octets.clear();
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        QImageWriter ecrivain(&tampon, "png");
        ecrivain.setCompression(int(etat.range(0)));
        ecrivain.write(ImageBode());
    }
    Compte(etat, octets);
}
BENCHMARK(PngQtNiveau)->Arg(10)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

// libpng : niveau de zlib, filtres (0x08 aucun, 0x10 SUB, 0xF8 tous), stratégie par plages.
void PngLibpng(benchmark::State& etat)
{
    const TReglagePng reglage{int(etat.range(0)), int(etat.range(1)), etat.range(2) != 0};
    QByteArray octets;
    for (auto _ : etat) {
        octets.clear();
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        EncodePng(ImageBode().convertToFormat(QImage::Format_RGB888), tampon, reglage);
    }
    Compte(etat, octets);
}
BENCHMARK(PngLibpng)
    ->ArgsProduct({{1, 2, 6}, {0x08, 0x10}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// Couleurs indexées seules : la recherche de la palette.
void PaletteIndexee(benchmark::State& etat)
{
    for (auto _ : etat)
        benchmark::DoNotOptimize(EnCouleursIndexees(ImageBode()).format());
}
BENCHMARK(PaletteIndexee)->Unit(benchmark::kMillisecond);

// Ce que kovra-calcul fait.
void PngKovra(benchmark::State& etat)
{
    QByteArray octets;
    for (auto _ : etat) {
        octets.clear();
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        EcritPng(ImageBode(), tampon);
    }
    Compte(etat, octets);
}
BENCHMARK(PngKovra)->Unit(benchmark::kMillisecond);

}
