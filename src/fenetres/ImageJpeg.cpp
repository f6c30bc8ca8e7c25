#include "ImageJpeg.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

// Le gestionnaire d'erreurs par défaut de libjpeg termine le programme : on revient ici à la place.
struct GestionnaireErreurs {
    jpeg_error_mgr standard;
    std::jmp_buf retour;
};

[[noreturn]] void SortieSurErreur(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<GestionnaireErreurs*>(info->err)->retour, 1);
}

// Les avertissements sont comptés par libjpeg, pas imprimés : une image tronquée est refusée.
void IgnoreMessage(j_common_ptr) {}

// Aucun objet C++ n'est construit entre setjmp et la fin : longjmp n'en saute aucun destructeur.
bool Decode(const QByteArray& octets, QImage& image, GestionnaireErreurs& erreurs)
{
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&erreurs.standard);
    erreurs.standard.error_exit = SortieSurErreur;
    erreurs.standard.output_message = IgnoreMessage;
    if (setjmp(erreurs.retour)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(octets.constData()),
                 static_cast<unsigned long>(octets.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW ligne = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &ligne, 1);
    }
    jpeg_finish_decompress(&info);
    const bool intacte = erreurs.standard.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    return intacte;
}

}

bool LitImageJpeg(const QString& chemin, QImage& image, QString& erreur)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        erreur = QStringLiteral("Impossible d'ouvrir l'image « %1 ».").arg(chemin);
        return false;
    }
    const QByteArray octets = fichier.readAll();
    GestionnaireErreurs erreurs;
    QImage decodee;
    if (octets.isEmpty() || !Decode(octets, decodee, erreurs)) {
        erreur = QStringLiteral("L'image « %1 » est illisible ou endommagée.").arg(chemin);
        return false;
    }
    image = decodee;
    return true;
}
