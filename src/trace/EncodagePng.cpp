#include "EncodagePng.h"

#include <QIODevice>
#include <csetjmp>
#include <png.h>
#include <vector>
#include <zlib.h>

namespace {

struct TSortie {
    QIODevice* Appareil;
    bool Erreur = false;
};

void Ecrit(png_structp png, png_bytep octets, png_size_t taille)
{
    auto* sortie = static_cast<TSortie*>(png_get_io_ptr(png));
    if (sortie->Appareil->write(reinterpret_cast<const char*>(octets), qint64(taille)) != qint64(taille)) {
        sortie->Erreur = true;
        png_error(png, "écriture refusée");
    }
}

void Vide(png_structp) {}

// Les messages de libpng restent muets : l'appelant rend compte de l'échec en français.
void Avertissement(png_structp, png_const_charp) {}

void Erreur(png_structp png, png_const_charp)
{
    longjmp(png_jmpbuf(png), 1);
}

void EnTete(png_structp png, png_infop info, const QImage& image)
{
    const bool indexee = image.format() == QImage::Format_Indexed8;
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
                 indexee ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (indexee) {
        std::vector<png_color> palette;
        for (const QRgb c : image.colorTable())
            palette.push_back({png_byte(qRed(c)), png_byte(qGreen(c)), png_byte(qBlue(c))});
        png_set_PLTE(png, info, palette.data(), int(palette.size()));
    }
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0)
        png_set_pHYs(png, info, png_uint_32(image.dotsPerMeterX()), png_uint_32(image.dotsPerMeterY()),
                     PNG_RESOLUTION_METER);
}

// Corps séparé du setjmp : aucun objet à destructeur n'y vit entre setjmp et longjmp.
bool EcritLignes(png_structp png, png_infop info, const QImage& image, const TReglagePng& reglage)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_compression_level(png, reglage.Niveau);
    png_set_compression_strategy(png, reglage.ParPlages ? Z_RLE : Z_DEFAULT_STRATEGY);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, reglage.Filtres);
    EnTete(png, info, image);
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, info);
    return true;
}

}

bool EncodePng(const QImage& image, QIODevice& sortie, const TReglagePng& reglage)
{
    const bool formatConnu = image.format() == QImage::Format_RGB888
                             || (image.format() == QImage::Format_Indexed8 && image.colorCount() <= 256);
    if (!formatConnu || image.isNull())
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Erreur, Avertissement);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    TSortie cible{&sortie};
    bool ecrit = false;
    if (info) {
        png_set_write_fn(png, &cible, Ecrit, Vide);
        ecrit = EcritLignes(png, info, image, reglage) && !cible.Erreur;
    }
    png_destroy_write_struct(&png, &info);
    return ecrit;
}
