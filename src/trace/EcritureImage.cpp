#include "EcritureImage.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <array>

#include "EncodagePng.h"
#include "MiseEnPage.h"
#include "coeur/EcritureFichier.h"

namespace {

bool PeintSur(QPaintDevice& support, QSize taille, const TDessinImage& dessin)
{
    QPainter surface;
    if (!surface.begin(&support))
        return false;
    dessin(surface, QRect(QPoint(0, 0), taille));
    return surface.end();
}

bool EcritSvg(QIODevice& sortie, QSize taille, const TDessinImage& dessin)
{
    QSvgGenerator svg;
    svg.setOutputDevice(&sortie);
    svg.setSize(taille);
    svg.setViewBox(QRect(QPoint(0, 0), taille));
    svg.setResolution(ResolutionEcran);
    svg.setTitle(QStringLiteral("Kovra"));
    return PeintSur(svg, taille, dessin);
}

// Une page de la taille de l'image, sans marge, à la résolution de l'écran.
bool EcritPdf(QIODevice& sortie, QSize taille, const TDessinImage& dessin)
{
    QPdfWriter pdf(&sortie);
    pdf.setResolution(ResolutionEcran);
    pdf.setPageSize(QPageSize(QSizeF(taille) * 72.0 / ResolutionEcran, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setCreator(QStringLiteral("Kovra"));
    return PeintSur(pdf, taille, dessin);
}

bool EcritFormat(TFormatImage format, QIODevice& sortie, QSize taille, const TDessinImage& dessin)
{
    switch (format) {
    case TFormatImage::Png:
        return EcritPng(ImageDessinee(taille, dessin), sortie);
    case TFormatImage::Svg:
        return EcritSvg(sortie, taille, dessin);
    case TFormatImage::Pdf:
        return EcritPdf(sortie, taille, dessin);
    case TFormatImage::Inconnu:
        break;
    }
    return false;
}

}

TFormatImage FormatImageDe(const QString& chemin)
{
    const QString extension = QFileInfo(chemin).suffix().toLower();
    if (extension == QStringLiteral("png"))
        return TFormatImage::Png;
    if (extension == QStringLiteral("svg"))
        return TFormatImage::Svg;
    if (extension == QStringLiteral("pdf"))
        return TFormatImage::Pdf;
    return TFormatImage::Inconnu;
}

QImage ImageDessinee(QSize taille, const TDessinImage& dessin)
{
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(int(ResolutionEcran / 0.0254 + 0.5));
    image.setDotsPerMeterY(int(ResolutionEcran / 0.0254 + 0.5));
    PeintSur(image, taille, dessin);
    return image;
}

QImage EnCouleursIndexees(const QImage& image)
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage indexee(source.size(), QImage::Format_Indexed8);
    QList<QRgb> palette;
    // Table de hachage ouverte : les pixels voisins ont le plus souvent la même couleur.
    constexpr std::size_t Cases = 1024;
    std::array<QRgb, Cases> couleurs{};
    std::array<int, Cases> rangs;
    rangs.fill(-1);
    QRgb derniere = 0;
    int rangDerniere = -1;
    for (int y = 0; y < source.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* cible = indexee.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = ligne[x];
            if (c != derniere || rangDerniere < 0) {
                std::size_t k = (c * 2654435761u) >> 22;
                while (rangs[k] >= 0 && couleurs[k] != c)
                    k = (k + 1) % Cases;
                if (rangs[k] < 0) {
                    if (palette.size() == 256)
                        return image;
                    couleurs[k] = c;
                    rangs[k] = int(palette.size());
                    palette.append(c);
                }
                derniere = c;
                rangDerniere = rangs[k];
            }
            cible[x] = uchar(rangDerniere);
        }
    }
    indexee.setColorTable(palette);
    indexee.setDotsPerMeterX(source.dotsPerMeterX());
    indexee.setDotsPerMeterY(source.dotsPerMeterY());
    return indexee;
}

bool EcritPng(const QImage& image, QIODevice& sortie)
{
    const QImage indexee = EnCouleursIndexees(image);
    return EncodePng(indexee.format() == QImage::Format_Indexed8 ? indexee
                                                                 : image.convertToFormat(QImage::Format_RGB888),
                     sortie);
}

bool EcritImage(const QString& chemin, QSize taille, const TDessinImage& dessin, QString& erreur)
{
    const TFormatImage format = FormatImageDe(chemin);
    if (format == TFormatImage::Inconnu) {
        erreur = QStringLiteral("Format d'image inconnu pour « %1 » : PNG, SVG ou PDF").arg(chemin);
        return false;
    }
    // Tout le fichier en mémoire d'abord : l'écriture sur le disque est la même pour les trois formats.
    QByteArray contenu;
    QBuffer tampon(&contenu);
    QString raison;
    if (!tampon.open(QIODevice::WriteOnly) || !EcritFormat(format, tampon, taille, dessin)
        || EcritFichierEntier(chemin, contenu, raison) != TEcritureFichier::Faite) {
        erreur = QStringLiteral("Impossible d'écrire le fichier « %1 »").arg(chemin);
        return false;
    }
    return true;
}
