// Dessine l'image d'accueil de Kovra et l'écrit en JPEG avec libjpeg.
// Usage : genere-accueil CHEMIN.jpg
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <jpeglib.h>

namespace {

constexpr int Largeur = 760;
constexpr int Hauteur = 460;
const QColor Sarcelle(0, 128, 128);

// Gain en dB d'un second ordre peu amorti : la résonance rend la courbe reconnaissable.
double GainSecondOrdre(double pulsationReduite)
{
    const double amortissement = 0.18;
    const double u = pulsationReduite * pulsationReduite;
    const double module = std::sqrt((1 - u) * (1 - u) + 4 * amortissement * amortissement * u);
    return -20 * std::log10(module);
}

void DessineFond(QPainter& p)
{
    QLinearGradient degrade(0, 0, 0, Hauteur);
    degrade.setColorAt(0, QColor(255, 255, 255));
    degrade.setColorAt(1, QColor(214, 236, 236));
    p.fillRect(0, 0, Largeur, Hauteur, degrade);
    p.setPen(QPen(Sarcelle, 3));
    p.drawRect(1, 1, Largeur - 3, Hauteur - 3);
}

void DessineCourbeBode(QPainter& p, const QRect& cadre)
{
    // Quatre décades en abscisse, de 10^-2,5 à 10^1,5 fois la pulsation propre ; +20 à -60 dB.
    const double decades = 4, premiereDecade = -2.5, gainHaut = 20, gainBas = -60;
    p.setPen(QPen(QColor(170, 200, 200), 1));
    for (int d = 0; d <= 4; ++d)
        for (int k = 1; k <= 9 && (d < 4 || k == 1); ++k) {
            const int x = cadre.left() + int(cadre.width() * (d + std::log10(double(k))) / decades);
            p.drawLine(x, cadre.top(), x, cadre.bottom());
        }
    for (double g = gainHaut; g >= gainBas; g -= 20) {
        const int y = cadre.top() + int(cadre.height() * (gainHaut - g) / (gainHaut - gainBas));
        p.drawLine(cadre.left(), y, cadre.right(), y);
    }
    QPainterPath courbe;
    for (int i = 0; i <= 400; ++i) {
        const double exposant = decades * i / 400.0;
        const double gain = GainSecondOrdre(std::pow(10.0, exposant + premiereDecade));
        const QPointF point(cadre.left() + cadre.width() * exposant / decades,
                            cadre.top() + cadre.height() * (gainHaut - gain) / (gainHaut - gainBas));
        if (i == 0)
            courbe.moveTo(point);
        else
            courbe.lineTo(point);
    }
    p.save();
    p.setClipRect(cadre.adjusted(-3, -3, 3, 3));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 30, 30), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(courbe);
    p.restore();
}

void DessineTextes(QPainter& p)
{
    QFont titre(QStringLiteral("Liberation Serif"));
    titre.setPixelSize(96);
    titre.setBold(true);
    p.setFont(titre);
    p.setPen(Sarcelle);
    p.drawText(QRect(0, 28, Largeur, 120), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Kovra"));

    QFont sousTitre(QStringLiteral("Liberation Sans"));
    sousTitre.setPixelSize(24);
    p.setFont(sousTitre);
    p.setPen(QColor(40, 60, 60));
    p.drawText(QRect(0, 148, Largeur, 36), Qt::AlignHCenter,
               QStringLiteral("Étude des systèmes asservis linéaires"));

    sousTitre.setPixelSize(17);
    sousTitre.setItalic(true);
    p.setFont(sousTitre);
    p.setPen(QColor(70, 100, 100));
    p.drawText(QRect(0, Hauteur - 52, Largeur, 30), Qt::AlignHCenter,
               QStringLiteral("Fonction de transfert · Bode · Nyquist · Black · réponses temporelles"));
}

QImage DessineAccueil()
{
    QImage image(Largeur, Hauteur, QImage::Format_RGB888);
    QPainter p(&image);
    DessineFond(p);
    DessineCourbeBode(p, QRect(110, 200, Largeur - 220, 190));
    DessineTextes(p);
    return image;
}

// Le gestionnaire d'erreurs par défaut de libjpeg arrête l'outil, donc la construction : c'est voulu.
bool EcritJpeg(const QImage& image, const char* chemin)
{
    std::FILE* fichier = std::fopen(chemin, "wb");
    if (!fichier)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr erreurs;
    info.err = jpeg_std_error(&erreurs);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, fichier);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* ligne = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &ligne, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(fichier) == 0;
}

}

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage : genere-accueil CHEMIN.jpg\n", stderr);
        return 2;
    }
    if (!EcritJpeg(DessineAccueil(), argv[1])) {
        std::fprintf(stderr, "genere-accueil : écriture impossible de %s\n", argv[1]);
        return 1;
    }
    return 0;
}
