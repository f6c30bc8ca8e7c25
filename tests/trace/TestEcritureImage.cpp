#include "trace/EcritureImage.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Un dessin de quelques couleurs, avec ou sans texte lissé (qui en fait des centaines).
void Dessin(QPainter& p, const QRect& r, bool texte)
{
    p.fillRect(r, QColor(255, 255, 200));
    p.setPen(QPen(Qt::red, 2));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.setPen(Qt::blue);
    p.drawRect(r.adjusted(5, 5, -6, -6));
    if (texte) {
        QFont police(QStringLiteral("Arial"));
        police.setPixelSize(30);
        p.setFont(police);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("Diagramme de Bode"));
    }
}

QImage Relue(const QByteArray& octets)
{
    return QImage::fromData(octets, "PNG").convertToFormat(QImage::Format_RGB32);
}

// Le PNG relu est l'image dessinée pixel pour pixel, en couleurs indexées quand elle s'y prête.
TEST(EcritureImage, PngIdentiqueAuPixelPres)
{
    for (const bool texte : {false, true}) {
        const QImage image = ImageDessinee(QSize(300, 120), [&](QPainter& p, const QRect& r) { Dessin(p, r, texte); });
        QByteArray octets;
        QBuffer tampon(&octets);
        ASSERT_TRUE(tampon.open(QIODevice::WriteOnly));
        ASSERT_TRUE(EcritPng(image, tampon));
        EXPECT_EQ(Relue(octets), image) << "texte " << texte;
        EXPECT_EQ(EnCouleursIndexees(image).format() == QImage::Format_Indexed8, !texte);
        EXPECT_EQ(EnCouleursIndexees(image).convertToFormat(QImage::Format_RGB32), image);
    }
}

TEST(EcritureImage, FormatParExtension)
{
    const std::pair<const char*, TFormatImage> cas[] = {
        {"a.png", TFormatImage::Png},  {"b.PNG", TFormatImage::Png},   {"c.svg", TFormatImage::Svg},
        {"d.Pdf", TFormatImage::Pdf},  {"e.jpg", TFormatImage::Inconnu}, {"png", TFormatImage::Inconnu},
        {"f.png.txt", TFormatImage::Inconnu},
    };
    for (const auto& [chemin, format] : cas)
        EXPECT_EQ(FormatImageDe(chemin), format) << chemin;
}

// Une écriture ratée laisse l'ancien fichier tel quel et le dit en français.
TEST(EcritureImage, EchecSansToucherAuFichierExistant)
{
    QTemporaryDir dossier;
    const QString inconnu = dossier.filePath("vue.bmp");
    QString erreur;
    const TDessinImage dessin = [](QPainter& p, const QRect& r) { Dessin(p, r, false); };
    EXPECT_FALSE(EcritImage(inconnu, QSize(100, 100), dessin, erreur));
    EXPECT_TRUE(erreur.startsWith("Format d'image inconnu")) << erreur.toStdString();
    EXPECT_FALSE(QFile::exists(inconnu));

    const QString existant = dossier.filePath("vue.png");
    ASSERT_TRUE(EcritImage(existant, QSize(100, 100), dessin, erreur));
    const QImage avant(existant);
    // Le dessin qui lève une exception laisse l'écriture inachevée.
    const TDessinImage casse = [](QPainter&, const QRect&) { throw std::runtime_error("dessin"); };
    EXPECT_THROW(EcritImage(existant, QSize(50, 50), casse, erreur), std::runtime_error);
    EXPECT_EQ(QImage(existant), avant);
    EXPECT_FALSE(EcritImage(dossier.filePath("vue.png/dessous.svg"), QSize(100, 100), dessin, erreur));
    EXPECT_EQ(erreur, "Impossible d'écrire le fichier « " + dossier.filePath("vue.png/dessous.svg") + " »");
}

}
