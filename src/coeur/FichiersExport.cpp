#include "FichiersExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString CheminCopieDeTravail(const QString& modele, const QString& dossierFichiers)
{
    const QFileInfo dossier(dossierFichiers);
    const QString lieu = dossier.isDir() && dossier.isWritable() ? dossierFichiers : QDir::tempPath();
    return QDir(lieu).filePath(QStringLiteral("Copie de ") + QFileInfo(modele).fileName());
}

bool CopieModele(const QString& modele, const QString& copie)
{
    if (QFileInfo(modele).absoluteFilePath() == QFileInfo(copie).absoluteFilePath())
        return false;
    if (QFile::exists(copie) && !QFile::remove(copie))
        return false;
    // La copie garde les droits du modèle : un modèle installé en lecture seule en donnerait une
    // que le classeur ne pourrait pas réécrire.
    if (!QFile::copy(modele, copie))
        return false;
    QFile(copie).setPermissions(QFile(copie).permissions() | QFileDevice::WriteOwner);
    return true;
}

bool PoseResultat(const QString& copie, const QString& resultat)
{
    if (QFileInfo(copie).absoluteFilePath() == QFileInfo(resultat).absoluteFilePath())
        return QFile::exists(copie);
    QFile source(copie);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QSaveFile cible(resultat);
    if (!cible.open(QIODevice::WriteOnly))
        return false;
    while (!source.atEnd()) {
        const QByteArray morceau = source.read(1 << 20);
        if (morceau.isEmpty() || cible.write(morceau) != morceau.size()) {
            cible.cancelWriting();
            break;
        }
    }
    if (!cible.commit())
        return false;
    source.close();
    QFile::remove(copie);
    return true;
}
