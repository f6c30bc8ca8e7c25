#include "fenetres/ImageJpeg.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Un JPEG fait par Qt sert de témoin : moitié gauche rouge, moitié droite bleue.
QByteArray JpegTemoin()
{
    QImage image(64, 32, QImage::Format_RGB888);
    image.fill(Qt::blue);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            image.setPixelColor(x, y, Qt::red);
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "JPG", 100);
    return octets;
}

QString Ecrit(const QTemporaryDir& dossier, const QString& nom, const QByteArray& octets)
{
    const QString chemin = dossier.filePath(nom);
    QFile fichier(chemin);
    fichier.open(QIODevice::WriteOnly);
    fichier.write(octets);
    return chemin;
}

bool Proche(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12
           && std::abs(a.blue() - b.blue()) < 12;
}

}

TEST(ImageJpeg, DecodeTaillesEtCouleurs)
{
    QTemporaryDir dossier;
    QImage image;
    QString erreur;
    ASSERT_TRUE(LitImageJpeg(Ecrit(dossier, "t.jpg", JpegTemoin()), image, erreur)) << erreur.toStdString();
    EXPECT_EQ(image.size(), QSize(64, 32));
    EXPECT_TRUE(Proche(image.pixelColor(8, 16), Qt::red));
    EXPECT_TRUE(Proche(image.pixelColor(56, 16), Qt::blue));
}

TEST(ImageJpeg, FichierAbsentVideTronqueOuEtrangerRefusesSansArret)
{
    QTemporaryDir dossier;
    const QByteArray bon = JpegTemoin();
    const QString chemins[] = {
        dossier.filePath("absent.jpg"),
        Ecrit(dossier, "vide.jpg", QByteArray()),
        Ecrit(dossier, "tronque.jpg", bon.left(bon.size() / 2)),
        Ecrit(dossier, "texte.jpg", QByteArray("Kovra 1.8.0\r\n1\r\n")),
        Ecrit(dossier, "entete.jpg", bon.left(20)),
    };
    for (const QString& chemin : chemins) {
        QImage image(3, 3, QImage::Format_RGB888);
        QString erreur;
        EXPECT_FALSE(LitImageJpeg(chemin, image, erreur)) << chemin.toStdString();
        EXPECT_TRUE(erreur.contains(chemin)) << erreur.toStdString();
        EXPECT_EQ(image.size(), QSize(3, 3)) << "l'image reçue reste telle quelle";
    }
}
