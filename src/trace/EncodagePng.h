#pragma once
// Encodage PNG sans perte par libpng, filtre et niveau de zlib choisis : l'encodeur de Qt
// essaie tous les filtres sur chaque ligne et coûte plus que tout le dessin.
#include <QImage>

class QIODevice;

// Réglage retenu à la mesure (bench_image) : zlib au niveau 1, sans filtre ; un diagramme est
// fait de longues plages unies que zlib trouve seul.
struct TReglagePng {
    int Niveau = 1;          // zlib, 0 à 9
    int Filtres = 0x08;      // PNG_FILTER_NONE ; 0x10 SUB, 0xF8 tous
    bool ParPlages = false;  // stratégie Z_RLE de zlib
};

// Image RGB888 ou Indexed8 (palette d'au plus 256 couleurs) ; faux sur tout autre format ou
// si la sortie refuse l'écriture.
bool EncodePng(const QImage& image, QIODevice& sortie, const TReglagePng& reglage = {});
