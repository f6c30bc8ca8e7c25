// Sélecteur du dialogue des couleurs : la grille refaite à un autre niveau de bleu et peinte
// sur la surface du dialogue, puis le témoin seul, ce que fait chaque mouvement de souris.
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "coeur/SchemaCouleurs.h"
#include "trace/TraceCouleurs.h"

namespace {

const TGeometrieSelecteur Geometrie =
    GeometrieSelecteur({526, 24}, {328, 16, 153, 129}, {600, 336, 57, 22}, {600, 400, 57, 22});

void GrilleNouveauBleu(benchmark::State& etat)
{
    QImage surface(898, 580, QImage::Format_RGB32);
    QImage grille;
    int bleu = 0;
    for (auto _ : etat) {
        bleu = (bleu + 1) % 256;
        RemplitGrille(grille, bleu);
        QPainter p(&surface);
        DessineGrille(p, Geometrie, grille);
    }
    benchmark::DoNotOptimize(surface.constBits());
}
BENCHMARK(GrilleNouveauBleu)->Unit(benchmark::kMillisecond);

void TemoinSeul(benchmark::State& etat)
{
    QImage surface(898, 580, QImage::Format_RGB32);
    QImage grille;
    RemplitGrille(grille, 0);
    quint32 couleur = 0;
    for (auto _ : etat) {
        couleur = (couleur + 0x010203u) & 0xFFFFFFu;
        QPainter p(&surface);
        DessineSelecteur(p, QRegion(Geometrie.Temoin), Geometrie, {0, couleur, 0}, grille, Qt::lightGray);
    }
    benchmark::DoNotOptimize(surface.constBits());
}
BENCHMARK(TemoinSeul)->Unit(benchmark::kMicrosecond);

} // namespace
