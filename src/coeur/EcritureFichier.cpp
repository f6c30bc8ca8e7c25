#include "EcritureFichier.h"

#include <QSaveFile>

namespace {

// Une écriture courte ne pose pas d'erreur : le texte du système serait « Unknown error ».
QString Raison(const QSaveFile& fichier)
{
    return fichier.error() == QFileDevice::NoError ? QStringLiteral("écriture incomplète") : fichier.errorString();
}

}  // namespace

TEcritureFichier EcritFichierEntier(const QString& chemin, const QByteArray& contenu, QString& raison)
{
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly)) {
        raison = fichier.errorString();
        return TEcritureFichier::NonCree;
    }
    // commit() valide aussi un fichier tronqué (disque plein, limite de taille) : une écriture
    // courte ou un vidage refusé n'est vu qu'ici.
    if (fichier.write(contenu) != contenu.size() || !fichier.flush()) {
        raison = Raison(fichier);
        fichier.cancelWriting();
        return TEcritureFichier::Inachevee;
    }
    if (!fichier.commit()) {
        raison = Raison(fichier);
        return TEcritureFichier::Inachevee;
    }
    return TEcritureFichier::Faite;
}
